// The printed forms of pages and buttons.
#include "display/page_listing.h"

#include <gtest/gtest.h>

namespace {

TEST(PageListing, CodePage1252BecomesUtf8) {
    EXPECT_EQ(host::Cp1252ToUtf8("60.0\xB0"), "60.0\xC2\xB0");
    EXPECT_EQ(host::Cp1252ToUtf8("\x80\x99\xFF"), "\xE2\x82\xAC\xE2\x84\xA2\xC3\xBF");
    EXPECT_EQ(host::Cp1252ToUtf8("\x81"), "\xEF\xBF\xBD"); // no character there
    EXPECT_EQ(host::Cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(PageListing, QuotesAndBackslashesAreEscaped) {
    EXPECT_EQ(host::QuoteText("say \"hi\" C:\\x"), "\"say \\\"hi\\\" C:\\\\x\"");
    EXPECT_EQ(host::QuoteText(""), "\"\"");
}

TEST(PageListing, PageLines) {
    host::Page page;
    page.vesselName = "Scout";
    page.position = 1;
    page.width = 300;
    page.height = 400;
    host::DrawCall text;
    text.x = -308;
    text.y = 9;
    text.font = 1;
    text.colour = RGB(120, 200, 255);
    text.text = "a\"b";
    host::DrawCall filled;
    filled.kind = host::DrawCall::Rect;
    filled.left = 49;
    filled.top = 101;
    filled.right = 85;
    filled.bottom = 128;
    filled.filled = true;
    filled.fill = RGB(0x12, 0x34, 0x56);
    host::DrawCall outline = filled;
    outline.filled = false;
    page.calls = {text, filled, outline};
    std::vector<std::string> expected = {
        "page Scout 1 300x400", "text -308 9 font1 #78C8FF \"a\\\"b\"",
        "rect 49 101 85 128 fill #123456", "rect 49 101 85 128 outline", "end"};
    EXPECT_EQ(host::PageListing(page), expected);
}

TEST(PageListing, ButtonLines) {
    EXPECT_EQ(host::ButtonLine({0, "JMP", "Engage jump", 'J'}),
              "button 0 \"JMP\" \"Engage jump\" J");
    EXPECT_EQ(host::ButtonLine({11, "", "", 0}), "button 11 \"\" \"\" -");
}

TEST(PageListing, TextsOnALabelsLine) {
    host::Page page;
    host::DrawCall c;
    c.y = 9;
    c.text = "Drive class";
    page.calls.push_back(c);
    c.text = "S C O U T";
    page.calls.push_back(c);
    c.y = 27;
    c.text = "elsewhere";
    page.calls.push_back(c);
    std::vector<std::string> texts;
    ASSERT_TRUE(host::TextsOnLabelLine(page, "Drive class", &texts));
    EXPECT_EQ(texts, std::vector<std::string>{"S C O U T"});
    EXPECT_FALSE(host::TextsOnLabelLine(page, "Fuel mass", &texts));
    EXPECT_TRUE(texts.empty());
}

} // namespace
