// The host's GDI: selections, stock and created objects, and what a
// recording context keeps of each drawing call.
#include "display/default_styles.h"
#include "display/gdi_objects.h"

#include <gtest/gtest.h>

namespace {

TEST(Gdi, ANewContextHoldsTheStockPenAndBrush) {
    host::RecordingDC dc;
    EXPECT_EQ(GetCurrentObject(dc.Handle(), OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc.Handle(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc.Handle(), OBJ_FONT), nullptr);
}

TEST(Gdi, SelectObjectReturnsWhatWasSelectedOfThatKind) {
    host::RecordingDC dc;
    HGDIOBJ pen = host::DefaultPen(2);
    EXPECT_EQ(SelectObject(dc.Handle(), pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc.Handle(), GetStockObject(NULL_BRUSH)), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc.Handle(), OBJ_PEN), pen);
}

TEST(Gdi, ForeignHandlesAreRefusedNotFollowed) {
    host::RecordingDC dc;
    int notAnObject = 0;
    EXPECT_EQ(SelectObject(dc.Handle(), &notAnObject), nullptr);
    EXPECT_EQ(SelectObject(reinterpret_cast<HDC>(&notAnObject), host::DefaultPen(0)), nullptr);
    EXPECT_FALSE(TextOutA(reinterpret_cast<HDC>(&notAnObject), 0, 0, "x", 1));
    EXPECT_FALSE(DeleteObject(&notAnObject));
    EXPECT_EQ(GetStockObject(99), nullptr);
    EXPECT_EQ(GetStockObject(-1), nullptr);
}

TEST(Gdi, GetObjectDescribesPensOnly) {
    LOGPEN pen{};
    EXPECT_EQ(GetObjectA(host::DefaultPen(2), sizeof pen, &pen), static_cast<int>(sizeof pen));
    EXPECT_EQ(pen.lopnColor, RGB(120, 200, 255));
    EXPECT_EQ(pen.lopnStyle, static_cast<UINT>(PS_SOLID));
    EXPECT_EQ(GetObjectA(host::DefaultPen(2), 2, &pen), 0); // too small
    EXPECT_EQ(GetObjectA(GetStockObject(WHITE_BRUSH), sizeof pen, &pen), 0);
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

TEST(Gdi, TextKeepsItsBytesFontAndColour) {
    host::RecordingDC dc;
    SelectObject(dc.Handle(), host::DefaultFont(1));
    SetTextColor(dc.Handle(), RGB(255, 255, 0));
    ASSERT_TRUE(TextOutA(dc.Handle(), 3, 4, "GO!!", 2));
    ASSERT_EQ(dc.calls.size(), 1u);
    const host::DrawCall &c = dc.calls[0];
    EXPECT_EQ(c.kind, host::DrawCall::Text);
    EXPECT_EQ(c.text, "GO");
    EXPECT_EQ(c.font, 1);
    EXPECT_EQ(c.colour, RGB(255, 255, 0));
    EXPECT_EQ(c.x, 3);
    EXPECT_EQ(c.y, 4);
    EXPECT_FALSE(TextOutA(dc.Handle(), 0, 0, "x", -1));
    EXPECT_FALSE(TextOutA(dc.Handle(), 0, 0, nullptr, 3));
}

TEST(Gdi, RectanglesKeepBrushAndPen) {
    host::RecordingDC dc;
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    SelectObject(dc.Handle(), brush);
    SelectObject(dc.Handle(), host::DefaultPen(0));
    Rectangle(dc.Handle(), 1, 2, 3, 4);
    SelectObject(dc.Handle(), GetStockObject(NULL_BRUSH));
    SelectObject(dc.Handle(), GetStockObject(NULL_PEN));
    Rectangle(dc.Handle(), 5, 6, 7, 8);
    ASSERT_EQ(dc.calls.size(), 2u);
    EXPECT_TRUE(dc.calls[0].filled);
    EXPECT_EQ(dc.calls[0].fill, RGB(10, 20, 30));
    EXPECT_TRUE(dc.calls[0].outlined);
    EXPECT_EQ(dc.calls[0].pen, RGB(0, 255, 0));
    EXPECT_FALSE(dc.calls[1].filled);
    EXPECT_FALSE(dc.calls[1].outlined);
    EXPECT_EQ(dc.calls[1].right, 7);
    DeleteObject(brush);
}

} // namespace
