// The brushes a module makes, through the platform's GDI: the host's own, or
// gdi32 behind the host's recording layer.
#include "display/drawing_surface.h"

#include <gtest/gtest.h>

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
