// The display's default pens and the brushes a module makes, through the
// platform's GDI: the host's own, or gdi32 behind the host's recording layer.
#include "display/default_styles.h"
#include "platform/default_objects.h"
#include "platform/drawing_surface.h"

#include <gtest/gtest.h>

namespace {

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

// The simulator's six default pens: solid, width 0.
TEST(DefaultStyles, PensAreTheSimulatorsSix) {
    const COLORREF colours[] = {RGB(0, 255, 0),   RGB(0, 255, 0), RGB(0, 128, 0),
                                RGB(128, 128, 0), RGB(64, 64, 0), RGB(128, 128, 128)};
    for (DWORD i = 0; i < 6; ++i) {
        LOGPEN pen{};
        ASSERT_EQ(GetObjectA(host::DefaultPen(i), sizeof pen, &pen), int(sizeof pen));
        EXPECT_EQ(pen.lopnStyle, UINT(PS_SOLID)) << i;
        EXPECT_EQ(pen.lopnWidth.x, 0) << i;
        EXPECT_EQ(pen.lopnColor, colours[i]) << i;
    }
    EXPECT_EQ(host::DefaultPen(6), nullptr);
}

} // namespace
