// Charging the cells from the chosen tank, and the refusals of the charge
// and engage commands.
#include "module_world.h"

#include <random>
#include <vector>

namespace {

using ChargeTest = DriveTest;

const char kLoadWave[] = "Sound\\TarselMFD\\load.wav";

// Charging needs a tank at the chosen index; a full drive takes no more
// charge, and a docked one does not engage.
TEST_F(ChargeTest, OneCellTakesTenSecondsAndSixTonnesThenStopsTheLoop) {
    Vessel *ship = MakeVessel("Ship", Vec(0, 0, 1e7));
    Vessel *station = MakeVessel("Station", Vec(0, 0, 1e7 + 20));
    DriveUnit &drive = MakeDrive(ship, 0, ConnectSound(ship, kLoadWave));
    drive.SetFuelIndex(1);
    EXPECT_FALSE(drive.StartCharge()) << "no tank at that index";
    drive.SetFuelIndex(0xFFFFFFFFu);
    EXPECT_FALSE(drive.StartCharge()) << "tank switched off";
    EXPECT_EQ(drive.GetState(), Idle);
    drive.SetFuelIndex(0);

    ASSERT_TRUE(drive.StartCharge());
    int steps = 0;
    for (; drive.GetState() == Charging && steps < 200; ++steps)
        Run(1);
    EXPECT_EQ(steps, 100);
    EXPECT_EQ(drive.GetCellCharge(), 1.0);
    EXPECT_EQ(drive.GetState(), Idle);
    EXPECT_NEAR(ship->tanks[0].mass, 4000.0, 1e-6);

    const std::string t = Transcript();
    EXPECT_GE(Count(t, "sound PlayVesselWaveOBSound3 id=0 slot=50 loop=1 volume=255\n"), 99);
    // The last word about the charge loop is its stop.
    EXPECT_GT(t.rfind("sound StopVesselWave3 id=0 slot=50"),
              t.rfind("sound PlayVesselWaveOBSound3 id=0 slot=50"));
    EXPECT_TRUE(drive.CanEngage());

    ship->tanks[0] = host::Tank{40000.0, 40000.0};
    FillCells(drive, 4);
    EXPECT_FALSE(drive.StartCharge()) << "all five cells full";
    EXPECT_EQ(drive.GetCellIndex(), 4);
    EXPECT_EQ(drive.GetCellCharge(), 1.0);
    EXPECT_TRUE(drive.CanEngage());

    host::World().Dock(ship, 0, station, 1);
    EXPECT_FALSE(drive.CanEngage());
    EXPECT_FALSE(drive.Engage());
    EXPECT_EQ(drive.GetState(), Idle);
    host::World().Undock(ship, 0);
    EXPECT_TRUE(drive.CanEngage());
}

// An empty tank pauses a part-charged cell, which neither engages nor takes
// a new charge command; a refill resumes it. A tank whose (m / 6000) × 6000
// comes out just above m is emptied to exactly zero.
TEST_F(ChargeTest, ALowTankPausesTheCellAndARefillResumesIt) {
    Vessel *ship = MakeVessel("Ship", Vec(0, 0, 1e7), Vec(0, 0, 1), 30.0);
    DriveUnit &drive = MakeDrive(ship, 0, ConnectSound(ship, kLoadWave));
    ASSERT_TRUE(drive.StartCharge());

    Run(1);
    EXPECT_DOUBLE_EQ(drive.GetCellCharge(), 30.0 / 6000.0);
    EXPECT_EQ(ship->tanks[0].mass, 0.0);
    EXPECT_EQ(drive.GetState(), Charging);

    transcript.str("");
    Run(1);
    EXPECT_DOUBLE_EQ(drive.GetCellCharge(), 30.0 / 6000.0);
    EXPECT_EQ(drive.GetState(), Charging);
    EXPECT_NE(Transcript().find("sound StopVesselWave3 id=0 slot=50"), std::string::npos);
    EXPECT_EQ(Transcript().find("PlayVesselWaveOBSound3"), std::string::npos);
    EXPECT_FALSE(drive.StartCharge()) << "empty tank";
    EXPECT_FALSE(drive.CanEngage());

    ship->tanks[0].mass = 10000.0;
    Run(1);
    EXPECT_DOUBLE_EQ(drive.GetCellCharge(), 30.0 / 6000.0 + 0.01);
    EXPECT_NEAR(ship->tanks[0].mass, 10000.0 - 60.0, 1e-9);
    EXPECT_FALSE(drive.StartCharge()) << "part-charged cell";

    ship->tanks[0].mass = 0.20550000000000002;
    Run(1);
    EXPECT_EQ(ship->tanks[0].mass, 0.0);
    EXPECT_EQ(drive.GetState(), Charging);

}

// The tank runs dry in the step that would have filled the cell: what the
// tank could pay is charged, the cell stays Charging, and a refill finishes
// it, after which it jumps.
TEST_F(ChargeTest, ATankRunDryInTheFillingStepLeavesTheCellChargingUntilARefill) {
    host::World().stepLength = 0.15;
    Vessel *ship = MakeVessel("Ship", Vec(0, 0, 1e7), Vec(0, 0, 1), 5970.0);
    DriveUnit &drive = MakeDrive(ship);
    ASSERT_TRUE(drive.StartCharge());
    Run(80);
    EXPECT_EQ(drive.GetState(), Charging);
    EXPECT_NEAR(drive.GetCellCharge(), 5970.0 / 6000.0, 1e-12);
    EXPECT_EQ(ship->tanks[0].mass, 0.0);
    EXPECT_FALSE(drive.CanEngage());

    ship->tanks[0].mass = 10000.0;
    EXPECT_FALSE(drive.StartCharge()) << "the cell is part charged";
    Run(1);
    EXPECT_EQ(drive.GetCellCharge(), 1.0);
    EXPECT_EQ(drive.GetState(), Idle);
    EXPECT_NEAR(ship->tanks[0].mass, 10000.0 - 30.0, 1e-6);
    EXPECT_TRUE(drive.Engage());
}

// Steps of 5/32 s fill a cell in exactly 64 increments of 1/64: the step
// that lands on full ends the charge and its loop.
TEST_F(ChargeTest, ACellFilledExactlyEndsItsChargeInThatStep) {
    host::World().stepLength = 0.15625;
    Vessel *ship = MakeVessel("Ship", Vec(0, 0, 1e7));
    DriveUnit &drive = MakeDrive(ship, 0, ConnectSound(ship, kLoadWave));
    ASSERT_TRUE(drive.StartCharge());
    Run(63);
    ASSERT_EQ(drive.GetState(), Charging);
    transcript.str("");
    Run(1);
    EXPECT_EQ(drive.GetCellCharge(), 1.0);
    EXPECT_EQ(drive.GetState(), Idle);
    EXPECT_EQ(Transcript(), "[   9.844] sound StopVesselWave3 id=0 slot=50\n");

    transcript.str("");
    ASSERT_TRUE(drive.Engage());
    EXPECT_EQ(Transcript(),
              "[  10.000] sound PlayVesselWaveOBSound3 id=0 slot=52 loop=0 volume=255\n");
}

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
    Vessel *ship = MakeVessel("Ship", Vec(0, 0, 1e7));
    for (const std::vector<double> &steps : runs) {
        for (int cells : {1, 2, 5}) {
            SCOPED_TRACE(testing::Message() << cells << " cells, first step " << steps[0]);
            ship->tanks[0] = host::Tank{cells * 6000.0, cells * 6000.0};
            DriveUnit &drive = MakeDrive(ship);
            size_t next = 0;
            for (int c = 0; c < cells; ++c) {
                ASSERT_TRUE(drive.StartCharge()) << "cell " << c;
                for (int i = 0; i < 100000 && drive.GetState() == Charging; ++i)
                    drive.Step(0.0, steps[next++ % steps.size()]);
                ASSERT_EQ(drive.GetState(), Idle) << "cell " << c;
                ASSERT_EQ(drive.GetCellCharge(), 1.0) << "cell " << c;
            }
            EXPECT_EQ(ship->tanks[0].mass, 0.0);
            EXPECT_EQ(drive.GetCellIndex(), cells - 1);
            EXPECT_FALSE(drive.StartCharge());
            EXPECT_TRUE(drive.CanEngage());
        }
    }
}

// Within rounding is far below real propellant: a gram still charges, a
// crumb left by rounding does not.
TEST_F(ChargeTest, OnlyACrumbOfPropellantCountsAsAnEmptyTank) {
    Vessel *ship = MakeVessel("Ship", Vec(0, 0, 1e7), Vec(0, 0, 1), 3.9e-12);
    DriveUnit &drive = MakeDrive(ship);
    EXPECT_FALSE(drive.StartCharge());
    ship->tanks[0].mass = 0.001;
    ASSERT_TRUE(drive.StartCharge());
    drive.Step(0.0, 0.1);
    EXPECT_DOUBLE_EQ(drive.GetCellCharge(), 0.001 / 6000.0);
    EXPECT_EQ(ship->tanks[0].mass, 0.0);
    EXPECT_EQ(drive.GetState(), Charging);
}

// Refusals that leave the drive as it was: a landed vessel (the simulator
// would set it down by its surface place, so it would not move), and a jump
// whose course would leave the finite numbers: a range that is no finite
// distance, a destination past the largest double, or ramps whose drift
// would carry the vessel past it.
TEST_F(ChargeTest, ALandedVesselOrACoursePastTheLargestNumberDoesNotEngage) {
    Vessel *ship = MakeVessel("Ship", Vec(0, 0, 1e7));
    DriveUnit &drive = MakeDrive(ship, 1);
    ship->status = 1;
    EXPECT_FALSE(drive.CanEngage());
    EXPECT_FALSE(drive.Engage());
    ship->status = 0;
    EXPECT_TRUE(drive.CanEngage());

    const auto refused = [&](const char *why) {
        EXPECT_FALSE(drive.Engage()) << why;
        EXPECT_EQ(drive.GetState(), Idle) << why;
        EXPECT_EQ(drive.GetCellCharge(), 1.0) << why;
        EXPECT_EQ(drive.GetCellIndex(), 0) << why;
    };
    drive.rangeTable[0] = HUGE_VAL;
    refused("endless range");
    drive.rangeTable[0] = std::nan("");
    refused("no range");
    drive.rangeTable[0] = 1e308;
    ship->pos = host::Add(sun->pos, Vec(0, 0, 1e308));
    refused("the destination past the largest double");
    drive.rangeTable[0] = 7.5e8;
    ship->pos = host::Add(sun->pos, Vec(1e308, 0, 1e7));
    drive.jumpVelocity = 1e306;
    refused("the ramps' drift from that place past the largest double");
    ship->pos = host::Add(sun->pos, Vec(0, 0, 1e7));
    drive.jumpVelocity = 3e307;
    refused("the ramps' drift past the largest double");
    drive.jumpVelocity = 1.7e306;
    EXPECT_TRUE(drive.Engage());
}

} // namespace
