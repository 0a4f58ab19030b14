// The twelve buttons, their keys and menu, and what each key does.
#include "display_fixture.h"

namespace {

using Buttons = DisplayTest;

TEST_F(Buttons, LabelsMenuAndKeysFollowTheButtonTable) {
    Open(scout, 0);
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
    EXPECT_EQ(host::ButtonLine(buttons[5]), "button 5 \"<>\" \"Set to current\" U");

    DriveMFD *display = Open(scout, 0);
    EXPECT_EQ(display->ButtonLabel(12), nullptr);
    EXPECT_EQ(display->ButtonLabel(-1), nullptr);
    EXPECT_EQ(display->ButtonMenu(nullptr), 12);
    const MFDBUTTONMENU *menu = nullptr;
    ASSERT_EQ(display->ButtonMenu(&menu), 12);
    const char *secondLine = menu[3].line2; // the records are packed: read, don't bind
    EXPECT_EQ(secondLine, nullptr);
}

TEST_F(Buttons, OnlyALeftPressOnAButtonActsAsItsKey) {
    DriveMFD *display = Open(scout, 0);
    std::string error;
    bool consumed = true;
    ASSERT_TRUE(host::SendButton(scout, 0, 12, PANEL_MOUSE_LBDOWN, &consumed, &error));
    EXPECT_FALSE(consumed);
    ASSERT_TRUE(host::SendButton(scout, 0, 4, PANEL_MOUSE_LBUP, &consumed, &error));
    EXPECT_FALSE(consumed);
    EXPECT_EQ(display->state->displayMode, 0);
    ASSERT_TRUE(host::SendButton(scout, 0, 4, PANEL_MOUSE_LBDOWN, &consumed, &error));
    EXPECT_TRUE(consumed);
    EXPECT_EQ(display->state->displayMode, 1);
    EXPECT_NE(Transcript().find("button 4 event 0x01 on display Scout 0: consumed"),
              std::string::npos);
}

TEST_F(Buttons, AnUnknownKeyIsNotConsumedAndDoesNothing) {
    Open(scout, 0);
    TakeTranscript();
    int redraws = host::RedrawRequests(scout, 0);
    EXPECT_FALSE(Key(scout, 0, OAPI_KEY_Y));
    std::string events = TakeTranscript();
    EXPECT_EQ(Count(events, "PlayVesselWaveOBSound3"), 0);
    EXPECT_NE(events.find("key 0x15 on display Scout 0: not consumed"), std::string::npos);
    EXPECT_EQ(host::RedrawRequests(scout, 0), redraws);
}

TEST_F(Buttons, EveryHandledKeyAsksForARedraw) {
    Open(scout, 0);
    const DWORD keys[] = {OAPI_KEY_J, OAPI_KEY_C, OAPI_KEY_A, OAPI_KEY_M, OAPI_KEY_U,
                          OAPI_KEY_N, OAPI_KEY_P, OAPI_KEY_I, OAPI_KEY_D};
    for (DWORD key : keys) {
        int before = host::RedrawRequests(scout, 0);
        EXPECT_TRUE(Key(scout, 0, key)) << key;
        EXPECT_EQ(host::RedrawRequests(scout, 0), before + 1) << key;
    }
    for (DWORD key : {OAPI_KEY_T, OAPI_KEY_F, OAPI_KEY_S}) {
        int before = host::RedrawRequests(scout, 0);
        EXPECT_TRUE(Key(scout, 0, key));
        EXPECT_EQ(host::RedrawRequests(scout, 0), before + 1);
        ASSERT_TRUE(host::CancelInputBox(nullptr));
    }
}

TEST_F(Buttons, RefusedAndAcceptedDriveCommandsAnswerWithTheirSounds) {
    DriveMFD *display = Open(scout, 0);
    TakeTranscript();
    EXPECT_TRUE(Key(scout, 0, OAPI_KEY_J)); // no full cell
    EXPECT_TRUE(Key(scout, 0, OAPI_KEY_A)); // the fleet command refuses alike
    std::string events = TakeTranscript();
    EXPECT_EQ(Count(events, Played(55)), 2);
    EXPECT_EQ(display->drive->state, Idle);

    EXPECT_TRUE(Key(scout, 0, OAPI_KEY_C));
    EXPECT_EQ(Count(TakeTranscript(), Played(51)), 1);
    EXPECT_EQ(display->drive->state, Charging);
    display->drive->cellCharge = 0.5;
    EXPECT_TRUE(Key(scout, 0, OAPI_KEY_C)); // the cell is not full yet
    EXPECT_EQ(Count(TakeTranscript(), Played(55)), 1);
}

TEST_F(Buttons, ModeWrapsFromTheLastPageToTheFirst) {
    DriveMFD *display = Open(scout, 0);
    display->state->displayMode = 9;
    Key(scout, 0, OAPI_KEY_M);
    EXPECT_EQ(display->state->displayMode, 0);
    Key(scout, 0, OAPI_KEY_M);
    EXPECT_EQ(display->state->displayMode, 1);
}

TEST_F(Buttons, TargetSteppingWrapsAtBothEndsOfTheObjectList) {
    DriveMFD *display = Open(scout, 0);
    EXPECT_EQ(display->state->targetIndex, 1u); // the own vessel, after Earth
    Key(scout, 0, OAPI_KEY_N);
    EXPECT_EQ(display->state->targetIndex, 2u);
    Key(scout, 0, OAPI_KEY_N);
    EXPECT_EQ(display->state->targetIndex, 0u);
    Key(scout, 0, OAPI_KEY_P);
    EXPECT_EQ(display->state->targetIndex, 2u);
    EXPECT_EQ(Count(Transcript(), Played(51)), 3);
}

TEST_F(Buttons, FuelSteppingRunsOverTheTanksAndTheNoTankValue) {
    DriveMFD *display = Open(scout, 0); // three tanks
    display->drive->SetFuelIndex(2);
    Key(scout, 0, OAPI_KEY_I);
    EXPECT_EQ(display->drive->GetFuelIndex(), 3u);
    EXPECT_EQ(Line(scout, 0, "Fuel source"), "OFF");
    Key(scout, 0, OAPI_KEY_I);
    EXPECT_EQ(display->drive->GetFuelIndex(), 0u);
    Key(scout, 0, OAPI_KEY_D);
    EXPECT_EQ(display->drive->GetFuelIndex(), 3u);
    display->drive->SetFuelIndex(0xFFFFFFFFu); // as the fuel box stores 0
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
