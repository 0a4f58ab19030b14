// Pictures of pages: black surface, exact colours, GDI's rectangle edges and
// the display's fonts at the simulator's sizes.
#include "display/page.h"
#include "platform/page_png.h"
#include "scratch_directory.h"

#include <cairo.h>

#include <memory>

using PagePng = ScratchDirectory;

// A rectangle: its edges, brush colour (none when 0) and pen colour.
static host::DrawCall Rect(int l, int t, int r, int b, COLORREF fill, COLORREF pen) {
    return host::DrawCall{
        host::DrawCall::Rect, 0, 0, "", 0, 0, l, t, r, b, fill != 0, fill, true, pen};
}

static host::DrawCall Text(int x, int y, int font, COLORREF colour, const std::string &text) {
    return host::DrawCall{host::DrawCall::Text, x, y, text, font, colour};
}

// The page written as a PNG file and read back.
class Picture {
public:
    explicit Picture(const host::Page &page) : image_(nullptr, cairo_surface_destroy) {
        std::string error;
        EXPECT_TRUE(host::WritePagePng(page, "page.png", &error)) << error;
        image_.reset(cairo_image_surface_create_from_png("page.png"));
        EXPECT_EQ(cairo_surface_status(image_.get()), CAIRO_STATUS_SUCCESS);
        cairo_surface_flush(image_.get());
    }

    uint32_t Pixel(int x, int y) const {
        const unsigned char *row =
            cairo_image_surface_get_data(image_.get()) +
            static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(image_.get());
        return reinterpret_cast<const uint32_t *>(row)[x] & 0xFFFFFF;
    }

    // The last column and row that are not black within the band of rows [top, bottom).
    std::pair<int, int> InkEnd(int top, int bottom) const {
        int column = -1, row = -1;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < cairo_image_surface_get_width(image_.get()); ++x)
                if (Pixel(x, y) != 0) {
                    column = std::max(column, x);
                    row = std::max(row, y);
                }
        return {column, row};
    }

private:
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> image_;
};

// Rectangles leave out their right and bottom edge. Glyph edges are
// smoothed; their cores are in the text colour, never another hue.
TEST_F(PagePng, RectanglesAndTextAreDrawnInTheirColours) {
    host::Page page;
    page.width = page.height = 420;
    page.calls = {Rect(2, 3, 12, 13, RGB(120, 200, 255), RGB(255, 0, 0)),
                  Rect(20, 3, 30, 13, 0, RGB(0, 255, 0)),
                  Text(0, 40, 0, RGB(255, 255, 0), "MMMMMMMMMM")};
    Picture picture(page);
    // Black ground; the border top-left and at r-1, b-1, not past them; the
    // interior in the brush colour; the null brush leaves the inside untouched.
    EXPECT_EQ((std::vector<uint32_t>{
                  picture.Pixel(0, 0), picture.Pixel(2, 3), picture.Pixel(11, 12),
                  picture.Pixel(12, 12), picture.Pixel(11, 13), picture.Pixel(5, 6),
                  picture.Pixel(20, 8), picture.Pixel(25, 8), picture.Pixel(200, 200)}),
              (std::vector<uint32_t>{0, 0xFF0000, 0xFF0000, 0, 0, 0x78C8FF, 0x00FF00, 0, 0}));
    int yellow = 0, otherHue = 0;
    for (int x = 0; x < 100; ++x)
        for (int y = 40; y < 58; ++y) {
            uint32_t p = picture.Pixel(x, y);
            uint32_t r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
            yellow += r > 200 && g > 200 && b == 0;
            otherHue += r != g || b != 0;
        }
    EXPECT_GT(yellow, 100);
    EXPECT_EQ(otherHue, 0);
}

// On a display 420 pixels high, h = 420 * 9 / 200 = 18: fonts 0 and 3 have a
// cell 18 pixels high, fonts 1 and 2 one of 13. With DejaVu's metrics (cell
// 2384 units of 2048 to the em; advance of "0" 1233 in Sans Mono, 1303 in
// Sans, 1425 in Sans Bold) nineteen more zeros reach 176.9, 135.0, 147.6 and
// 186.9 pixels further. The baseline lies 1901 / 2384 of the cell below y,
// 14.35 and 10.37 pixels, and is drawn on the nearest pixel boundary: the
// ink of "0", which stands on it, ends in row 13 or 9 below y.
TEST_F(PagePng, TextsHaveTheCellHeightsOfTheirFontsBelowY) {
    const struct {
        int font;
        int nineteenZeros; // pixels, rounded
        int inkBottom;     // last row of ink, below y
    } fonts[] = {{0, 177, 13}, {1, 135, 9}, {2, 148, 9}, {3, 187, 13}};
    for (const auto &f : fonts) {
        host::Page page;
        page.width = 256;
        page.height = 420;
        const int y = 100;
        page.calls = {Text(0, y, f.font, RGB(255, 255, 255), "0"),
                      Text(0, y + 40, f.font, RGB(255, 255, 255), std::string(20, '0'))};
        Picture picture(page);
        const std::pair<int, int> one = picture.InkEnd(y - 10, y + 30);
        const std::pair<int, int> twenty = picture.InkEnd(y + 30, y + 70);
        EXPECT_NEAR(twenty.first - one.first, f.nineteenZeros, 1) << "font " << f.font;
        EXPECT_EQ(std::make_pair(one.second, twenty.second),
                  std::make_pair(y + f.inkBottom, y + 40 + f.inkBottom))
            << "font " << f.font;
    }
}

TEST_F(PagePng, UnwritablePathsAndEmptyPagesFail) {
    host::Page page;
    std::string error;
    EXPECT_FALSE(host::WritePagePng(page, "page.png", &error));
    page.width = page.height = 8;
    EXPECT_FALSE(host::WritePagePng(page, "no/such/dir.png", &error));
    EXPECT_FALSE(error.empty());
}
