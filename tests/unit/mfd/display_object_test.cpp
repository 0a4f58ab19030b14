// The display object where no flight reaches it: what it answers outside
// its tables, without a drive, without a vessel. Keys, buttons, boxes, the
// page, the readouts and the drive shared by a vessel's displays are flown
// by the scenarios (buttons_and_keys, input_boxes, page_layout,
// course_advice, target_readouts, display_commands).
#include "mfd/course_math.h"
#include "mfd/drive_mfd.h"
#include "module_world.h"

using DisplayObject = DisplayTest;

// No label outside the twelve buttons; a display mode outside the ten shows
// "n/a"; every display draws with the one brush made for them all.
TEST_F(DisplayObject, OutsideItsTablesAndItsOneBrush) {
    const int brushes = host::LiveCreatedBrushCount();
    DriveMFD *display = Open(scout, 0);
    Open(tug, 3);
    Draw(tug, 3);
    EXPECT_TRUE(!display->ButtonLabel(12) && !display->ButtonLabel(-1));
    EXPECT_EQ(display->ButtonMenu(nullptr), 12);
    for (int mode : {10, -1}) {
        display->state->displayMode = mode;
        const host::Page page = Draw(scout, 0);
        EXPECT_EQ(LineOf(page, "Mode value"), "n/a") << mode;
        EXPECT_EQ(LineOf(page, "Display mode"), "n/a") << mode;
    }
    EXPECT_EQ(host::LiveCreatedBrushCount(), brushes + 1);
}

// A registry without buckets holds nothing: the mode then gives a display
// without a drive rather than a drive or state that nothing would step or
// free, for the simulator takes whatever it gets. That display says so in
// one line and refuses every command (its answer: tests/unit/alloc).
TEST_F(DisplayObject, RegistriesWithoutBucketsGiveADisplayWithoutADrive) {
    for (KeyedTable **registry : {&driveRegistry, &stateRegistry}) {
        KeyedTable *kept = *registry;
        KeyedTable refused(40);
        *registry = &refused;
        DriveMFD *display = Open(scout, 0);
        ASSERT_NE(display, nullptr);
        EXPECT_TRUE(!display->drive && !display->state);
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
        reinterpret_cast<MFD *>(DriveMFD::MsgProc(OAPI_MSG_MFD_OPENED, 0, MAKEWPARAM(256, 256), 0));
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(static_cast<DriveMFD *>(display)->drive, nullptr);
    delete display;
    EXPECT_TRUE(driveRegistry->empty);
}

TEST_F(DisplayObject, AVesselThatIsGoneIsNotReadThroughItsInterface) {
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

// Two opposite axes that rounding left a hair longer than 1 are 180° apart, not NaN.
TEST(CourseMath, ChordAngleOfOppositeAxesAHairLongerThanOne) {
    const double over = 1.0000000000000002;
    const VECTOR3 a{{over, 0.0, 0.0}}, b{{-over, 0.0, 0.0}};
    EXPECT_NEAR(course::ChordAngle(a, b), 180.0, 1e-9);
}
