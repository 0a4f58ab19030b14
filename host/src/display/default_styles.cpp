#include "display/default_styles.h"

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

GdiObject *DefaultPen(DWORD i) {
    static GdiObject pens[kDefaultPenCount] = {
        MakePen(RGB(0, 255, 0)),   MakePen(RGB(0, 160, 0)),   MakePen(RGB(120, 200, 255)),
        MakePen(RGB(255, 200, 0)), MakePen(RGB(255, 64, 64)), MakePen(RGB(255, 255, 255)),
    };
    static bool registered = false;
    if (i >= static_cast<DWORD>(kDefaultPenCount))
        return nullptr;
    return &Registered(pens, registered)[i];
}

GdiObject *DefaultFont(DWORD i) {
    static GdiObject fonts[kDefaultFontCount] = {MakeFont(0), MakeFont(1), MakeFont(2),
                                                 MakeFont(3)};
    static bool registered = false;
    if (i >= static_cast<DWORD>(kDefaultFontCount))
        return nullptr;
    return &Registered(fonts, registered)[i];
}

const FontStyle &DefaultFontStyle(int i) {
    static const FontStyle styles[kDefaultFontCount] = {
        {"DejaVu Sans Mono", true, 1.0},
        {"DejaVu Sans", false, 0.8},
        {"DejaVu Sans", false, 0.65},
        {"DejaVu Sans Mono", true, 1.5},
    };
    if (i < 0)
        i = 0;
    if (i >= kDefaultFontCount)
        i = kDefaultFontCount - 1;
    return styles[i];
}

// 35 columns and 28 lines of font 0 fill a display.
DWORD CellWidth(DWORD w) {
    return w / 35;
}
DWORD CellHeight(DWORD h) {
    return h / 28;
}

} // namespace host
