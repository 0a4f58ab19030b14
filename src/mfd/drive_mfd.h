// The display mode's object: one per open display, owning nothing. The drive
// and the display state it shows live in the module's registries.
#ifndef TARSEL_DRIVE_MFD_H
#define TARSEL_DRIVE_MFD_H

#include "Orbitersdk.h"
#include "drive/drive_unit.h"
#include "mfd/mfd_state.h"

#include <cstddef>
#include <cstdint>

// SDKs before 2021 have no OAPI_MSGTYPE: there the procedure returns int.
#ifndef OAPI_MSGTYPE
#define OAPI_MSGTYPE int
#endif

class DriveMFD : public MFD {
public:
    // The mode's message procedure, given to the simulator at registration.
    static OAPI_MSGTYPE MsgProc(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam);
    // The module is loaded or unloaded: the brush its pages share goes.
    static void ReleasePageBrush();

    DriveMFD(DWORD w, DWORD h, VESSEL *vessel, UINT position);
    ~DriveMFD() override;
    DriveMFD(const DriveMFD &) = delete;
    DriveMFD &operator=(const DriveMFD &) = delete;

    void Update(HDC hDC) override;
    bool ConsumeKeyBuffered(DWORD key) override;
    bool ConsumeButton(int bt, int event) override;
    char *ButtonLabel(int bt) override;
    int ButtonMenu(const MFDBUTTONMENU **menu) const override;

    // The "Mode value" line for the target and first-jump range, into text.
    void FormatModeValue(OBJHANDLE target, double range, char *text, size_t size);

    // Null when they could not be had (no memory, no vessel), and from the
    // deletion of the vessel on: the display then shows that it has no drive
    // and refuses every command until the simulator closes it.
    DriveUnit *drive = nullptr;
    MFDState *state = nullptr;
    VESSEL *vessel;
    int32_t charWidth;
    int32_t lineHeight;
    int32_t soundId = -1;
};

#endif
