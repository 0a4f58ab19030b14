// Charging the cells from the chosen tank, and the refusals of the charge
// and engage commands.
#include "drive_harness.h"

namespace {

class ChargeTest : public DriveTest {};

TEST_F(ChargeTest, OneCellTakesTenSecondsAndSixTonnesThenStopsTheLoop) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7));
    DriveUnit &drive = MakeDrive(ship, ConnectSound(ship));
    LoadWave(drive.GetSoundId(), 50, const_cast<char *>("Sound\\TarselMFD\\load.wav"), 0);

    ASSERT_TRUE(drive.StartCharge());
    EXPECT_EQ(drive.GetCellIndex(), 0);
    int steps = 0;
    while (drive.GetState() == Charging && steps < 200) {
        Run(1);
        ++steps;
        if (steps == 1) {
            EXPECT_NEAR(drive.GetCellCharge(), 0.01, 1e-12);
            EXPECT_NEAR(ship->tanks[0].mass, 10000.0 - 60.0, 1e-9);
        }
    }
    EXPECT_TRUE(steps == 100 || steps == 101) << steps;
    EXPECT_EQ(drive.GetCellCharge(), 1.0);
    EXPECT_EQ(drive.GetState(), Idle);
    EXPECT_NEAR(ship->tanks[0].mass, 4000.0, 1e-6);

    const std::string t = Transcript();
    EXPECT_GE(Count(t, "sound PlayVesselWaveOBSound3 id=0 slot=50 loop=1 volume=255\n"), 99);
    // The last word about the charge loop is its stop.
    EXPECT_GT(t.rfind("sound StopVesselWave3 id=0 slot=50"),
              t.rfind("sound PlayVesselWaveOBSound3 id=0 slot=50"));
    EXPECT_TRUE(drive.CanEngage());
}

TEST_F(ChargeTest, ALowTankPausesTheCellAndARefillResumesIt) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7), V(0, 0, 1), 30.0);
    DriveUnit &drive = MakeDrive(ship, ConnectSound(ship));
    LoadWave(drive.GetSoundId(), 50, const_cast<char *>("Sound\\TarselMFD\\load.wav"), 0);
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
    // Part charged: the charge command refuses, the cell waits for propellant.
    EXPECT_FALSE(drive.StartCharge());
    EXPECT_FALSE(drive.CanEngage());

    ship->tanks[0].mass = 10000.0;
    Run(1);
    EXPECT_DOUBLE_EQ(drive.GetCellCharge(), 30.0 / 6000.0 + 0.01);
    EXPECT_NEAR(ship->tanks[0].mass, 10000.0 - 60.0, 1e-9);
}

TEST_F(ChargeTest, ATankThatCannotPayAFullStepIsEmptiedToExactlyZero) {
    // (m / 6000) × 6000 comes out just above m for this mass.
    const double awkward = 0.20550000000000002;
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7), V(0, 0, 1), awkward);
    DriveUnit &drive = MakeDrive(ship);
    ASSERT_TRUE(drive.StartCharge());
    Run(1);
    EXPECT_EQ(ship->tanks[0].mass, 0.0);
    EXPECT_EQ(drive.GetState(), Charging);
}

TEST_F(ChargeTest, ChargeCommandRefusesWithoutPropellantOrWhileACellIsIncomplete) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7), V(0, 0, 1), 0.0);
    DriveUnit &drive = MakeDrive(ship);
    EXPECT_FALSE(drive.StartCharge()) << "empty tank";
    drive.SetFuelIndex(1);
    EXPECT_FALSE(drive.StartCharge()) << "no tank at that index";
    drive.SetFuelIndex(0xFFFFFFFFu);
    EXPECT_FALSE(drive.StartCharge()) << "tank switched off";
    EXPECT_EQ(drive.GetState(), Idle);

    drive.SetFuelIndex(0);
    ship->tanks[0].mass = 20000.0;
    ASSERT_TRUE(drive.StartCharge());
    drive.Step(0.0, 1.0);
    EXPECT_FALSE(drive.StartCharge()) << "part-charged cell";
    EXPECT_NEAR(drive.GetCellCharge(), 0.1, 1e-12);
}

TEST_F(ChargeTest, EachFullCellLetsTheNextOneStartUntilAllAreFull) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7));
    ship->tanks[0].mass = 20000.0;
    ship->tanks.push_back(host::Tank{20000.0, 20000.0});
    DriveUnit &drive = MakeDrive(ship);
    FillCells(drive, 1);
    EXPECT_EQ(drive.GetCellIndex(), 0);
    ASSERT_TRUE(drive.StartCharge());
    EXPECT_EQ(drive.GetCellIndex(), 1);
    EXPECT_EQ(drive.GetCellCharge(), 0.0);
    EXPECT_FALSE(drive.CanEngage());
    for (int i = 0; i < 20 && drive.GetState() == Charging; ++i)
        drive.Step(0.0, 1.0);
    drive.SetFuelIndex(1);
    FillCells(drive, 3);
    EXPECT_EQ(drive.GetCellIndex(), 4);

    const double tanks = ship->tanks[0].mass + ship->tanks[1].mass;
    EXPECT_FALSE(drive.StartCharge()) << "all five cells full";
    EXPECT_EQ(drive.GetCellIndex(), 4);
    EXPECT_EQ(drive.GetCellCharge(), 1.0);
    EXPECT_NEAR(tanks, 40000.0 - 5 * 6000.0, 1e-6);
    EXPECT_TRUE(drive.CanEngage());
}

TEST_F(ChargeTest, ADockedVesselCannotEngage) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7));
    Vessel *station = MakeVessel("Station", V(0, 0, 1e7 + 20));
    DriveUnit &drive = MakeDrive(ship);
    FillCells(drive, 1);
    host::World().Dock(ship, 0, station, 1);
    EXPECT_FALSE(drive.CanEngage());
    EXPECT_FALSE(drive.Engage());
    EXPECT_EQ(drive.GetState(), Idle);
    EXPECT_EQ(drive.GetCellCharge(), 1.0);
    host::World().Undock(ship, 0);
    EXPECT_TRUE(drive.CanEngage());
}

} // namespace
