// The host's own GDI: selections, foreign handles and stock objects, and the
// character cell its fonts give.
#include "display/default_styles.h"
#include "posix/gdi_objects.h"

#include <gtest/gtest.h>

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

// h = H * 9 / 200 high; DejaVu Sans Mono's advance, 1233 of 2384 units of
// its cell, wide.
TEST(DefaultStyles, TheCharacterCellIsFontZerosAdvanceAndHeight) {
    EXPECT_EQ(host::CellWidth(256), 6u);
    EXPECT_EQ(host::CellHeight(256), 11u);
    EXPECT_EQ(host::CellWidth(420), 9u);
    EXPECT_EQ(host::CellHeight(420), 18u);
}
