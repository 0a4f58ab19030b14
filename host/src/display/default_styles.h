// The host's own look of a display: its six default pens, four default fonts
// and the text colour a page starts with.
//
//   pen 0  RGB(0,255,0)     bright green, the display's main colour
//   pen 1  RGB(0,160,0)     dim green
//   pen 2  RGB(120,200,255) light blue
//   pen 3  RGB(255,200,0)   amber
//   pen 4  RGB(255,64,64)   red
//   pen 5  RGB(255,255,255) white
//   font 0 "DejaVu Sans Mono", fixed pitch: one character advances cw = W/35 pixels
//   font 1 "DejaVu Sans", proportional, 0.8 of font 0's size
//   font 2 "DejaVu Sans", proportional, 0.65 of font 0's size
//   font 3 "DejaVu Sans Mono", fixed pitch, 1.5 of font 0's size
//   text colour at the start of a page: RGB(0,255,0)
#ifndef HOST_DEFAULT_STYLES_H
#define HOST_DEFAULT_STYLES_H

#include "display/gdi_objects.h"

namespace host {

constexpr int kDefaultPenCount = 6;
constexpr int kDefaultFontCount = 4;
constexpr COLORREF kDefaultTextColour = RGB(0, 255, 0);

struct FontStyle {
    const char *family;
    bool fixedPitch;
    double scale; // size relative to font 0
};

// Null when i is out of range.
GdiObject *DefaultPen(DWORD i);
GdiObject *DefaultFont(DWORD i);
const FontStyle &DefaultFontStyle(int i); // i clamped to 0..3

// The host's character cell of font 0 for a display of w x h pixels.
DWORD CellWidth(DWORD w);
DWORD CellHeight(DWORD h);

} // namespace host

#endif
