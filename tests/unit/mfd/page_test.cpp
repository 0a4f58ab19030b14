// The page: grid positions, colours, fonts, the capacitor bar and its texts.
#include "display_fixture.h"

#include "display/default_styles.h"

#include <cstring>

namespace {

constexpr COLORREF kLabelColour = RGB(120, 200, 255); // the host's default pen 2
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

class Page : public DisplayTest {
protected:
    static const host::DrawCall *Text(const host::Page &page, const std::string &text) {
        for (const host::DrawCall &c : page.calls)
            if (c.kind == host::DrawCall::Text && c.text == text)
                return &c;
        return nullptr;
    }

    static std::vector<std::string> Rects(const host::Page &page) {
        std::vector<std::string> rects;
        for (const host::DrawCall &c : page.calls)
            if (c.kind == host::DrawCall::Rect)
                rects.push_back(host::DrawCallLine(c));
        return rects;
    }

    static std::string Fill(int l, int t, int r, int b) {
        return "rect " + std::to_string(l) + " " + std::to_string(t) + " " + std::to_string(r) +
               " " + std::to_string(b) + " fill #78C8FF";
    }
    static std::string Outline(int l, int t, int r, int b) {
        return "rect " + std::to_string(l) + " " + std::to_string(t) + " " + std::to_string(r) +
               " " + std::to_string(b) + " outline";
    }
};

TEST_F(Page, LabelsStandInColumnOneOnTheirHalfLinesLastAndInFontOne) {
    Open(scout, 0);
    host::Page page = Draw(scout, 0);
    const char *labels[] = {"Drive class",  "Jump range",   "Capacity",   "Charge rate",
                            "Fuel source",  "Fuel mass",    "Capacitors", "Target name",
                            "Distance set", "Display mode", "Mode value", "Miscellaneous"};
    const int ys[] = {9, 27, 36, 45, 67, 76, 108, 153, 225, 189, 207, 234};
    ASSERT_GE(page.calls.size(), 12u);
    size_t first = page.calls.size() - 12;
    for (int i = 0; i < 12; ++i) {
        const host::DrawCall &c = page.calls[first + i];
        EXPECT_EQ(c.text, labels[i]);
        EXPECT_EQ(c.x, 7);
        EXPECT_EQ(c.y, ys[i]) << labels[i];
        EXPECT_EQ(c.font, 1);
        EXPECT_EQ(c.colour, kLabelColour);
    }
}

TEST_F(Page, ValuesAreCentredInTheirColours) {
    Open(scout, 0);
    host::Page page = Draw(scout, 0);
    const host::DrawCall *name = Text(page, "S C O U T"); // 9 bytes
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->x, 105);
    EXPECT_EQ(name->y, 9);
    EXPECT_EQ(name->font, 0);
    EXPECT_EQ(name->colour, host::kDefaultTextColour);
    const host::DrawCall *range = Text(page, "7.50e+08m(0.005AU)"); // 18 bytes
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->x, 70);
    const host::DrawCall *capacity = Text(page, "6000.0kg x 5");
    ASSERT_NE(capacity, nullptr);
    EXPECT_EQ(capacity->x, 91);
    ASSERT_NE(Text(page, "600.0kg/s(10.0s)"), nullptr);
    const host::DrawCall *mode = Text(page, "Target size");
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->colour, host::kDefaultTextColour);
    EXPECT_EQ(mode->y, 189);
    const host::DrawCall *fuel = Text(page, "1 of 3");
    ASSERT_NE(fuel, nullptr);
    EXPECT_EQ(fuel->colour, kWhite);
    EXPECT_EQ(fuel->y, 67);
    EXPECT_EQ(Line(scout, 0, "Fuel mass"), "1000.0kg");
    EXPECT_EQ(Line(scout, 0, "Target name"), "Scout");
    EXPECT_EQ(Line(scout, 0, "Mode value"), "1.000000e+01m");
    EXPECT_EQ(Line(scout, 0, "Distance set"), "0.000000e+00m");
    const host::DrawCall *misc = Text(page, "2nd jump with 1 cells"); // 21 bytes
    ASSERT_NE(misc, nullptr);
    EXPECT_EQ(misc->x, 63);
    EXPECT_EQ(misc->y, 234);
    EXPECT_EQ(misc->colour, kWhite);
}

TEST_F(Page, CellViewFillsFullCellsAndTheChargedPartOfTheCurrentOne) {
    DriveMFD *display = Open(scout, 0);
    display->drive->cellIndex = 2;
    display->drive->cellCharge = 0.5;
    host::Page page = Draw(scout, 0);
    std::vector<std::string> expected = {Fill(49, 101, 85, 128),      Fill(84, 101, 120, 128),
                                         Fill(119, 101, 137, 128),    Outline(119, 101, 155, 128),
                                         Outline(154, 101, 190, 128), Outline(189, 101, 225, 128)};
    EXPECT_EQ(Rects(page), expected);
    const host::DrawCall *percent = Text(page, "50%");
    ASSERT_NE(percent, nullptr);
    EXPECT_EQ(percent->x, 131);
    EXPECT_EQ(percent->y, 108);
    EXPECT_EQ(percent->font, 1);
    EXPECT_EQ(percent->colour, kYellow);
    EXPECT_EQ(Line(scout, 0, "Jump range"), "7.50e+10m(0.501AU)");
}

TEST_F(Page, PercentTextsOfTheCurrentCell) {
    DriveMFD *display = Open(scout, 0);
    display->drive->cellCharge = 0.3;
    host::Page page = Draw(scout, 0);
    EXPECT_EQ(Rects(page).front(), Fill(49, 101, 60, 128));
    ASSERT_NE(Text(page, "30%"), nullptr);

    display->drive->cellCharge = 0.29; // 28.999... is cut, not rounded
    page = Draw(scout, 0);
    EXPECT_NE(Text(page, "28%"), nullptr);

    display->drive->cellCharge = 0.0;
    page = Draw(scout, 0);
    EXPECT_EQ(Rects(page).front(), Fill(49, 101, 50, 128));
    ASSERT_NE(Text(page, "00%"), nullptr);

    display->drive->cellCharge = 1.0;
    page = Draw(scout, 0);
    ASSERT_NE(Text(page, "GO"), nullptr);
    EXPECT_EQ(Text(page, "GO")->x, 49 + 17 - 5);
}

TEST_F(Page, SequenceViewShowsOneBarOfTheRemainingProgress) {
    DriveMFD *display = Open(scout, 0);
    display->drive->state = Accelerate;
    display->drive->cellCharge = 0.99;
    host::Page page = Draw(scout, 0);
    std::vector<std::string> expected = {Fill(49, 101, 223, 128), Outline(49, 101, 225, 128)};
    EXPECT_EQ(Rects(page), expected);
    const host::DrawCall *percent = Text(page, "99%");
    ASSERT_NE(percent, nullptr);
    EXPECT_EQ(percent->x, 126);
    EXPECT_EQ(percent->y, 108);
    EXPECT_EQ(percent->font, 0);
    display->drive->state = Idle;
}

TEST_F(Page, GeometryFollowsTheDisplaySize) {
    DriveMFD *display = Open(scout, 1, 300, 400);
    EXPECT_EQ(display->charWidth, 8);
    EXPECT_EQ(display->lineHeight, 14);
    host::Page page = Draw(scout, 1);
    EXPECT_EQ(host::PageHeaderLine(page), "page Scout 1 300x400");
    const host::DrawCall *label = Text(page, "Distance set");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->x, 8);
    EXPECT_EQ(label->y, 350);
    EXPECT_EQ(Text(page, "Capacitors")->y, 168);
    EXPECT_EQ(Text(page, "S C O U T")->x, 120);
    std::vector<std::string> expected = {Fill(56, 156, 57, 198),      Outline(56, 156, 97, 198),
                                         Outline(96, 156, 137, 198),  Outline(136, 156, 177, 198),
                                         Outline(176, 156, 217, 198), Outline(216, 156, 257, 198)};
    EXPECT_EQ(Rects(page), expected);
    const host::DrawCall *percent = Text(page, "00%");
    ASSERT_NE(percent, nullptr);
    EXPECT_EQ(percent->x, 56 + 20 - 6);
    EXPECT_EQ(percent->y, 168);
}

TEST_F(Page, NoTankShowsOffAndAnIndexPastTheListIsClamped) {
    DriveMFD *display = Open(scout, 0);
    display->drive->SetFuelIndex(7);
    display->state->targetIndex = 3; // the object count
    EXPECT_EQ(Line(scout, 0, "Fuel source"), "OFF");
    EXPECT_EQ(Line(scout, 0, "Fuel mass"), "n/a");
    EXPECT_EQ(display->state->targetIndex, 2u);
    EXPECT_EQ(Line(scout, 0, "Target name"), "Tug");
}

TEST_F(Page, ClassNameIsDrawnLiterallyAndCutToTheTextBuffer) {
    Open(scout, 0);
    std::strcpy(DriveSettings.ClassName, "100% %s%n");
    EXPECT_EQ(Line(scout, 0, "Drive class"), "100% %s%n");
    std::memset(DriveSettings.ClassName, 'A', 200);
    DriveSettings.ClassName[200] = '\0';
    std::string shown = Line(scout, 0, "Drive class");
    EXPECT_EQ(shown, std::string(127, 'A'));
    host::Page page = Draw(scout, 0);
    const host::DrawCall *call = Text(page, shown);
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->x, -308);
}

TEST_F(Page, TheSharedBrushIsMadeOnceForEveryDisplay) {
    int before = host::LiveCreatedBrushCount();
    Open(scout, 0);
    Open(tug, 3);
    Draw(scout, 0);
    Draw(scout, 0);
    Draw(tug, 3);
    EXPECT_EQ(host::LiveCreatedBrushCount(), before + 1);
    EXPECT_EQ(sharedBrushColour, kLabelColour);
}

TEST_F(Page, AVesselThatIsGoneIsNotReadThroughItsInterface) {
    DriveMFD *display = Open(scout, 0);
    ASSERT_TRUE(host::World().RequestDelete(scout));
    host::World().FlushDeletions();
    host::RecordingDC dc;
    display->Update(dc.Handle());
    host::Page page;
    page.calls = dc.calls;
    std::vector<std::string> texts;
    ASSERT_TRUE(host::TextsOnLabelLine(page, "Fuel source", &texts));
    EXPECT_EQ(texts, std::vector<std::string>{"OFF"});
    ASSERT_TRUE(host::TextsOnLabelLine(page, "Fuel mass", &texts));
    EXPECT_EQ(texts, std::vector<std::string>{"n/a"});
    ASSERT_TRUE(host::TextsOnLabelLine(page, "Mode value", &texts));
    EXPECT_EQ(texts, std::vector<std::string>{"n/a"});
}

} // namespace
