// A display's default pens and fonts as the platform makes them
// (display/default_styles.h for their colours and sizes), and font 0's
// character cell, MFD::cw and MFD::ch. Here the cell is h high and
// h * advance / (ascent + descent) wide, rounded, with the face's metrics
// read from the installed font (DejaVu Sans Mono: ascent 1901, descent 483,
// advance 1233 units), so 6 x 11 for a display 256 pixels high (h = 11),
// 9 x 18 for 400 to 422 (h = 18); on Windows it is GDI's average character
// width and height of font 0 (under Wine 8 with the same face, 5 x 10 for
// 256 and 9 x 18 for 420).
#ifndef HOST_DEFAULT_OBJECTS_H
#define HOST_DEFAULT_OBJECTS_H

#include "Orbitersdk.h"

namespace host {

// The platform's objects, kept for the life of the program; null when i is
// out of range.
HPEN DefaultPen(DWORD i);
// Default font i of a display displayHeight pixels high.
HFONT DefaultFont(DWORD i, DWORD displayHeight);

// Font 0's character cell on a display displayHeight pixels high.
DWORD CellWidth(DWORD displayHeight);
DWORD CellHeight(DWORD displayHeight);

} // namespace host

#endif
