// Charging rules that no flight reaches (charging.scn, charge_run_dry.scn
// and charge_exact_fill.scn fly the rest): any step lengths, and ranges and
// places that would carry a jump past the finite numbers.
#include "module_world.h"

#include <random>

using ChargeTest = DisplayTest;

// A tank holding N cells' propellant fills exactly N cells and ends empty,
// whatever the step lengths: the sums' rounding neither leaves a cell a hair
// short of full nor crumbs of propellant in the tank.
TEST_F(ChargeTest, ATankOfNCellsFillsExactlyNCellsAtAnyStepLength) {
    std::vector<std::vector<double>> runs;
    for (double step : {1.0 / 60.0, 1.0 / 30.0, 0.016, 0.025, 0.033, 0.1, 0.15, 0.7, 0.8, 0.9, 1.0})
        runs.push_back(std::vector<double>(1, step));
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> length(0.001, 2.0);
    for (int r = 0; r < 20; ++r) {
        runs.emplace_back();
        for (int i = 0; i < 1000; ++i)
            runs.back().push_back(length(random));
    }
    DriveUnit &drive = Drive(scout);
    for (const std::vector<double> &steps : runs) {
        for (int cells : {1, 2, 5}) {
            SCOPED_TRACE(testing::Message() << cells << " cells, first step " << steps[0]);
            scout->tanks[0] = host::Tank{cells * 6000.0, cells * 6000.0};
            drive.cellIndex = 0;
            drive.cellCharge = 0.0;
            size_t next = 0;
            for (int c = 0; c < cells; ++c) {
                ASSERT_TRUE(drive.StartCharge()) << "cell " << c;
                for (int i = 0; i < 100000 && drive.GetState() == Charging; ++i)
                    drive.Step(0.0, steps[next++ % steps.size()]);
                ASSERT_EQ(drive.GetState(), Idle) << "cell " << c;
                ASSERT_EQ(drive.GetCellCharge(), 1.0) << "cell " << c;
            }
            EXPECT_EQ(scout->tanks[0].mass, 0.0);
            EXPECT_EQ(drive.GetCellIndex(), cells - 1);
            EXPECT_FALSE(drive.StartCharge());
            EXPECT_TRUE(drive.CanEngage());
        }
    }
}

// Refusals that leave the drive as it was: a jump whose course would leave
// the finite numbers: a range that is no finite distance, a destination past
// the largest double, or ramps whose drift would carry the vessel past it.
TEST_F(ChargeTest, ACoursePastTheLargestNumberDoesNotEngage) {
    Vessel *ship = AddShip("Ship", Vec(0, 0, 1e7), {}, Vec(0, 0, 1), {1e4});
    DriveUnit &drive = Drive(ship, 1);
    const struct {
        double range, z, x, jumpVelocity;
        const char *why;
    } rows[] = {{HUGE_VAL, 1e7, 0, 5e4, "endless range"},
                {std::nan(""), 1e7, 0, 5e4, "no range"},
                {1e308, 1e308, 0, 5e4, "the destination past the largest double"},
                {7.5e8, 1e7, 1e308, 1e306, "the ramps' drift from that place past it"},
                {7.5e8, 1e7, 0, 3e307, "the ramps' drift past the largest double"}};
    for (const auto &row : rows) {
        drive.rangeTable[0] = row.range;
        ship->pos = Vec(row.x, 0, row.z);
        drive.jumpVelocity = row.jumpVelocity;
        EXPECT_FALSE(drive.Engage()) << row.why;
        EXPECT_EQ(std::make_tuple(drive.GetState(), drive.GetCellCharge(), drive.GetCellIndex()),
                  std::make_tuple(Idle, 1.0, 0))
            << row.why;
    }
    drive.jumpVelocity = 1.7e306;
    EXPECT_TRUE(drive.Engage());
}
