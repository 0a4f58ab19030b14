// The "Mode value" line of the own vessel and the jump advice; the readouts
// of other targets are flown by tests/scenarios/target_readouts.scn.
#include "module_world.h"
#include "mfd/course_math.h"

#include <utility>

namespace {

class Readouts : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        display = Open(scout, 0);
    }

    // Each display mode's value line against its expected text.
    void ExpectValues(const std::vector<std::pair<int, std::string>> &rows) {
        for (const auto &[mode, text] : rows) {
            display->state->displayMode = mode;
            EXPECT_EQ(Line(scout, 0, "Mode value"), text) << "mode " << mode;
        }
    }

    DriveMFD *display = nullptr;
};

TEST_F(Readouts, OwnVesselAsTargetAndModesOutsideTheTable) {
    ExpectValues({{0, "1.000000e+01m"},
                  {1, "1.300000e+04kg"}, // empty mass and three tanks of 1000 kg
                  {2, "0.000000e+00m"},
                  {3, "7.500000e+08m"}, // offset = r
                  {4, "60.000000\xB0"},
                  {5, "n/a"}, // no distance set
                  {6, "n/a"},
                  {10, "n/a"},
                  {-1, "n/a"}});
    EXPECT_EQ(Line(scout, 0, "Display mode"), "n/a");
}

// The cell counts whose jump reaches a circle of radius D about the first
// jump's end, when no heading works for the chosen count.
TEST_F(Readouts, AdviceWhenNoHeadingWorks) {
    const struct {
        double distance;
        int cells, mode;
        const char *text;
    } rows[] = {
        {8e9, 1, 5, "2nd jump:2-2 cells"},
        {8e8, 3, 6, "2nd jump:1-1 cells"},   // a short miss needs the smallest jump
        {1e11, 1, 5, "n/a"},                 // between the rows of the table
        {7.5e8, 5, 5, "2nd jump:1-1 cells"}, // equal to the range: no NaN
        {7.5e12, 1, 5, "2nd jump:5-5 cells"},
        {7.5e13, 1, 5, "n/a"}, // past the last cell
        {2e9, 1, 5, "n/a"},    // a cosine of 4/3: no heading, and no count either
        {6.5e9, 2, 5, "n/a"},  // a cosine of -1.37
        {1.0, 1, 5, "90.000000\xB0"},
    };
    for (const auto &row : rows) {
        display->state->distance = row.distance;
        display->state->secondJumpCells = row.cells;
        ExpectValues({{row.mode, row.text}});
    }
}

// Tug 5e8 m away at 36.869898° off the forward axis, a distance of 5e8 m
// set and one cell for the second jump: the first jump must leave at
// 70.528779° to the line of sight, 33.658882° away from where Scout points.
TEST_F(Readouts, DeviationNeededAndItsOffsetForATargetOffTheAxis) {
    tug->pos = host::Add(scout->pos, host::Vec(3e8, 0, 4e8));
    display->state->targetIndex = 2;
    display->state->distance = 5e8;
    ExpectValues({{4, "36.869898\xB0"}, {5, "70.528779\xB0"}, {6, "33.658882\xB0"}});
    // Moving across the line of sight straight ahead: the plane of motion is
    // square to the up axis's plane and at 60° to the forward axis's (which
    // lies along the line of sight).
    tug->pos = host::Add(scout->pos, host::Vec(0, 0, 1e6));
    tug->vel = host::Vec(100, 0, 0);
    ExpectValues({{9, "90.0\xB0 (60.0\xB0)"}});
    // Moving straight up across a line of sight 45° to the right: the plane of
    // motion holds the up axis and is square to the forward axis's plane.
    tug->pos = host::Add(scout->pos, host::Vec(1e6, 0, 1e6));
    tug->vel = host::Vec(0, 100, 0);
    ExpectValues({{9, " 0.0\xB0 (90.0\xB0)"}});
}

// Two opposite axes that rounding left a hair longer than 1 are 180° apart, not NaN.
TEST(CourseMath, ChordAngleOfOppositeAxesAHairLongerThanOne) {
    const double over = 1.0000000000000002;
    const VECTOR3 a{{over, 0.0, 0.0}}, b{{-over, 0.0, 0.0}};
    EXPECT_NEAR(course::ChordAngle(a, b), 180.0, 1e-9);
}

} // namespace
