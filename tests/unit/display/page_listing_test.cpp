// The printed forms of page texts, and the brushes a module makes through
// the platform's GDI: the host's own, or gdi32 behind the host's recording
// layer.
#include "display/page_listing.h"
#include "platform/drawing_surface.h"

#include <gtest/gtest.h>

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

TEST(PageListing, ALabelNotOnThePageHasNoLine) {
    host::Page page;
    page.calls.resize(1);
    page.calls[0].text = "Drive class";
    std::vector<std::string> texts{"stale"};
    EXPECT_FALSE(host::TextsOnLabelLine(page, "Fuel mass", &texts));
    EXPECT_TRUE(texts.empty());
}

TEST(Gdi, CreatedBrushesAreCountedUntilDeleted) {
    int before = host::LiveCreatedBrushCount();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(host::LiveCreatedBrushCount(), before + 1);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(host::LiveCreatedBrushCount(), before);
    EXPECT_FALSE(DeleteObject(brush)); // already gone
    EXPECT_TRUE(DeleteObject(GetStockObject(NULL_BRUSH)));
    EXPECT_NE(GetStockObject(NULL_BRUSH), nullptr);
}
