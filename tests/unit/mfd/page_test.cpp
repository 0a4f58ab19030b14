// The page: grid positions, colours, fonts, the capacitor bar and its texts.
#include "module_world.h"

#include <cstring>

namespace {

class Page : public DisplayTest {
protected:
    // A text's drawing call as listed: "text X Y fontN #RRGGBB "TEXT"".
    static std::string Listed(const host::Page &page, const std::string &text) {
        for (const host::DrawCall &c : page.calls)
            if (c.kind == host::DrawCall::Text && c.text == text)
                return host::DrawCallLine(c);
        return "<none>";
    }

    static std::vector<std::string> Rects(const host::Page &page) {
        std::vector<std::string> rects;
        for (const host::DrawCall &c : page.calls)
            if (c.kind == host::DrawCall::Rect)
                rects.push_back(host::DrawCallLine(c));
        return rects;
    }

    // A filled cell (in the label colour) or an empty one.
    static constexpr const char *kFull = "fill #008000", *kEmpty = "outline";
    static std::string Rect(int l, int t, int r, int b, const std::string &how) {
        return "rect " + std::to_string(l) + " " + std::to_string(t) + " " + std::to_string(r) +
               " " + std::to_string(b) + " " + how;
    }
};

TEST_F(Page, LabelsStandInColumnOneOnTheirHalfLinesLastAndInFontOne) {
    Open(scout, 0);
    host::Page page = Draw(scout, 0);
    const std::pair<const char *, int> labels[] = {
        {"Drive class", 9},    {"Jump range", 27},    {"Capacity", 36},    {"Charge rate", 45},
        {"Fuel source", 67},   {"Fuel mass", 76},     {"Capacitors", 108}, {"Target name", 153},
        {"Distance set", 225}, {"Display mode", 189}, {"Mode value", 207}, {"Miscellaneous", 234}};
    ASSERT_GE(page.calls.size(), 12u);
    size_t at = page.calls.size() - 12;
    for (const auto &[label, y] : labels)
        EXPECT_EQ(host::DrawCallLine(page.calls[at++]),
                  "text 7 " + std::to_string(y) + " font1 #008000 \"" + label + "\"");
}

// The class name is drawn literally, format characters and all; every
// display draws with the one brush made for them all.
TEST_F(Page, ValuesAreCentredInTheirColours) {
    const int brushes = host::LiveCreatedBrushCount();
    Open(scout, 0);
    Open(tug, 3);
    Draw(tug, 3);
    std::strcpy(DriveSettings.ClassName, "100% %s%n");
    host::Page page = Draw(scout, 0);
    EXPECT_EQ(host::LiveCreatedBrushCount(), brushes + 1);
    EXPECT_EQ(sharedBrushColour, RGB(0, 128, 0));
    const std::pair<std::string, std::string> values[] = {
        {"100% %s%n", "text 105 9 font0 #00FF00"},
        {"7.50e+08m(0.005AU)", "text 70 27 font0 #00FF00"},
        {"6000.0kg x 5", "text 91 36 font0 #00FF00"},
        {"600.0kg/s(10.0s)", "text 77 45 font0 #00FF00"},
        {"Target size", "text 98 189 font0 #00FF00"},
        {"1 of 3", "text 112 67 font0 #FFFFFF"},
        {"2nd jump with 1 cells", "text 63 234 font0 #FFFFFF"}};
    for (const auto &[text, call] : values)
        EXPECT_EQ(Listed(page, text), std::string(call).append(" \"").append(text).append("\""));

    std::memset(DriveSettings.ClassName, 'A', 200); // cut to the text buffer
    DriveSettings.ClassName[200] = '\0';
    EXPECT_EQ(Listed(Draw(scout, 0), std::string(127, 'A')).substr(0, 13), "text -308 9 f");
}

TEST_F(Page, CapacitorBarFillsFullCellsAndTheChargedPartOfTheCurrentOne) {
    DriveMFD *display = Open(scout, 0);
    display->drive->cellIndex = 2;
    display->drive->cellCharge = 0.5;
    host::Page page = Draw(scout, 0);
    std::vector<std::string> expected = {
        Rect(49, 101, 85, 128, kFull),    Rect(84, 101, 120, 128, kFull),
        Rect(119, 101, 137, 128, kFull),  Rect(119, 101, 155, 128, kEmpty),
        Rect(154, 101, 190, 128, kEmpty), Rect(189, 101, 225, 128, kEmpty)};
    EXPECT_EQ(Rects(page), expected);
    EXPECT_EQ(Listed(page, "50%"), "text 131 108 font1 #FFFF00 \"50%\"");
    EXPECT_EQ(Line(scout, 0, "Jump range"), "7.50e+10m(0.501AU)");

    // A running sequence shows one bar of the remaining progress.
    display->drive->state = Accelerate;
    display->drive->cellCharge = 0.99;
    page = Draw(scout, 0);
    expected = {Rect(49, 101, 223, 128, kFull), Rect(49, 101, 225, 128, kEmpty)};
    EXPECT_EQ(Rects(page), expected);
    EXPECT_EQ(Listed(page, "99%"), "text 126 108 font0 #FFFF00 \"99%\"");
    EXPECT_EQ(Listed(page, "Capacitors"), "text 7 108 font1 #008000 \"Capacitors\"");
    display->drive->state = Idle;
}

// The percentage is cut, not rounded: 0.29 shows 28 (28.999...). The text
// stands at the first cell's centre less its width (49 + 17 - 5).
TEST_F(Page, PercentTextsOfTheCurrentCell) {
    DriveMFD *display = Open(scout, 0);
    const struct {
        double charge;
        int barRight;
        const char *text;
    } rows[] = {{0.3, 60, "30%"}, {0.29, 59, "28%"}, {0.0, 50, "00%"}, {1.0, 85, "GO"}};
    for (const auto &row : rows) {
        display->drive->cellCharge = row.charge;
        host::Page page = Draw(scout, 0);
        EXPECT_EQ(Rects(page).front(), Rect(49, 101, row.barRight, 128, kFull)) << row.charge;
        EXPECT_EQ(Listed(page, row.text),
                  "text 61 108 font1 #FFFF00 \"" + std::string(row.text) + "\"");
    }
}

TEST_F(Page, GeometryFollowsTheDisplaySize) {
    Open(scout, 1, 300, 400);
    host::Page page = Draw(scout, 1);
    EXPECT_EQ(host::PageHeaderLine(page), "page Scout 1 300x400");
    EXPECT_EQ(Listed(page, "Distance set"), "text 8 350 font1 #008000 \"Distance set\"");
    EXPECT_EQ(Listed(page, "Capacitors"), "text 8 168 font1 #008000 \"Capacitors\"");
    EXPECT_EQ(Listed(page, "S C O U T"), "text 120 14 font0 #00FF00 \"S C O U T\"");
    std::vector<std::string> expected = {
        Rect(56, 156, 57, 198, kFull),    Rect(56, 156, 97, 198, kEmpty),
        Rect(96, 156, 137, 198, kEmpty),  Rect(136, 156, 177, 198, kEmpty),
        Rect(176, 156, 217, 198, kEmpty), Rect(216, 156, 257, 198, kEmpty)};
    EXPECT_EQ(Rects(page), expected);
    EXPECT_EQ(Listed(page, "00%"), "text 70 168 font1 #FFFF00 \"00%\""); // 56 + 20 - 6
}

// A target index past the object list is clamped to its last entry when drawn.
TEST_F(Page, ATargetIndexPastTheListIsClamped) {
    DriveMFD *display = Open(scout, 0);
    display->state->targetIndex = 3; // the object count
    EXPECT_EQ(Line(scout, 0, "Target name"), "Tug");
    EXPECT_EQ(display->state->targetIndex, 2u);
}

TEST_F(Page, AVesselThatIsGoneIsNotReadThroughItsInterface) {
    DriveMFD *display = Open(scout, 0);
    // Taken out of the world behind the display framework's back, which would
    // close the display first, so that the display object outlives its vessel.
    ASSERT_TRUE(host::World().RequestDelete(scout));
    host::World().Remove(scout);
    host::DrawingSurface surface(256, 256);
    display->Update(surface.Handle());
    host::Page page;
    surface.TakeDrawing(&page);
    EXPECT_EQ(LineOf(page, "Fuel source"), "OFF");
    EXPECT_EQ(LineOf(page, "Fuel mass"), "n/a");
    EXPECT_EQ(LineOf(page, "Mode value"), "n/a");
}

} // namespace
