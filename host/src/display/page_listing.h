// The printed forms of pages and buttons, and the text conversions they use.
#ifndef HOST_PAGE_LISTING_H
#define HOST_PAGE_LISTING_H

#include "display/page.h"

#include <string>
#include <vector>

namespace host {

// Windows code page 1252 to UTF-8; the five bytes that page leaves
// undefined become U+FFFD.
std::string Cp1252ToUtf8(const std::string &text);
// The text in UTF-8 between double quotes, " and \ escaped with \.
std::string QuoteText(const std::string &cp1252);
// "#RRGGBB"
std::string FormatColour(COLORREF colour);

// "page NAME p WxH"
std::string PageHeaderLine(const Page &page);
// "text X Y fontN #RRGGBB "TEXT"", "rect L T R B fill #RRGGBB" or "rect L T R B outline"
std::string DrawCallLine(const DrawCall &call);
// "end"
std::string PageEndLine();
// Header, one line per call, end.
std::vector<std::string> PageListing(const Page &page);
// "button I "LABEL" "MENUTEXT" KEYCHAR"; a button without a key shows "-".
std::string ButtonLine(const ButtonInfo &button);

// The texts other than the label itself that stand on the label's line
// (same y as the label's text), in drawing order. False when no text equals
// the label.
bool TextsOnLabelLine(const Page &page, const std::string &label, std::vector<std::string> *texts);

} // namespace host

#endif
