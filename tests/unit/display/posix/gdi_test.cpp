// The host's own GDI: selections, foreign handles and stock objects, and the
// character cell its fonts give.
#include "display/default_styles.h"
#include "platform/default_objects.h"
#include "posix/win32/gdi_objects.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(Gdi, SelectObjectReturnsWhatWasSelectedOfThatKindAndRefusesForeignHandles) {
    host::RecordingDC dc;
    HGDIOBJ pen = host::DefaultPen(2);
    EXPECT_EQ(SelectObject(dc.Handle(), pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc.Handle(), GetStockObject(NULL_BRUSH)), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc.Handle(), OBJ_PEN), pen);

    // Foreign handles and bad texts are refused, not followed.
    int notAnObject = 0;
    const HDC foreign = reinterpret_cast<HDC>(&notAnObject);
    EXPECT_FALSE(SelectObject(dc.Handle(), &notAnObject) ||
                 SelectObject(foreign, host::DefaultPen(0)) || TextOutA(foreign, 0, 0, "x", 1) ||
                 DeleteObject(&notAnObject) || GetStockObject(99) || GetStockObject(-1) ||
                 TextOutA(dc.Handle(), 0, 0, "x", -1) || TextOutA(dc.Handle(), 0, 0, nullptr, 3));
    EXPECT_TRUE(dc.calls.empty());
}

// h = H * 9 / 200 high; DejaVu Sans Mono's advance, 1233 of 2384 units of
// its cell, wide.
TEST(DefaultStyles, TheCharacterCellIsFontZerosAdvanceAndHeight) {
    EXPECT_EQ(std::make_tuple(host::CellWidth(256), host::CellHeight(256), host::CellWidth(420),
                              host::CellHeight(420)),
              std::make_tuple(6u, 11u, 9u, 18u));
}
