// The "Mode value" line: course geometry on its own, then the ten readouts
// as a display draws them.
#include "display_fixture.h"

#include "mfd/course_math.h"

#include <cmath>

namespace {

VECTOR3 V(double x, double y, double z) {
    return VECTOR3{{x, y, z}};
}

std::string Advice(double r, double D) {
    int lo = 0, hi = 0;
    if (!course::SecondJumpSpan(r, D, 7.5e8, 10.0, 5, &lo, &hi))
        return "n/a";
    return std::to_string(lo) + "-" + std::to_string(hi);
}

TEST(CourseMath, ChordAngleNeverLeavesZeroToOneEighty) {
    EXPECT_NEAR(course::ChordAngle(V(0, 0, 1), V(0, 0, 1)), 0.0, 1e-12);
    EXPECT_NEAR(course::ChordAngle(V(0, 0, 1), V(1, 0, 0)), 90.0, 1e-9);
    EXPECT_NEAR(course::ChordAngle(V(0, 0, 0), V(1, 0, 0)), 60.0, 1e-9);
    // Rounding puts the chord of opposite unit vectors a hair past 2.
    double angle = course::ChordAngle(V(0, 0, 1.0000000000000002), V(0, 0, -1.0000000000000002));
    EXPECT_FALSE(std::isnan(angle));
    EXPECT_NEAR(angle, 180.0, 1e-6);
}

TEST(CourseMath, UnitLeavesTheZeroVectorAlone) {
    VECTOR3 zero = course::Unit(V(0, 0, 0));
    EXPECT_EQ(zero.x, 0.0);
    EXPECT_EQ(course::Length(course::Unit(V(3, 4, 12))), 1.0);
}

TEST(CourseMath, TwoJumpCosineSolvesTheTriangle) {
    EXPECT_NEAR(course::TwoJumpCosine(7.5e8, 1e9, 7.5e8), 2.0 / 3.0, 1e-15);
    EXPECT_GT(course::TwoJumpCosine(7.5e8, 8e9, 7.5e8), 1.0);
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

    std::string Value(int mode) {
        display->state->displayMode = mode;
        return Line(scout, 0, "Mode value");
    }

    // Tug straight ahead of Scout (+z), at rest relative to it.
    void TugAhead(double distance) {
        tug->pos = V(1000.0, 0.0, distance);
        display->state->targetIndex = 2;
    }

    DriveMFD *display = nullptr;
};

TEST_F(Readouts, OwnVesselAsTarget) {
    EXPECT_EQ(Value(0), "1.000000e+01m");
    EXPECT_EQ(Value(1), "1.300000e+04kg"); // empty mass and three tanks of 1000 kg
    EXPECT_EQ(Value(2), "0.000000e+00m");
    EXPECT_EQ(Value(3), "7.500000e+08m"); // offset = r
    EXPECT_EQ(Value(4), "60.000000\xB0");
    EXPECT_EQ(Value(5), "n/a"); // no distance set
    EXPECT_EQ(Value(6), "n/a");
}

TEST_F(Readouts, DegreeSignIsTheCodePageByteAndListsAsUtf8) {
    display->state->displayMode = 4;
    host::Page page = Draw(scout, 0);
    bool listed = false;
    for (const host::DrawCall &call : page.calls)
        if (call.text == "60.000000\xB0")
            listed = host::DrawCallLine(call) == "text 98 207 font0 #FFFFFF \"60.000000\xC2\xB0\"";
    EXPECT_TRUE(listed);
}

TEST_F(Readouts, HeadingForATwoJumpApproach) {
    TugAhead(5000.0);
    display->state->distance = 1e9;
    EXPECT_EQ(Value(4), " 0.000000\xB0");
    EXPECT_EQ(Value(5), "48.189685\xB0");
    EXPECT_EQ(Value(6), "48.189685\xB0"); // α − θ with θ = 0
}

TEST_F(Readouts, AdviceWhenNoHeadingWorks) {
    display->state->distance = 8e9;
    EXPECT_EQ(Value(5), "2nd jump:2-2 cells");
    display->state->distance = 8e8;
    display->state->secondJumpCells = 3;
    EXPECT_EQ(Value(6), "2nd jump:1-1 cells");
    display->state->distance = 1e11;
    display->state->secondJumpCells = 1;
    EXPECT_EQ(Value(5), "n/a");
}

TEST_F(Readouts, DistanceEqualToTheRangeGivesNoNan) {
    display->state->distance = 7.5e8;
    display->state->secondJumpCells = 5;
    std::string value = Value(5);
    EXPECT_EQ(value.find("nan"), std::string::npos);
    EXPECT_EQ(value, "2nd jump:1-1 cells");
}

TEST_F(Readouts, TargetAtRestRelativeToTheVessel) {
    tug->pos = V(6000.0, 0.0, 0.0); // abeam, so both reference planes exist
    display->state->targetIndex = 2;
    EXPECT_EQ(Value(7), "0.000000e+00m/s");
    EXPECT_EQ(Value(8), "-30.000000\xB0");
    EXPECT_EQ(Value(9), "60.0\xB0 (60.0\xB0)");
}

TEST_F(Readouts, TargetMotion) {
    TugAhead(5000.0);
    tug->vel = V(0.0, 0.0, -20.0); // closing head-on
    EXPECT_EQ(Value(7), "2.000000e+01m/s");
    EXPECT_EQ(Value(8), "90.000000\xB0");
    tug->vel = V(0.0, 20.0, 0.0); // square to the line of sight, in the up plane
    EXPECT_EQ(Value(8), " 0.000000\xB0");
    EXPECT_EQ(Value(9), " 0.0\xB0 (60.0\xB0)"); // forward along the sight line: no plane
}

TEST_F(Readouts, CourseOffsetAndDeviationOfATargetAbeam) {
    tug->pos = V(6000.0, 0.0, 0.0); // 5000 m to the side
    display->state->targetIndex = 2;
    EXPECT_EQ(Value(2), "5.000000e+03m");
    EXPECT_EQ(Value(4), "90.000000\xB0");
    EXPECT_EQ(Value(3), "1.060660e+09m"); // sqrt(2) * r
}

TEST_F(Readouts, ModesOutsideTheTableShowNotAvailable) {
    EXPECT_EQ(Value(10), "n/a");
    EXPECT_EQ(Value(-1), "n/a");
    EXPECT_EQ(Line(scout, 0, "Display mode"), "n/a");
}

} // namespace
