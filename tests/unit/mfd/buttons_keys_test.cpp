// The twelve buttons, their keys and menu, and what each key does.
#include "module_world.h"

namespace {

using Buttons = DisplayTest;

TEST_F(Buttons, LabelsMenuAndKeysFollowTheButtonTable) {
    DriveMFD *display = Open(scout, 0);
    std::vector<host::ButtonInfo> buttons;
    std::string error;
    ASSERT_TRUE(host::ListButtons(scout, 0, &buttons, &error)) << error;
    ASSERT_EQ(buttons.size(), 12u);
    const char *labels[] = {"JMP", "FUE", "CHG", "TGT", "MOD", "<>",
                            "ALL", "INC", "DEC", "PRV", "NXT", "SET"};
    const char keys[] = "JFCTMUAIDPNS";
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(buttons[i].label, labels[i]);
        EXPECT_EQ(buttons[i].key, keys[i]);
    }
    EXPECT_EQ(buttons[0].menuText, "Engage jump");
    EXPECT_EQ(buttons[5].menuText, "Set to current");
    EXPECT_EQ(buttons[11].menuText, "Select distance");
    EXPECT_EQ(display->ButtonLabel(12), nullptr);
    EXPECT_EQ(display->ButtonLabel(-1), nullptr);
    EXPECT_EQ(display->ButtonMenu(nullptr), 12);
    const MFDBUTTONMENU *menu = nullptr;
    ASSERT_EQ(display->ButtonMenu(&menu), 12);
    const char *secondLine = menu[3].line2; // the records are packed: read, don't bind
    EXPECT_EQ(secondLine, nullptr);
}

TEST_F(Buttons, UnknownKeysAndOtherPressesAreNotConsumedAndDoNothing) {
    DriveMFD *display = Open(scout, 0);
    TakeTranscript();
    int redraws = host::RedrawRequests(scout, 0);
    EXPECT_FALSE(Key(scout, 0, OAPI_KEY_Y));
    std::string error;
    bool consumed = true;
    ASSERT_TRUE(host::SendButton(scout, 0, 12, PANEL_MOUSE_LBDOWN, &consumed, &error));
    EXPECT_FALSE(consumed);
    ASSERT_TRUE(host::SendButton(scout, 0, 4, PANEL_MOUSE_LBUP, &consumed, &error));
    EXPECT_FALSE(consumed);
    EXPECT_EQ(display->state->displayMode, 0);
    std::string events = TakeTranscript();
    EXPECT_EQ(Count(events, "PlayVesselWaveOBSound3"), 0);
    EXPECT_NE(events.find("key 0x15 on display Scout 0: not consumed"), std::string::npos);
    EXPECT_EQ(host::RedrawRequests(scout, 0), redraws);
    ASSERT_TRUE(host::SendButton(scout, 0, 4, PANEL_MOUSE_LBDOWN, &consumed, &error));
    EXPECT_TRUE(consumed);
    EXPECT_EQ(display->state->displayMode, 1);
    EXPECT_NE(Transcript().find("button 4 event 0x01 on display Scout 0: consumed"),
              std::string::npos);
}

// Each handled key asks for a redraw and answers with one sound: 55 when the
// drive refuses (J without a full cell, and the fleet command A alike), else
// 51; T, F and S open their boxes after the sound.
TEST_F(Buttons, EveryHandledKeyRedrawsAnswersAndTheBoxKeysOpenTheirBoxes) {
    Open(scout, 0);
    // clang-format off
    const struct {
        DWORD key;
        int slot;
        std::string box;
    } keys[] = {{OAPI_KEY_J, 55, ""}, {OAPI_KEY_C, 51, ""}, {OAPI_KEY_A, 55, ""},
                {OAPI_KEY_M, 51, ""}, {OAPI_KEY_U, 51, ""}, {OAPI_KEY_N, 51, ""},
                {OAPI_KEY_P, 51, ""}, {OAPI_KEY_I, 51, ""}, {OAPI_KEY_D, 51, ""},
                {OAPI_KEY_T, 51, "Enter target name:"},
                {OAPI_KEY_F, 51, "Enter fuel source index (0=off):"},
                {OAPI_KEY_S, 51, "Enter Distance[m](,Cell count):"}};
    // clang-format on
    for (const auto &k : keys) {
        int before = host::RedrawRequests(scout, 0);
        TakeTranscript();
        EXPECT_TRUE(Key(scout, 0, k.key)) << k.key;
        EXPECT_EQ(host::RedrawRequests(scout, 0), before + 1) << k.key;
        EXPECT_EQ(host::InputBoxTitle(), k.box);
        const std::string events = Transcript();
        EXPECT_EQ(Count(events, "PlayVesselWaveOBSound3"), 1) << k.key;
        EXPECT_NE(events.find(Played(k.slot)), std::string::npos) << k.key;
        if (!k.box.empty()) {
            EXPECT_LT(events.find(Played(51)), events.find("input box \"" + k.box + "\" opened"));
            host::CancelInputBox(nullptr);
        }
    }
}

// Mode 9 wraps to 0; the target runs Earth, Scout, Tug; the fuel source
// runs three tanks, then the no-tank value (also as the fuel box stores 0).
TEST_F(Buttons, ModeTargetAndFuelSteppingWrapAround) {
    DriveMFD *display = Open(scout, 0);
    display->state->displayMode = 9;
    EXPECT_EQ(display->state->targetIndex, 1u); // the own vessel, after Earth
    display->drive->SetFuelIndex(2);
    TakeTranscript();
    const struct {
        DWORD key;
        int mode;
        uint32_t target, fuel;
    } steps[] = {{OAPI_KEY_M, 0, 1, 2}, {OAPI_KEY_M, 1, 1, 2}, {OAPI_KEY_N, 1, 2, 2},
                 {OAPI_KEY_N, 1, 0, 2}, {OAPI_KEY_P, 1, 2, 2}, {OAPI_KEY_P, 1, 1, 2},
                 {OAPI_KEY_N, 1, 2, 2}, {OAPI_KEY_I, 1, 2, 3}, {OAPI_KEY_I, 1, 2, 0},
                 {OAPI_KEY_D, 1, 2, 3}, {OAPI_KEY_D, 1, 2, 2}, {OAPI_KEY_D, 1, 2, 1},
                 {OAPI_KEY_D, 1, 2, 0}, {OAPI_KEY_D, 1, 2, 3}};
    for (const auto &step : steps) {
        Key(scout, 0, step.key);
        EXPECT_EQ(display->state->displayMode, step.mode) << step.key;
        EXPECT_EQ(display->state->targetIndex, step.target) << step.key;
        EXPECT_EQ(display->drive->GetFuelIndex(), step.fuel) << step.key;
    }
    EXPECT_EQ(Count(Transcript(), Played(51)), 14); // one per press
    display->drive->SetFuelIndex(0xFFFFFFFFu);
    Key(scout, 0, OAPI_KEY_D);
    EXPECT_EQ(display->drive->GetFuelIndex(), 3u);
}

TEST_F(Buttons, SetToCurrentCapturesTheTargetDistanceAtTheNextDrawing) {
    DriveMFD *display = Open(scout, 0);
    display->state->displayMode = 7;
    display->state->targetIndex = 0; // Earth, 1000 m away
    Key(scout, 0, OAPI_KEY_U);
    EXPECT_EQ(display->state->displayMode, 2);
    EXPECT_TRUE(display->state->setToCurrent);
    EXPECT_EQ(display->state->distance, 0.0);
    EXPECT_EQ(Line(scout, 0, "Distance set"), "1.000000e+03m");
    EXPECT_FALSE(display->state->setToCurrent);
    EXPECT_EQ(display->state->distance, 1000.0);
    EXPECT_EQ(Line(scout, 0, "Mode value"), "1.000000e+03m");
}

} // namespace
