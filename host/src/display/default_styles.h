// A display's pens, fonts and text colour, as the simulator prepares them.
//
//   pen 0  RGB(0,255,0)      pen 3  RGB(128,128,0)
//   pen 1  RGB(0,255,0)      pen 4  RGB(64,64,0)
//   pen 2  RGB(0,128,0)      pen 5  RGB(128,128,128)
// all solid, width 0. The fonts are made from h = H * 9 / 200 (whole pixels)
// for a display H pixels high; their sizes are cell heights (ascent plus
// descent), as GDI takes a positive font height:
//   font 0 "DejaVu Sans Mono", fixed pitch, cell height h
//   font 1 "DejaVu Sans", proportional, (h * 3) / 4
//   font 2 "DejaVu Sans", proportional, (h * 3) / 4, heavy (drawn bold)
//   font 3 "DejaVu Sans", proportional, h
// MFD::cw and MFD::ch are font 0's character cell as the platform's fonts
// give it: here h high and h * advance / (ascent + descent) wide, rounded,
// with the face's metrics read from the installed font (DejaVu Sans Mono:
// ascent 1901, descent 483, advance 1233 units), so 6 x 11 for a display 256
// pixels high (h = 11), 9 x 18 for 400 to 422 (h = 18); on Windows GDI's
// average character width and height of font 0 (under Wine 8 with the same
// face, 5 x 10 for 256 and 9 x 18 for 420).
// Before each Update a page holds font 0, pen 0, the stock null brush and
// the text colour RGB(0,255,0); text is drawn without a background box
// (the background mode TRANSPARENT).
#ifndef HOST_DEFAULT_STYLES_H
#define HOST_DEFAULT_STYLES_H

#include "Orbitersdk.h"

namespace host {

constexpr int kDefaultPenCount = 6;
constexpr int kDefaultFontCount = 4;
constexpr COLORREF kDefaultTextColour = RGB(0, 255, 0);
constexpr COLORREF kDefaultPenColours[kDefaultPenCount] = {
    RGB(0, 255, 0),   RGB(0, 255, 0), RGB(0, 128, 0),
    RGB(128, 128, 0), RGB(64, 64, 0), RGB(128, 128, 128),
};

struct FontStyle {
    const char *family;
    bool heavy;
    int numerator, denominator; // cell height (h * numerator) / denominator
};

// The platform's objects, kept for the life of the program; null when i is
// out of range.
HPEN DefaultPen(DWORD i);
// Default font i of a display displayHeight pixels high.
HFONT DefaultFont(DWORD i, DWORD displayHeight);
const FontStyle &DefaultFontStyle(int i); // i clamped to 0..3

// The cell height of default font i (clamped to 0..3) on a display
// displayHeight pixels high.
int FontCellHeight(DWORD displayHeight, int font);
// h = displayHeight * 9 / 200, the height the fonts are made from.
DWORD FontHeight(DWORD displayHeight);
// Font 0's character cell on a display displayHeight pixels high.
DWORD CellWidth(DWORD displayHeight);
DWORD CellHeight(DWORD displayHeight);

} // namespace host

#endif
