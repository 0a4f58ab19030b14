// Pictures of pages: black surface, exact colours, GDI's rectangle edges.
#include "display/displays.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

class PagePng : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tarsel-png-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        path_ = (dir_ / "page.png").string();
    }
    void TearDown() override {
        if (image_)
            cairo_surface_destroy(image_);
        std::filesystem::remove_all(dir_);
    }

    // 0x00RRGGBB of one pixel of the written file, read back once.
    uint32_t Pixel(int x, int y) {
        if (!image_) {
            image_ = cairo_image_surface_create_from_png(path_.c_str());
            EXPECT_EQ(cairo_surface_status(image_), CAIRO_STATUS_SUCCESS);
            cairo_surface_flush(image_);
        }
        const unsigned char *row =
            cairo_image_surface_get_data(image_) + y * cairo_image_surface_get_stride(image_);
        return reinterpret_cast<const uint32_t *>(row)[x] & 0xFFFFFF;
    }

    cairo_surface_t *image_ = nullptr;

    static host::DrawCall Rect(int l, int t, int r, int b) {
        host::DrawCall c;
        c.kind = host::DrawCall::Rect;
        c.left = l;
        c.top = t;
        c.right = r;
        c.bottom = b;
        return c;
    }

    std::filesystem::path dir_;
    std::string path_;
};

TEST_F(PagePng, RectanglesLeaveOutTheirRightAndBottomEdge) {
    host::Page page;
    page.width = 40;
    page.height = 30;
    host::DrawCall filled = Rect(2, 3, 12, 13);
    filled.filled = true;
    filled.fill = RGB(120, 200, 255);
    filled.pen = RGB(255, 0, 0);
    host::DrawCall outline = Rect(20, 3, 30, 13);
    outline.pen = RGB(0, 255, 0);
    page.calls = {filled, outline};
    std::string error;
    ASSERT_TRUE(host::WritePagePng(page, path_, &error)) << error;

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
    text.x = 0;
    text.y = 0;
    text.colour = RGB(255, 255, 0);
    text.text = "MMMMMMMMMM";
    page.calls = {text};
    std::string error;
    ASSERT_TRUE(host::WritePagePng(page, path_, &error)) << error;
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
    EXPECT_FALSE(host::WritePagePng(page, path_, &error));
    page.width = page.height = 8;
    EXPECT_FALSE(host::WritePagePng(page, (dir_ / "no" / "such" / "dir.png").string(), &error));
    EXPECT_FALSE(error.empty());
}

} // namespace
