// The display-mode base class of the simulator's plug-in API.
#ifndef MFDAPI_H
#define MFDAPI_H

#include "OrbiterAPI.h"

class VESSEL;
class MFDHost;

class OAPIFUNC MFD {
public:
    MFD(DWORD w, DWORD h, VESSEL *vessel);
    virtual ~MFD();
    virtual void Update(HDC hDC) = 0;
    void InvalidateDisplay();
    void InvalidateButtons();
    void Title(HDC hDC, const char *title) const;
    HPEN SelectDefaultPen(HDC hDC, DWORD i) const;
    HFONT SelectDefaultFont(HDC hDC, DWORD i) const;
    virtual bool ConsumeKeyBuffered(DWORD /*key*/) { return false; }
    virtual bool ConsumeKeyImmediate(char * /*kstate*/) { return false; }
    virtual bool ConsumeButton(int /*bt*/, int /*event*/) { return false; }
    virtual char *ButtonLabel(int /*bt*/) { return 0; }
    virtual int ButtonMenu(const MFDBUTTONMENU ** /*menu*/) const { return 0; }
    virtual void WriteStatus(FILEHANDLE /*scn*/) const {}
    virtual void ReadStatus(FILEHANDLE /*scn*/) {}
    virtual void StoreStatus() const {}
    virtual void RecallStatus() {}

protected:
    DWORD W, H;
    DWORD cw, ch;
    VESSEL *pV;

private:
    // The host's display that shows this object; set once the display is attached.
    MFDHost *host;
    friend class MFDHost;
};

#endif
