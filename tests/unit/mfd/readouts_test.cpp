// The "Mode value" line: course geometry on its own, then the ten readouts
// as a display draws them.
#include "display_fixture.h"

#include "mfd/course_math.h"

#include <cmath>
#include <utility>

namespace {

using host::Vec;

std::string Advice(double r, double D) {
    int lo = 0, hi = 0;
    if (!course::SecondJumpSpan(r, D, 7.5e8, 10.0, 5, &lo, &hi))
        return "n/a";
    return std::to_string(lo) + "-" + std::to_string(hi);
}

TEST(CourseMath, ChordAngleNeverLeavesZeroToOneEighty) {
    EXPECT_NEAR(course::ChordAngle(Vec(0, 0, 1), Vec(0, 0, 1)), 0.0, 1e-12);
    EXPECT_NEAR(course::ChordAngle(Vec(0, 0, 1), Vec(1, 0, 0)), 90.0, 1e-9);
    EXPECT_NEAR(course::ChordAngle(Vec(0, 0, 0), Vec(1, 0, 0)), 60.0, 1e-9);
    // Rounding puts the chord of opposite unit vectors a hair past 2.
    double angle =
        course::ChordAngle(Vec(0, 0, 1.0000000000000002), Vec(0, 0, -1.0000000000000002));
    EXPECT_FALSE(std::isnan(angle));
    EXPECT_NEAR(angle, 180.0, 1e-6);
}

TEST(CourseMath, SecondJumpAdviceSpansTheCellCountsThatReach) {
    EXPECT_EQ(Advice(7.5e8, 8e9), "2-2");
    EXPECT_EQ(Advice(7.5e8, 8e8), "1-1");    // a short miss needs the smallest jump
    EXPECT_EQ(Advice(7.5e8, 1e11), "n/a");   // between the rows of the table
    EXPECT_EQ(Advice(7.5e8, 7.5e8), "1-1");  // D = r
    EXPECT_EQ(Advice(7.5e8, 7.5e13), "n/a"); // past the last cell
    EXPECT_EQ(Advice(7.5e8, 7.5e12), "5-5");
    EXPECT_EQ(Advice(0.0, 1e9), "n/a");
    EXPECT_EQ(Advice(7.5e8, 0.0), "n/a");
}

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

    // Tug at a place, the target, at rest relative to Scout unless moved.
    void TugAt(double x, double z) {
        tug->pos = Vec(x, 0.0, z);
        display->state->targetIndex = 2;
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

TEST_F(Readouts, HeadingForATwoJumpApproach) {
    TugAt(1000.0, 5000.0); // straight ahead
    display->state->distance = 1e9;
    ExpectValues(
        {{4, " 0.000000\xB0"}, {5, "48.189685\xB0"}, {6, "48.189685\xB0"}}); // α − θ with θ = 0
}

TEST_F(Readouts, AdviceWhenNoHeadingWorks) {
    display->state->distance = 8e9;
    ExpectValues({{5, "2nd jump:2-2 cells"}});
    display->state->distance = 8e8;
    display->state->secondJumpCells = 3;
    ExpectValues({{6, "2nd jump:1-1 cells"}});
    display->state->distance = 1e11;
    display->state->secondJumpCells = 1;
    ExpectValues({{5, "n/a"}});
    display->state->distance = 7.5e8; // equal to the range: no NaN
    display->state->secondJumpCells = 5;
    ExpectValues({{5, "2nd jump:1-1 cells"}});
}

TEST_F(Readouts, TargetAbeamAtRestRelativeToTheVessel) {
    TugAt(6000.0, 0.0); // 5000 m to the side, so both reference planes exist
    ExpectValues({{2, "5.000000e+03m"},
                  {3, "1.060660e+09m"}, // sqrt(2) * r
                  {4, "90.000000\xB0"},
                  {7, "0.000000e+00m/s"},
                  {8, "-30.000000\xB0"},
                  {9, "60.0\xB0 (60.0\xB0)"}});
}

TEST_F(Readouts, TargetMotion) {
    TugAt(1000.0, 5000.0);
    tug->vel = Vec(0.0, 0.0, -20.0); // closing head-on
    ExpectValues({{7, "2.000000e+01m/s"}, {8, "90.000000\xB0"}});
    tug->vel = Vec(0.0, 20.0, 0.0); // square to the line of sight, in the up plane
    ExpectValues({{8, " 0.000000\xB0"},
                  {9, " 0.0\xB0 (60.0\xB0)"}}); // forward along the sight line: no plane
}

} // namespace
