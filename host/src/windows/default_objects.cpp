// The default pens and fonts as real GDI objects, made on first use and kept
// for the life of the program; fonts once for each display height.
#include "platform/default_objects.h"

#include "display/default_styles.h"

#include <array>
#include <map>

namespace host {
namespace {

HFONT MakeFont(DWORD i, DWORD displayHeight) {
    const FontStyle &style = DefaultFontStyle(static_cast<int>(i));
    // A positive height asks for the cell height, ascent plus descent.
    return CreateFontA(FontCellHeight(displayHeight, static_cast<int>(i)), 0, 0, 0,
                       style.heavy ? FW_HEAVY : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       (i == 0 ? FIXED_PITCH : VARIABLE_PITCH) | FF_DONTCARE, style.family);
}

TEXTMETRICA FontZeroMetrics(DWORD displayHeight) {
    TEXTMETRICA metrics{};
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, DefaultFont(0, displayHeight));
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return metrics;
}

} // namespace

HPEN DefaultPen(DWORD i) {
    static const std::array<HPEN, kDefaultPenCount> pens = [] {
        std::array<HPEN, kDefaultPenCount> made{};
        for (size_t p = 0; p < made.size(); ++p)
            made[p] = CreatePen(PS_SOLID, 0, kDefaultPenColours[p]);
        return made;
    }();
    return i < pens.size() ? pens[i] : nullptr;
}

HFONT DefaultFont(DWORD i, DWORD displayHeight) {
    static std::map<DWORD, std::array<HFONT, kDefaultFontCount>> fonts;
    if (i >= static_cast<DWORD>(kDefaultFontCount))
        return nullptr;
    auto it = fonts.find(displayHeight);
    if (it == fonts.end()) {
        std::array<HFONT, kDefaultFontCount> made{};
        for (DWORD f = 0; f < made.size(); ++f)
            made[f] = MakeFont(f, displayHeight);
        it = fonts.emplace(displayHeight, made).first;
    }
    return it->second[i];
}

DWORD CellWidth(DWORD displayHeight) {
    return static_cast<DWORD>(FontZeroMetrics(displayHeight).tmAveCharWidth);
}

DWORD CellHeight(DWORD displayHeight) {
    return static_cast<DWORD>(FontZeroMetrics(displayHeight).tmHeight);
}

} // namespace host
