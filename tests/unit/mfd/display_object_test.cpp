// Opening the mode: the drive shared by a vessel's displays, with its six
// waves loaded once, and the state kept per display position.
#include "module_world.h"
#include "mfd/msg_proc.h"

namespace {

using DisplayObject = DisplayTest;

TEST_F(DisplayObject, DisplaysOfOneVesselShareTheDriveButNotTheState) {
    DriveMFD *left = Open(scout, 0);
    ASSERT_GE(left->soundId, 0);
    std::string events = TakeTranscript();
    const char *files[] = {"load", "engage", "woosh1", "bang", "woosh2", "cancel"};
    size_t at = 0;
    for (int i = 0; i < 6; ++i) {
        std::string load = "LoadVesselWaveOBSound3 id=" + std::to_string(left->soundId) +
                           " slot=" + std::to_string(50 + i) + " file=\"Sound\\TarselMFD\\" +
                           files[i] + ".wav\"";
        at = events.find(load, at);
        ASSERT_NE(at, std::string::npos) << load;
    }

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

// A registry without buckets holds nothing: the mode then gives a display
// without a drive rather than a drive or state that nothing would step or
// free, for the simulator takes whatever it gets. That display says so in
// one line and refuses every command (its answer is checked with the
// allocation failures, tests/unit/registry).
TEST_F(DisplayObject, RegistriesWithoutBucketsGiveADisplayWithoutADrive) {
    for (KeyedTable **registry : {&driveRegistry, &stateRegistry}) {
        KeyedTable *kept = *registry;
        KeyedTable refused(40);
        *registry = &refused;
        DriveMFD *display = Open(scout, 0);
        ASSERT_NE(display, nullptr);
        EXPECT_EQ(display->drive, nullptr);
        EXPECT_EQ(display->state, nullptr);
        const host::Page page = Draw(scout, 0);
        ASSERT_EQ(page.calls.size(), 1u);
        EXPECT_EQ(page.calls[0].text, "No drive");
        EXPECT_TRUE(Key(scout, 0, OAPI_KEY_C));
        EXPECT_EQ(scout->tanks[0].mass, 1000.0);
        Close(scout, 0);
        *registry = kept;
    }
    EXPECT_TRUE(driveRegistry->empty);
    EXPECT_TRUE(stateRegistry->empty);
    EXPECT_NE(Open(scout, 0)->drive, nullptr);
}

// Asked for a display of no vessel, the procedure still gives one.
TEST_F(DisplayObject, TheProcedureGivesADisplayEvenWithoutAVessel) {
    MFD *display =
        reinterpret_cast<MFD *>(MsgProc(OAPI_MSG_MFD_OPENED, 0, MAKEWPARAM(256, 256), 0));
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(static_cast<DriveMFD *>(display)->drive, nullptr);
    delete display;
    EXPECT_TRUE(driveRegistry->empty);
}

} // namespace
