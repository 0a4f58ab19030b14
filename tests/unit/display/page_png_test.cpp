// Pictures of pages: black surface, exact colours, GDI's rectangle edges.
#include "display/displays.h"
#include "scratch_directory.h"

#include <cairo.h>

#include <memory>

namespace {

using PagePng = ScratchDirectory;

// A rectangle: its edges, brush colour (none when 0) and pen colour.
host::DrawCall Rect(int l, int t, int r, int b, COLORREF fill, COLORREF pen) {
    return host::DrawCall{
        host::DrawCall::Rect, 0, 0, "", 0, 0, l, t, r, b, fill != 0, fill, true, pen};
}

// Rectangles leave out their right and bottom edge. Glyph edges are
// smoothed; their cores are in the text colour, never another hue.
TEST_F(PagePng, RectanglesAndTextAreDrawnInTheirColours) {
    host::Page page;
    page.width = page.height = 256;
    host::DrawCall text;
    text.y = 40;
    text.colour = RGB(255, 255, 0);
    text.text = "MMMMMMMMMM";
    page.calls = {Rect(2, 3, 12, 13, RGB(120, 200, 255), RGB(255, 0, 0)),
                  Rect(20, 3, 30, 13, 0, RGB(0, 255, 0)), text};
    std::string error;
    ASSERT_TRUE(host::WritePagePng(page, "page.png", &error)) << error;
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> image(
        cairo_image_surface_create_from_png("page.png"), cairo_surface_destroy);
    ASSERT_EQ(cairo_surface_status(image.get()), CAIRO_STATUS_SUCCESS);
    cairo_surface_flush(image.get());
    const auto pixel = [&image](int x, int y) {
        const unsigned char *row = cairo_image_surface_get_data(image.get()) +
                                   y * cairo_image_surface_get_stride(image.get());
        return reinterpret_cast<const uint32_t *>(row)[x] & 0xFFFFFF;
    };

    EXPECT_EQ(pixel(0, 0), 0x000000u);
    EXPECT_EQ(pixel(2, 3), 0xFF0000u);   // border, top-left
    EXPECT_EQ(pixel(11, 12), 0xFF0000u); // border, right and bottom at r-1, b-1
    EXPECT_EQ(pixel(12, 12), 0x000000u);
    EXPECT_EQ(pixel(11, 13), 0x000000u);
    EXPECT_EQ(pixel(5, 6), 0x78C8FFu); // interior in the brush colour
    EXPECT_EQ(pixel(20, 8), 0x00FF00u);
    EXPECT_EQ(pixel(25, 8), 0x000000u); // null brush: inside untouched
    int yellow = 0, otherHue = 0;
    for (int x = 0; x < 70; ++x)
        for (int y = 40; y < 52; ++y) {
            uint32_t p = pixel(x, y);
            uint32_t r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
            yellow += r > 200 && g > 200 && b == 0;
            otherHue += r != g || b != 0;
        }
    EXPECT_GT(yellow, 20);
    EXPECT_EQ(otherHue, 0);
    EXPECT_EQ(pixel(100, 100), 0x000000u);
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
