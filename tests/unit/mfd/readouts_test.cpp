// The "Mode value" line: the ten readouts as a display draws them.
#include "display_fixture.h"

#include <utility>

namespace {

using host::Vec;

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
    };
    for (const auto &row : rows) {
        display->state->distance = row.distance;
        display->state->secondJumpCells = row.cells;
        ExpectValues({{row.mode, row.text}});
    }
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

TEST_F(Readouts, TargetStraightAheadAndItsMotion) {
    TugAt(1000.0, 5000.0);
    display->state->distance = 1e9;
    ExpectValues(
        {{4, " 0.000000\xB0"}, {5, "48.189685\xB0"}, {6, "48.189685\xB0"}}); // α − θ with θ = 0
    tug->vel = Vec(0.0, 0.0, -20.0);                                         // closing head-on
    ExpectValues({{7, "2.000000e+01m/s"}, {8, "90.000000\xB0"}});
    tug->vel = Vec(0.0, 20.0, 0.0); // square to the line of sight, in the up plane
    ExpectValues({{8, " 0.000000\xB0"},
                  {9, " 0.0\xB0 (60.0\xB0)"}}); // forward along the sight line: no plane
    // Rounding puts the chord of these opposite unit vectors a hair past 2.
    TugAt(1019.0, 29.0);
    tug->vel = Vec(-19.0, 0.0, -29.0);
    ExpectValues({{8, "90.000000\xB0"}});
}

} // namespace
