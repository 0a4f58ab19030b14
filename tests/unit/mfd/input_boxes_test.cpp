// The fuel and distance boxes, and boxes that outlive their display (the
// target box is flown by tests/scenarios/target_box.scn).
#include "module_world.h"

namespace {

using InputBoxes = DisplayTest;

// atoi saturates: past the tanks, or rejected when negative. Every
// rejection is answered with the cancel sound, an acceptance is silent.
TEST_F(InputBoxes, FuelBoxFollowsAtoiAndSelectsNoTankPastTheTanks) {
    const struct {
        const char *text;
        bool accepted;
        uint32_t fuelIndex; // after the answer; the drive starts at tank 2 (index 1)
    } cases[] = {{"0", true, 0xFFFFFFFFu}, {"1", true, 0},
                 {"-1", false, 1},         {"99", true, 98},
                 {"", false, 1},           {"99999999999999999999", true, 2147483646u}};
    DriveMFD *display = Open(scout, 0);
    for (const auto &c : cases) {
        display->drive->SetFuelIndex(1);
        Key(scout, 0, OAPI_KEY_F);
        TakeTranscript();
        EXPECT_EQ(Answer(c.text), c.accepted) << c.text;
        EXPECT_EQ(Count(TakeTranscript(), Played(55)), c.accepted ? 0 : 1) << c.text;
        EXPECT_EQ(display->drive->GetFuelIndex(), c.fuelIndex) << c.text;
        if (host::InputBoxOpen())
            host::CancelInputBox(nullptr);
    }
    display->drive->SetFuelIndex(98);
    Key(scout, 0, OAPI_KEY_I);
    EXPECT_EQ(display->drive->GetFuelIndex(), 0u);
}

TEST_F(InputBoxes, DistanceBoxReadsDistanceAndCellCount) {
    const struct {
        const char *text;
        double distance; // the state starts at 500 m and 4 cells
        int32_t cells;
        bool accepted;
    } cases[] = {{"1500", 1500.0, 4, true},
                 {"1500,2", 1500.0, 2, true},
                 {",3", 500.0, 3, true},
                 {"1500,0", 500.0, 4, false},
                 {"1500,6", 500.0, 4, false},
                 {"-3", 500.0, 4, false},
                 {"-3,2", 500.0, 2, false},
                 {"1500,2,7", 1500.0, 2, true},
                 {"1e9", 1e9, 4, true},
                 {"abc", 0.0, 4, true},
                 {"", 500.0, 4, false},
                 {"1500,99999999999", 500.0, 4, false},
                 // As the C runtime reads numbers: hexadecimal too.
                 {"0x10", 16.0, 4, true},
                 {"0x1p30,2", 1073741824.0, 2, true},
                 // Not finite, so no distance.
                 {"nan", 500.0, 4, false},
                 {"-inf,2", 500.0, 2, false},
                 {"infinity", 500.0, 4, false},
                 {"1e999", 500.0, 4, false},
                 {"-1e999,3", 500.0, 3, false}};
    DriveMFD *display = Open(scout, 0);
    for (const auto &c : cases) {
        display->state->distance = 500.0;
        display->state->secondJumpCells = 4;
        Key(scout, 0, OAPI_KEY_S);
        TakeTranscript();
        EXPECT_EQ(Answer(c.text), c.accepted) << c.text;
        EXPECT_EQ(Count(TakeTranscript(), Played(55)), c.accepted ? 0 : 1) << c.text;
        EXPECT_EQ(display->state->distance, c.distance) << c.text;
        EXPECT_EQ(display->state->secondJumpCells, c.cells) << c.text;
        if (host::InputBoxOpen())
            host::CancelInputBox(nullptr);
    }
}

TEST_F(InputBoxes, ABoxAnsweredAfterItsDisplayClosedStillActsOnTheState) {
    const std::pair<DWORD, const char *> answers[] = {
        {OAPI_KEY_S, "7500,2"}, {OAPI_KEY_F, "3"}, {OAPI_KEY_T, "Earth"}};
    for (const auto &[key, answer] : answers) {
        MFDState *state = Open(scout, 0)->state;
        Key(scout, 0, key);
        Close(scout, 0); // the display object is destroyed, the box stays
        EXPECT_EQ(state->display, nullptr) << "the state forgets the destroyed display";
        ASSERT_TRUE(host::InputBoxOpen());
        TakeTranscript();
        EXPECT_TRUE(Answer(answer));
        EXPECT_EQ(Transcript().find("redraw requested"), std::string::npos) << "nothing to redraw";
    }
    DriveMFD *reopened = Open(scout, 0);
    EXPECT_EQ(reopened->state->distance, 7500.0);
    EXPECT_EQ(reopened->state->secondJumpCells, 2);
    EXPECT_EQ(reopened->drive->GetFuelIndex(), 2u);
    EXPECT_EQ(reopened->state->targetIndex, 0u);

    // The answer redraws the display that shows the state now.
    Key(scout, 0, OAPI_KEY_S);
    Close(scout, 0);
    Open(scout, 0);
    int redraws = host::RedrawRequests(scout, 0);
    EXPECT_TRUE(Answer("100"));
    EXPECT_EQ(host::RedrawRequests(scout, 0), redraws + 1);
}

} // namespace
