#include "display/default_styles.h"

namespace host {

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
    return static_cast<int>(FontHeight(displayHeight)) * style.numerator / style.denominator;
}

DWORD FontHeight(DWORD displayHeight) {
    return displayHeight * 9 / 200;
}

} // namespace host
