// Pictures of pages: black surface, exact colours, GDI's rectangle edges.
#include "display/displays.h"
#include "module_world.h"

#include <cairo.h>

namespace {

class PagePng : public ModuleWorldTest {
protected:
    void TearDown() override {
        if (image_)
            cairo_surface_destroy(image_);
        ModuleWorldTest::TearDown();
    }

    // Writes the page to page.png in the working directory.
    static void Write(const host::Page &page) {
        std::string error;
        ASSERT_TRUE(host::WritePagePng(page, "page.png", &error)) << error;
    }

    // 0x00RRGGBB of one pixel of the written file, read back once.
    uint32_t Pixel(int x, int y) {
        if (!image_) {
            image_ = cairo_image_surface_create_from_png("page.png");
            EXPECT_EQ(cairo_surface_status(image_), CAIRO_STATUS_SUCCESS);
            cairo_surface_flush(image_);
        }
        const unsigned char *row =
            cairo_image_surface_get_data(image_) + y * cairo_image_surface_get_stride(image_);
        return reinterpret_cast<const uint32_t *>(row)[x] & 0xFFFFFF;
    }

    // A rectangle: its edges, brush colour (none when 0) and pen colour.
    static host::DrawCall Rect(int l, int t, int r, int b, COLORREF fill, COLORREF pen) {
        return host::DrawCall{
            host::DrawCall::Rect, 0, 0, "", 0, 0, l, t, r, b, fill != 0, fill, true, pen};
    }

    cairo_surface_t *image_ = nullptr;
};

TEST_F(PagePng, RectanglesLeaveOutTheirRightAndBottomEdge) {
    host::Page page;
    page.width = 40;
    page.height = 30;
    page.calls = {Rect(2, 3, 12, 13, RGB(120, 200, 255), RGB(255, 0, 0)),
                  Rect(20, 3, 30, 13, 0, RGB(0, 255, 0))};
    Write(page);

    EXPECT_EQ(Pixel(0, 0), 0x000000u);
    EXPECT_EQ(Pixel(2, 3), 0xFF0000u);   // border, top-left
    EXPECT_EQ(Pixel(11, 12), 0xFF0000u); // border, right and bottom at r-1, b-1
    EXPECT_EQ(Pixel(12, 12), 0x000000u);
    EXPECT_EQ(Pixel(11, 13), 0x000000u);
    EXPECT_EQ(Pixel(5, 6), 0x78C8FFu); // interior in the brush colour
    EXPECT_EQ(Pixel(20, 8), 0x00FF00u);
    EXPECT_EQ(Pixel(25, 8), 0x000000u); // null brush: inside untouched
}

TEST_F(PagePng, TextIsDrawnInItsColour) {
    host::Page page;
    page.width = 256;
    page.height = 256;
    host::DrawCall text;
    text.colour = RGB(255, 255, 0);
    text.text = "MMMMMMMMMM";
    page.calls = {text};
    Write(page);
    // Glyph edges are smoothed; their cores are yellow, never another hue.
    int yellow = 0, otherHue = 0;
    for (int x = 0; x < 70; ++x)
        for (int y = 0; y < 12; ++y) {
            uint32_t p = Pixel(x, y);
            uint32_t r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
            yellow += r > 200 && g > 200 && b == 0;
            otherHue += r != g || b != 0;
        }
    EXPECT_GT(yellow, 20);
    EXPECT_EQ(otherHue, 0);
    EXPECT_EQ(Pixel(100, 100), 0x000000u);
}

TEST_F(PagePng, UnwritablePathsAndEmptyPagesFail) {
    host::Page page;
    std::string error;
    EXPECT_FALSE(host::WritePagePng(page, "page.png", &error));
    page.width = page.height = 8;
    EXPECT_FALSE(host::WritePagePng(page, "no/such/dir.png", &error));
    EXPECT_FALSE(error.empty());
}

} // namespace
