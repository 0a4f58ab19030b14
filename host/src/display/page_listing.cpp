#include "display/page_listing.h"

#include <cstdio>

namespace host {
namespace {

// Code points of the bytes 0x80 to 0x9F; 0 where the code page has none.
constexpr unsigned kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void AppendUtf8(unsigned cp, std::string *out) {
    if (cp < 0x80) {
        out->push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

} // namespace

std::string Cp1252ToUtf8(const std::string &text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        unsigned byte = static_cast<unsigned char>(c);
        unsigned cp = byte;
        if (byte >= 0x80 && byte < 0xA0)
            cp = kHighControls[byte - 0x80] ? kHighControls[byte - 0x80] : 0xFFFD;
        AppendUtf8(cp, &out);
    }
    return out;
}

std::string QuoteText(const std::string &cp1252) {
    std::string out = "\"";
    for (char c : Cp1252ToUtf8(cp1252)) {
        if (c == '"' || c == '\\')
            out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

std::string FormatColour(COLORREF colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

std::string PageHeaderLine(const Page &page) {
    return "page " + page.vesselName + " " + std::to_string(page.position) + " " +
           std::to_string(page.width) + "x" + std::to_string(page.height);
}

std::string DrawCallLine(const DrawCall &call) {
    if (call.kind == DrawCall::Text)
        return "text " + std::to_string(call.x) + " " + std::to_string(call.y) + " font" +
               std::to_string(call.font) + " " + FormatColour(call.colour) + " " +
               QuoteText(call.text);
    std::string line = "rect " + std::to_string(call.left) + " " + std::to_string(call.top) + " " +
                       std::to_string(call.right) + " " + std::to_string(call.bottom);
    return line + (call.filled ? " fill " + FormatColour(call.fill) : std::string(" outline"));
}

std::string PageEndLine() {
    return "end";
}

std::vector<std::string> PageListing(const Page &page) {
    std::vector<std::string> lines{PageHeaderLine(page)};
    for (const DrawCall &call : page.calls)
        lines.push_back(DrawCallLine(call));
    lines.push_back(PageEndLine());
    return lines;
}

std::string ButtonLine(const ButtonInfo &button) {
    std::string key = button.key ? std::string(1, button.key) : std::string("-");
    return "button " + std::to_string(button.index) + " " + QuoteText(button.label) + " " +
           QuoteText(button.menuText) + " " + key;
}

bool TextsOnLabelLine(const Page &page, const std::string &label, std::vector<std::string> *texts) {
    const DrawCall *labelCall = nullptr;
    for (const DrawCall &call : page.calls)
        if (call.kind == DrawCall::Text && call.text == label) {
            labelCall = &call;
            break;
        }
    texts->clear();
    if (!labelCall)
        return false;
    for (const DrawCall &call : page.calls)
        if (call.kind == DrawCall::Text && call.y == labelCall->y && call.text != label)
            texts->push_back(call.text);
    return true;
}

} // namespace host
