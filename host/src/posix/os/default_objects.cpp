// The default pens and fonts as records of the host's GDI. A font record
// stands for its number only: its size comes from the display it is drawn on.
#include "platform/default_objects.h"
#include "display/default_styles.h"
#include "posix/os/font_metrics.h"
#include "posix/win32/gdi_objects.h"

#include <cmath>

namespace host {
namespace {

GdiObject MakePen(COLORREF colour) {
    GdiObject pen;
    pen.type = OBJ_PEN;
    pen.colour = colour;
    return pen;
}

GdiObject MakeFont(int index) {
    GdiObject font;
    font.type = OBJ_FONT;
    font.fontIndex = index;
    return font;
}

// Registered once so that SelectObject and GetObjectA accept them.
template <size_t N> GdiObject *Registered(GdiObject (&objects)[N], bool &done) {
    if (!done) {
        for (GdiObject &o : objects)
            RegisterGdiObject(&o);
        done = true;
    }
    return objects;
}

} // namespace

HPEN DefaultPen(DWORD i) {
    static GdiObject pens[kDefaultPenCount] = {
        MakePen(kDefaultPenColours[0]), MakePen(kDefaultPenColours[1]),
        MakePen(kDefaultPenColours[2]), MakePen(kDefaultPenColours[3]),
        MakePen(kDefaultPenColours[4]), MakePen(kDefaultPenColours[5]),
    };
    static bool registered = false;
    if (i >= static_cast<DWORD>(kDefaultPenCount))
        return nullptr;
    return reinterpret_cast<HPEN>(&Registered(pens, registered)[i]);
}

HFONT DefaultFont(DWORD i, DWORD) {
    static GdiObject fonts[kDefaultFontCount] = {MakeFont(0), MakeFont(1), MakeFont(2),
                                                 MakeFont(3)};
    static bool registered = false;
    if (i >= static_cast<DWORD>(kDefaultFontCount))
        return nullptr;
    return reinterpret_cast<HFONT>(&Registered(fonts, registered)[i]);
}

DWORD CellWidth(DWORD displayHeight) {
    const FontStyle &style = DefaultFontStyle(0);
    const FaceMetrics &face = MeasureFace(style.family, style.heavy);
    if (face.cellPerEm <= 0.0)
        return 0;
    return static_cast<DWORD>(
        std::lround(FontHeight(displayHeight) * face.advancePerEm / face.cellPerEm));
}

DWORD CellHeight(DWORD displayHeight) {
    return FontHeight(displayHeight);
}

} // namespace host
