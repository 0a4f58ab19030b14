// Opening the mode: the message procedure, the drive shared by a vessel's
// displays and the state kept per display position.
#include "display_fixture.h"

#include "mfd/msg_proc.h"

namespace {

using DisplayObject = DisplayTest;

TEST_F(DisplayObject, OnlyTheOpenedMessageWithAVesselMakesADisplay) {
    LPARAM vessel = reinterpret_cast<LPARAM>(&scout->iface);
    for (UINT msg :
         {UINT{OAPI_MSG_MFD_CLOSED}, UINT{OAPI_MSG_MFD_UPDATE}, UINT{OAPI_MSG_MFD_OPENEDEX}, 99u})
        EXPECT_EQ(MsgProc(msg, 0, MAKEWPARAM(256, 256), vessel), 0) << msg;
    EXPECT_EQ(MsgProc(OAPI_MSG_MFD_OPENED, 0, MAKEWPARAM(256, 256), 0), 0);
    EXPECT_TRUE(driveRegistry->empty);
}

TEST_F(DisplayObject, FirstDisplayMakesTheDriveAndLoadsSixWaves) {
    DriveMFD *display = Open(scout, 0);
    ASSERT_NE(display, nullptr);
    ASSERT_GE(display->soundId, 0);
    std::string id = std::to_string(display->soundId);
    std::string events = TakeTranscript();
    const char *files[] = {"load", "engage", "woosh1", "bang", "woosh2", "cancel"};
    size_t at = 0;
    for (int i = 0; i < 6; ++i) {
        std::string load = "LoadVesselWaveOBSound3 id=" + id + " slot=" + std::to_string(50 + i) +
                           " file=\"Sound\\TarselMFD\\" + files[i] + ".wav\"";
        size_t found = events.find(load, at);
        ASSERT_NE(found, std::string::npos) << load;
        at = found;
    }
}

TEST_F(DisplayObject, DisplaysOfOneVesselShareTheDriveButNotTheState) {
    DriveMFD *left = Open(scout, 0);
    TakeTranscript();
    DriveMFD *right = Open(scout, 1);
    EXPECT_EQ(Count(TakeTranscript(), "LoadVesselWaveOBSound3"), 0);
    EXPECT_EQ(left->drive, right->drive);
    EXPECT_EQ(right->soundId, left->soundId);
    EXPECT_NE(left->state, right->state);

    Key(scout, 0, OAPI_KEY_C); // charging, seen on both
    Key(scout, 0, OAPI_KEY_M);
    EXPECT_EQ(right->drive->state, Charging);
    EXPECT_EQ(left->state->displayMode, 1);
    EXPECT_EQ(right->state->displayMode, 0);
    EXPECT_EQ(right->state->targetIndex, 1u);
    EXPECT_EQ(Line(scout, 1, "Display mode"), "Target size");
}

TEST_F(DisplayObject, WithoutTheSoundLibraryTheDisplayOpensSilently) {
    host::UnloadSoundLibrary();
    DriveMFD *display = Open(tug, 0);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->soundId, -1);
    EXPECT_TRUE(Key(tug, 0, OAPI_KEY_M));
    EXPECT_EQ(display->state->displayMode, 1);
}

} // namespace
