// The host's GDI: pens, brushes and fonts are GdiObject records, and an HDC
// is a RecordingDC that keeps every drawing call instead of drawing pixels.
#ifndef HOST_GDI_OBJECTS_H
#define HOST_GDI_OBJECTS_H

#include "Orbitersdk.h"
#include "display/page.h"

#include <vector>

namespace host {

struct GdiObject {
    UINT type = OBJ_PEN; // OBJ_PEN, OBJ_BRUSH or OBJ_FONT
    COLORREF colour = 0;
    UINT penStyle = PS_SOLID;
    int fontIndex = -1;     // the display's default font number
    bool hollow = false;    // the null brush
    bool deletable = false; // made by CreateSolidBrush; stock and default objects stay
};

struct RecordingDC {
    GdiObject *pen = nullptr;
    GdiObject *brush = nullptr;
    GdiObject *font = nullptr;
    COLORREF textColour = 0;
    std::vector<DrawCall> calls;

    RecordingDC();
    ~RecordingDC();
    RecordingDC(const RecordingDC &) = delete;
    RecordingDC &operator=(const RecordingDC &) = delete;
    HDC Handle() { return reinterpret_cast<HDC>(this); }
};

// Objects handed out to modules are registered so that a stale or foreign
// handle is refused instead of followed.
void RegisterGdiObject(GdiObject *o);
void UnregisterGdiObject(GdiObject *o);
GdiObject *LookUpGdiObject(const void *h);

} // namespace host

#endif
