#include "mfd/page_layout.h"

#include <cstdio>

const PageLine PageLines[kPageLineCount] = {
    {"Drive class", 2},   {"Jump range", 6},    {"Capacity", 8},    {"Charge rate", 10},
    {"Fuel source", 15},  {"Fuel mass", 17},    {"Capacitors", 24}, {"Target name", 34},
    {"Distance set", 50}, {"Display mode", 42}, {"Mode value", 46}, {"Miscellaneous", 52},
};

const char *const ModeNames[10] = {
    "Target size",        "Target mass",         "Target distance",  "Course offset",
    "Course deviation",   "Deviation needed",    "Deviation offset", "Relative velocity",
    "Velocity elevation", "X-Y(pitch)alignment",
};

CellBar::CellBar(const Grid &grid) {
    const int32_t h = PageLines[kCapacitorsLine].halfLine;
    x0 = 7 * grid.charWidth;
    width = 25 * grid.charWidth;
    top = (((h - 2) * grid.lineHeight) >> 1) + 2;
    bottom = (((h + 4) * grid.lineHeight) >> 1) + 2;
}

void FormatPercent(int32_t percent, char *text, unsigned size) {
    if (percent == 0)
        std::snprintf(text, size, "00%%");
    else if (percent == 100)
        std::snprintf(text, size, "GO");
    else
        std::snprintf(text, size, "%d%%", percent);
}
