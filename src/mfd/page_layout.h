// Where things stand on the page: a grid of text columns and half-lines, and
// the capacitor bar. Pure arithmetic on the display's cell size.
#ifndef TARSEL_PAGE_LAYOUT_H
#define TARSEL_PAGE_LAYOUT_H

#include <cstdint>

struct PageLine {
    const char *label;
    int32_t halfLine;
};

// Drawing order of the labels; "Distance set" stands below "Mode value".
enum PageLineIndex {
    kDriveClassLine,
    kJumpRangeLine,
    kCapacityLine,
    kChargeRateLine,
    kFuelSourceLine,
    kFuelMassLine,
    kCapacitorsLine,
    kTargetNameLine,
    kDistanceSetLine,
    kDisplayModeLine,
    kModeValueLine,
    kMiscellaneousLine,
    kPageLineCount
};

extern const PageLine PageLines[kPageLineCount];
extern const char *const ModeNames[10];

struct Grid {
    int32_t charWidth;
    int32_t lineHeight;

    int32_t LineY(int32_t halfLine) const { return (halfLine * lineHeight) >> 1; }
    int32_t Y(PageLineIndex line) const { return LineY(PageLines[line].halfLine); }
    // Start of a text of len bytes centred on the 35-column page.
    int32_t CentredX(int32_t len) const { return ((37 - len) / 2 + 1) * charWidth; }
};

// The capacitor bar and its cells.
struct CellBar {
    int32_t x0, width, top, bottom;

    explicit CellBar(const Grid &grid);
    // Cell i of n; neighbours share their border column.
    int32_t CellLeft(int32_t i, int32_t n) const { return x0 + (i * width) / n; }
    int32_t CellRight(int32_t i, int32_t n) const { return x0 + ((i + 1) * width) / n + 1; }
};

// "00%" for 0, "GO" for 100, else "p%".
void FormatPercent(int32_t percent, char *text, unsigned size);

#endif
