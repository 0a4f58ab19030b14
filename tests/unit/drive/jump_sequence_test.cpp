// The jump sequence where a flight cannot reach it: the flash objects and
// their light, and the phase ends at their exact times and for a drive
// stepped seldom (jump_sequence.scn flies the sequence).
#include "module_world.h"

namespace {

using JumpTest = DriveTest;

const VECTOR3 kForward = Vec(1.0 / 3.0, 2.0 / 3.0, 2.0 / 3.0);

// The flash objects stand at the departure point and at the arrival point,
// each lit by a white star 10 m ahead of the cockpit eye point, steady and
// on (jump_sequence.scn flies the rest of the sequence).
TEST_F(JumpTest, TheFlashObjectsStandAtBothEndsLitByAStarAheadOfTheEyePoint) {
    Vessel *ship = MakeVessel("Ship", Vec(4e6, -2e6, 5e5), kForward);
    ship->vel = host::Add(sun->vel, Vec(12.0, -5.0, 3.0));
    ship->cameraOffset = Vec(0.5, 1.5, 2.0);
    DriveUnit &drive = MakeDrive(ship, 1);
    ASSERT_TRUE(drive.Engage());
    EXPECT_FALSE(drive.Engage()) << "a running sequence refuses a second engage";
    RunUntil(drive, Hold);
    VECTOR3 before = RelPos(ship);
    while (drive.GetState() == Hold) {
        before = RelPos(ship);
        Run(1);
    }
    ASSERT_EQ(drive.GetState(), Flash);
    std::vector<Vessel *> flashes = Flashes();
    ASSERT_EQ(flashes.size(), 2u);
    // All three moved by the same velocity in the jump step, so the offsets hold.
    const VECTOR3 moved = host::Scale(RelVel(ship), 0.1);
    EXPECT_NEAR(Gap(RelPos(flashes[0]), host::Add(before, moved)), 0.0, 1e-3);
    EXPECT_NEAR(Gap(flashes[1]->pos, ship->pos), 0.0, 1e-6);
    for (Vessel *flash : flashes) {
        ASSERT_EQ(flash->beacons.size(), 1u);
        const BEACONLIGHTSPEC &light = *flash->beacons[0];
        EXPECT_EQ(Gap(*light.pos, Vec(0.5, 1.5, 12.0)), 0.0);
        EXPECT_EQ(light.shape, static_cast<DWORD>(BEACONSHAPE_STAR));
        EXPECT_EQ((std::vector<double>{light.col->x, light.col->y, light.col->z, light.falloff}),
                  std::vector<double>(4, 1.0));
        EXPECT_EQ((std::vector<double>{light.period, light.duration, light.tofs}),
                  std::vector<double>(3, 0.0));
        EXPECT_TRUE(light.active);
    }
}

// The ramp still runs at exactly t = 3.6 s and ends with the next step.
TEST_F(JumpTest, AccelerationStillRampsAtExactlyThreePointSixSeconds) {
    Vessel *ship = MakeVessel("Ship", Vec(0, 0, 1e7), Vec(0, 1, 0));
    DriveUnit &drive = MakeDrive(ship, 1);
    host::World().cameraTarget = host::Handle(ship);
    ASSERT_TRUE(drive.Engage());
    ASSERT_EQ(drive.phaseStart, 0.0);

    drive.Step(3.6, 0.1);
    EXPECT_EQ(drive.GetState(), Accelerate);
    EXPECT_NEAR(RelVel(ship).y, 0.1 * 50000.0, 1e-9) << "k = 1";
    EXPECT_NEAR(ApertureDegrees(), 80.0, 1e-6);
    EXPECT_NEAR(drive.GetCellCharge(), 0.79, 1e-12);

    drive.Step(3.7, 0.1);
    EXPECT_EQ(drive.GetState(), Hold);
    EXPECT_EQ(drive.phaseStart, 3.7);
    EXPECT_NEAR(RelVel(ship).y, 5000.0, 1e-9) << "the step that ends the ramp moves nothing";
}

// Forty drives stepped in turn, one per host step: each is stepped every 4 s,
// so a drive engaged just after its step is next stepped from a state 3.9 s
// later, after the ramp's time is over, and goes straight to Hold without any
// velocity change.
TEST_F(JumpTest, ADriveFirstSteppedFourSecondsAfterEngageGoesStraightToHold) {
    std::vector<Vessel *> ships;
    ships.reserve(40);
    for (int i = 0; i < 40; ++i)
        ships.push_back(MakeVessel("Ship" + std::to_string(i), Vec(i * 1e4, 0, 1e7)));
    for (Vessel *ship : ships)
        MakeDrive(ship, ship == ships[7] ? 1 : 0);
    Vessel *ship = ships[7];
    DriveUnit &drive = *drives[7];
    // An idle drive whose vessel the camera follows marks the aperture restored when stepped.
    host::World().cameraTarget = host::Handle(ship);
    aperture.restored = false;
    for (int i = 0; i < 40 && !aperture.restored; ++i)
        Run(1);
    ASSERT_TRUE(aperture.restored);
    const VECTOR3 engageVel = RelVel(ship);
    const long long engagedAfter = host::World().stepCount;
    ASSERT_TRUE(drive.Engage());

    Run(39);
    EXPECT_EQ(drive.GetState(), Accelerate);
    Run(1);
    EXPECT_EQ(drive.GetState(), Hold);
    // Stepped from the state 3.9 s after the engage command.
    EXPECT_EQ(drive.phaseStart, static_cast<double>(engagedAfter + 39) * 0.1);
    const VECTOR3 after = RelVel(ship);
    EXPECT_EQ(after.x, engageVel.x);
    EXPECT_EQ(after.y, engageVel.y);
    EXPECT_EQ(after.z, engageVel.z);
}

// The sequence's progress value is no charge. At t = 7.3 s exactly the
// slow-down's progress is 0.0, as if no cell were charged, and the charge
// command is still refused there: the sequence ends as it should, with the
// velocity of the engage command.
TEST_F(JumpTest, TheChargeCommandIsRefusedAtTheSlowDownsLastProgressOfZero) {
    Vessel *ship = MakeVessel("Ship", Vec(0, 0, 1e7), Vec(0, 0, 1), 20000.0);
    DriveUnit &drive = MakeDrive(ship, 1);
    const VECTOR3 engageVel = RelVel(ship);
    ASSERT_TRUE(drive.Engage());
    RunUntil(drive, Decelerate);
    EXPECT_FALSE(drive.StartCharge());
    drive.phaseStart = 0.0; // so that the next step falls at t = 7.3 exactly
    drive.Step(7.3, 0.1);
    ASSERT_EQ(drive.GetState(), Decelerate);
    ASSERT_EQ(drive.GetCellCharge(), 0.0);
    EXPECT_FALSE(drive.StartCharge());
    EXPECT_EQ(drive.GetState(), Decelerate);
    drive.Step(7.4, 0.1);
    EXPECT_EQ(drive.GetState(), Idle);
    EXPECT_EQ(RelVel(ship).z, engageVel.z);
    EXPECT_TRUE(drive.StartCharge());
}

} // namespace
