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
// give it (platform/default_objects.h).
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

const FontStyle &DefaultFontStyle(int i); // i clamped to 0..3

// The cell height of default font i (clamped to 0..3) on a display
// displayHeight pixels high.
int FontCellHeight(DWORD displayHeight, int font);
// h = displayHeight * 9 / 200, the height the fonts are made from.
DWORD FontHeight(DWORD displayHeight);

} // namespace host

#endif
