// The host's GDI: selections, foreign handles, stock and created objects, and
// the display's default pens.
#include "display/default_styles.h"
#include "posix/gdi_objects.h"

#include <gtest/gtest.h>

namespace {

TEST(Gdi, SelectObjectReturnsWhatWasSelectedOfThatKindAndRefusesForeignHandles) {
    host::RecordingDC dc;
    HGDIOBJ pen = host::DefaultPen(2);
    EXPECT_EQ(SelectObject(dc.Handle(), pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc.Handle(), GetStockObject(NULL_BRUSH)), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc.Handle(), OBJ_PEN), pen);

    // Foreign handles and bad texts are refused, not followed.
    int notAnObject = 0;
    EXPECT_EQ(SelectObject(dc.Handle(), &notAnObject), nullptr);
    EXPECT_EQ(SelectObject(reinterpret_cast<HDC>(&notAnObject), host::DefaultPen(0)), nullptr);
    EXPECT_FALSE(TextOutA(reinterpret_cast<HDC>(&notAnObject), 0, 0, "x", 1));
    EXPECT_FALSE(DeleteObject(&notAnObject));
    EXPECT_EQ(GetStockObject(99), nullptr);
    EXPECT_EQ(GetStockObject(-1), nullptr);
    EXPECT_FALSE(TextOutA(dc.Handle(), 0, 0, "x", -1));
    EXPECT_FALSE(TextOutA(dc.Handle(), 0, 0, nullptr, 3));
    EXPECT_TRUE(dc.calls.empty());
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
