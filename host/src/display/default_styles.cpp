#include "display/default_styles.h"

#include "display/font_metrics.h"

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

GdiObject *DefaultPen(DWORD i) {
    static GdiObject pens[kDefaultPenCount] = {
        MakePen(RGB(0, 255, 0)),   MakePen(RGB(0, 255, 0)), MakePen(RGB(0, 128, 0)),
        MakePen(RGB(128, 128, 0)), MakePen(RGB(64, 64, 0)), MakePen(RGB(128, 128, 128)),
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
        {"DejaVu Sans Mono", false, 1, 1},
        {"DejaVu Sans", false, 3, 4},
        {"DejaVu Sans", true, 3, 4},
        {"DejaVu Sans", false, 1, 1},
    };
    if (i < 0)
        i = 0;
    if (i >= kDefaultFontCount)
        i = kDefaultFontCount - 1;
    return styles[i];
}

int FontCellHeight(DWORD displayHeight, int font) {
    const FontStyle &style = DefaultFontStyle(font);
    return static_cast<int>(CellHeight(displayHeight)) * style.numerator / style.denominator;
}

DWORD CellWidth(DWORD displayHeight) {
    const FontStyle &style = DefaultFontStyle(0);
    const FaceMetrics &face = MeasureFace(style.family, style.heavy);
    if (face.cellPerEm <= 0.0)
        return 0;
    return static_cast<DWORD>(
        std::lround(CellHeight(displayHeight) * face.advancePerEm / face.cellPerEm));
}

DWORD CellHeight(DWORD displayHeight) {
    return displayHeight * 9 / 200;
}

} // namespace host
