// The Windows host's displays: a GDI memory context prepared as the
// simulator prepares it, the recording layer over gdi32, the real fonts, and
// pictures of the pixels GDI drew.
#include "display/default_styles.h"
#include "display/page_listing.h"
#include "platform/default_objects.h"
#include "platform/drawing_surface.h"
#include "platform/page_png.h"
#include "scratch_directory.h"

#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#include <memory>
#include <tuple>

TEST(GdiSurface, TheContextIsPreparedAsTheSimulatorPreparesIt) {
    host::DrawingSurface surface(300, 420);
    HDC dc = surface.Handle();
    EXPECT_EQ(std::make_tuple(GetTextColor(dc), GetBkMode(dc), GetCurrentObject(dc, OBJ_FONT),
                              GetCurrentObject(dc, OBJ_BRUSH), GetCurrentObject(dc, OBJ_PEN)),
              std::make_tuple(RGB(0, 255, 0), TRANSPARENT, host::DefaultFont(0, 420),
                              GetStockObject(NULL_BRUSH), host::DefaultPen(0)));
    host::Page page;
    surface.TakeDrawing(&page);
    ASSERT_EQ(page.pixels.size(), 300u * 420u);
    for (uint32_t pixel : page.pixels)
        ASSERT_EQ(pixel, 0u); // cleared to black
    EXPECT_TRUE(page.calls.empty());
}

// Calls made through the program's imports of gdi32 are recorded and drawn;
// a call GDI refuses is not recorded. Rectangles leave out their right and
// bottom edge.
TEST(GdiSurface, TextsAndRectanglesAreRecordedAndDrawn) {
    host::DrawingSurface surface(64, 420);
    HDC dc = surface.Handle();
    HBRUSH brush = CreateSolidBrush(RGB(120, 200, 255));
    SelectObject(dc, brush);
    SelectObject(dc, host::DefaultPen(3));
    EXPECT_TRUE(Rectangle(dc, 2, 3, 12, 13));
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SelectObject(dc, GetStockObject(NULL_PEN));
    EXPECT_TRUE(Rectangle(dc, 20, 3, 30, 13));
    SelectObject(dc, host::DefaultFont(1, 420));
    SetTextColor(dc, RGB(255, 255, 0));
    EXPECT_TRUE(TextOutA(dc, 4, 30, "M\xB0", 2));
    EXPECT_FALSE(TextOutA(dc, 4, 30, "x", -1));
    host::Page page;
    surface.TakeDrawing(&page);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    DeleteObject(brush);

    ASSERT_EQ(page.calls.size(), 3u);
    EXPECT_EQ(host::DrawCallLine(page.calls[0]), "rect 2 3 12 13 fill #78C8FF");
    EXPECT_EQ(page.calls[0].pen, RGB(128, 128, 0));
    EXPECT_EQ(host::DrawCallLine(page.calls[1]), "rect 20 3 30 13 outline");
    EXPECT_FALSE(page.calls[1].outlined);
    EXPECT_EQ(host::DrawCallLine(page.calls[2]), "text 4 30 font1 #FFFF00 \"M\xC2\xB0\"");

    const auto pixel = [&page](int x, int y) { return page.pixels[y * 64 + x]; };
    // The border at the top-left and the bottom-right corner and past it, the
    // inside in the brush colour; the null brush and pen draw nothing.
    EXPECT_EQ((std::vector<uint32_t>{pixel(2, 3), pixel(11, 12), pixel(12, 12), pixel(11, 13),
                                     pixel(5, 6), pixel(25, 8)}),
              (std::vector<uint32_t>{0x808000, 0x808000, 0, 0, 0x78C8FF, 0}));
    // Glyph edges are smoothed: ink is yellow of any strength, no other hue.
    int ink = 0, otherHue = 0;
    for (int y = 30; y < 45; ++y)
        for (int x = 4; x < 30; ++x) {
            const uint32_t p = pixel(x, y), r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
            ink += p != 0;
            otherHue += r != g || b != 0;
        }
    EXPECT_GT(ink, 20);
    EXPECT_EQ(otherHue, 0);
}

// The faces by name at the cell heights h = H * 9 / 200 (and 3/4 of it for
// fonts 1 and 2), as Wine's GDI renders them; the character cell is font 0's.
TEST(GdiSurface, TheDefaultFontsAreTheDejaVuFaces) {
    HDC dc = CreateCompatibleDC(nullptr);
    const struct {
        const char *face;
        LONG height;
        bool heavy;
    } fonts[] = {{"DejaVu Sans Mono", 18, false},
                 {"DejaVu Sans", 13, false},
                 {"DejaVu Sans", 13, true},
                 {"DejaVu Sans", 18, false}};
    for (DWORD i = 0; i < 4; ++i) {
        HGDIOBJ previous = SelectObject(dc, host::DefaultFont(i, 420));
        char face[64] = "";
        GetTextFaceA(dc, sizeof face, face);
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        // The pitch flag is set for a proportional face.
        EXPECT_EQ(
            std::make_tuple(std::string(face), metrics.tmHeight, metrics.tmWeight >= FW_BOLD,
                            (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0),
            std::make_tuple(std::string(fonts[i].face), fonts[i].height, fonts[i].heavy, i == 0))
            << i;
        if (i == 0) {
            EXPECT_EQ(host::CellWidth(420), static_cast<DWORD>(metrics.tmAveCharWidth));
            EXPECT_EQ(host::CellHeight(420), static_cast<DWORD>(metrics.tmHeight));
        }
        SelectObject(dc, previous);
    }
    DeleteDC(dc);
    EXPECT_EQ(host::DefaultFont(4, 420), nullptr);
    EXPECT_EQ(host::DefaultFont(2, 420), host::DefaultFont(2, 420)); // made once
}

using PagePng = ScratchDirectory;

// The picture is the page's own pixels.
TEST_F(PagePng, ThePictureHoldsThePixels) {
    host::Page page;
    page.width = 3;
    page.height = 2;
    page.pixels = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF};
    std::string error;
    ASSERT_TRUE(host::WritePagePng(page, "page.png", &error)) << error;
    int width = 0, height = 0, channels = 0;
    std::unique_ptr<unsigned char, decltype(&stbi_image_free)> image(
        stbi_load("page.png", &width, &height, &channels, 3), stbi_image_free);
    ASSERT_TRUE(image);
    ASSERT_EQ(std::make_pair(width, height), std::make_pair(3, 2));
    std::vector<uint32_t> read;
    for (const unsigned char *rgb = image.get(); read.size() < 6; rgb += 3)
        read.push_back(uint32_t(rgb[0]) << 16 | uint32_t(rgb[1]) << 8 | rgb[2]);
    EXPECT_EQ(read, page.pixels);
}

TEST_F(PagePng, UnwritablePathsAndPagesWithoutPixelsFail) {
    host::Page page;
    std::string error;
    EXPECT_FALSE(host::WritePagePng(page, "page.png", &error));
    page.width = page.height = 8;
    EXPECT_FALSE(host::WritePagePng(page, "page.png", &error));
    page.pixels.assign(64, 0);
    EXPECT_FALSE(host::WritePagePng(page, "no/such/dir.png", &error));
    EXPECT_EQ(error, "cannot write no/such/dir.png");
}
