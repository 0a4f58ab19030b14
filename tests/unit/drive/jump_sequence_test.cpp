// The jump sequence: where the vessel arrives and how fast it moves after,
// the phase timing, the flash objects and the camera effect.
#include "drive_harness.h"

#include <cmath>

namespace {

class JumpTest : public DriveTest {};

const VECTOR3 kForward = V(1.0 / 3.0, 2.0 / 3.0, 2.0 / 3.0);

TEST_F(JumpTest, OneCellArrivesTheFirstRangeAheadAndGetsItsVelocityBack) {
    Vessel *ship = MakeVessel("Ship", V(4e6, -2e6, 5e5), kForward);
    ship->vel = host::Add(sun->vel, V(12.0, -5.0, 3.0));
    DriveUnit &drive = MakeDrive(ship);
    FillCells(drive, 1);
    Run(3);

    const VECTOR3 engagePos = RelPos(ship);
    const VECTOR3 engageVel = RelVel(ship);
    ASSERT_TRUE(drive.Engage());
    EXPECT_FALSE(drive.Engage()) << "a running sequence refuses a second engage";
    // From the jump on, the vessel drifts by the velocity of each later step.
    VECTOR3 drift = V(0, 0, 0);
    bool jumped = false;
    for (int i = 0; i < 400 && drive.IsJumping(); ++i) {
        Run(1);
        jumped = jumped || drive.GetState() == Flash;
        if (jumped)
            drift = host::Add(drift, host::Scale(RelVel(ship), 0.1));
    }
    ASSERT_EQ(drive.GetState(), Idle);
    const VECTOR3 expected = host::Add(host::Add(engagePos, host::Scale(kForward, 7.5e8)), drift);
    EXPECT_NEAR(host::Length(host::Sub(RelPos(ship), expected)), 0.0, 1e-2);
    EXPECT_EQ(RelVel(ship).x, engageVel.x);
    EXPECT_EQ(RelVel(ship).y, engageVel.y);
    EXPECT_EQ(RelVel(ship).z, engageVel.z);
    EXPECT_EQ(drive.GetCellCharge(), 0.0);
    EXPECT_EQ(drive.GetCellIndex(), 0);
}

TEST_F(JumpTest, ThreeCellsJumpTheThirdRange) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7), V(0, 0, 1), 20000.0);
    DriveUnit &drive = MakeDrive(ship);
    FillCells(drive, 3);
    ASSERT_EQ(drive.GetCellIndex(), 2);
    const VECTOR3 engagePos = RelPos(ship);
    ASSERT_TRUE(drive.Engage());
    EXPECT_EQ(drive.GetCellIndex(), 0);
    RunUntil(drive, Flash);
    // Set down at the destination, then one step's motion.
    const VECTOR3 expected =
        host::Add(host::Add(engagePos, V(0, 0, 7.5e10)), host::Scale(RelVel(ship), 0.1));
    EXPECT_NEAR(host::Length(host::Sub(RelPos(ship), expected)), 0.0, 1e-3);
}

TEST_F(JumpTest, AccelerationStillRampsAtExactlyThreePointSixSeconds) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7), V(0, 1, 0));
    DriveUnit &drive = MakeDrive(ship);
    FillCells(drive, 1);
    host::World().cameraTarget = host::Handle(ship);
    ASSERT_TRUE(drive.Engage());
    ASSERT_EQ(drive.phaseStart, 0.0);

    drive.Step(3.6, 0.1);
    EXPECT_EQ(drive.GetState(), Accelerate);
    EXPECT_NEAR(RelVel(ship).y, 0.1 * 50000.0, 1e-9) << "k = 1";
    EXPECT_NEAR(Degrees(host::World().cameraAperture), 80.0, 1e-6);
    EXPECT_NEAR(drive.GetCellCharge(), 0.79, 1e-12);

    drive.Step(3.7, 0.1);
    EXPECT_EQ(drive.GetState(), Hold);
    EXPECT_EQ(drive.phaseStart, 3.7);
    EXPECT_NEAR(RelVel(ship).y, 5000.0, 1e-9) << "the step that ends the ramp moves nothing";
}

TEST_F(JumpTest, TwoFlashObjectsStandAtDepartureAndArrivalExactlyDuringTheFlash) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7), kForward);
    ship->cameraOffset = V(0.5, 1.0, 6.0);
    DriveUnit &drive = MakeDrive(ship);
    FillCells(drive, 1);
    ASSERT_TRUE(drive.Engage());
    RunUntil(drive, Hold);

    VECTOR3 before = RelPos(ship);
    while (drive.GetState() == Hold) {
        EXPECT_EQ(CountClass("Hyperspace"), 0);
        before = RelPos(ship);
        Run(1);
    }
    ASSERT_EQ(drive.GetState(), Flash);
    std::vector<Vessel *> flashes = ObjectsOfClass("Hyperspace");
    ASSERT_EQ(flashes.size(), 2u);
    EXPECT_EQ(flashes[0]->name, "Hyperspace");
    EXPECT_EQ(flashes[1]->name, "Hyperspace");
    // All three moved by the same velocity in the jump step, so the offsets hold.
    const VECTOR3 moved = host::Scale(RelVel(ship), 0.1);
    EXPECT_NEAR(host::Length(host::Sub(RelPos(flashes[0]), host::Add(before, moved))), 0.0, 1e-3);
    EXPECT_NEAR(host::Length(host::Sub(flashes[1]->pos, ship->pos)), 0.0, 1e-6);
    for (Vessel *flash : flashes) {
        ASSERT_EQ(flash->beacons.size(), 1u);
        EXPECT_EQ(flash->beacons[0], &drive.beacon);
        EXPECT_EQ(flash->visLimit, 1e-12);
    }
    EXPECT_EQ(drive.beaconPos.x, 0.5);
    EXPECT_EQ(drive.beaconPos.z, 16.0);

    Run(1);
    EXPECT_GT(drive.beacon.size, 10.0) << "the light starts large";
    int flashSteps = 1;
    while (drive.GetState() == Flash) {
        EXPECT_EQ(CountClass("Hyperspace"), 2);
        Run(1);
        ++flashSteps;
    }
    EXPECT_EQ(drive.GetState(), Decelerate);
    EXPECT_EQ(CountClass("Hyperspace"), 0);
    EXPECT_EQ(drive.beacon.size, 0.0);
    EXPECT_TRUE(flashSteps == 16 || flashSteps == 17) << flashSteps;
    EXPECT_EQ(drive.departFlashHandle, nullptr);
}

// The camera follows the vessel: 45° rising to 80°, 80° held, falling to 45°,
// then the aperture that was in force at the engage command.
TEST_F(JumpTest, CameraApertureWidensAndNarrowsAroundTheJump) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7));
    DriveUnit &drive = MakeDrive(ship);
    FillCells(drive, 1);
    host::World().cameraTarget = host::Handle(ship);
    ASSERT_TRUE(drive.Engage());
    EXPECT_NEAR(Degrees(aperture.aperture), 30.0, 1e-9);
    EXPECT_FALSE(aperture.restored);

    double last = 0.0;
    while (drive.GetState() == Accelerate) {
        Run(1);
        const double a = Degrees(host::World().cameraAperture);
        EXPECT_GE(a, last);
        EXPECT_GE(a, 45.0);
        EXPECT_LE(a, 80.0 + 1e-6);
        last = a;
    }
    EXPECT_NEAR(last, 80.0, 1e-6);
    while (drive.GetState() == Hold || drive.GetState() == Flash) {
        Run(1);
        EXPECT_NEAR(Degrees(host::World().cameraAperture), 80.0, 1e-6);
    }
    while (drive.GetState() == Decelerate) {
        last = Degrees(host::World().cameraAperture);
        Run(1);
        if (drive.GetState() == Decelerate) {
            EXPECT_LE(Degrees(host::World().cameraAperture), last);
            EXPECT_GE(Degrees(host::World().cameraAperture), 45.0 - 1e-6);
        }
    }
    // The last ramp step falls at t = 7.3 or one step before it, as rounding falls.
    EXPECT_NEAR(last, 45.0, 0.5) << "the ramp ends near 45°";
    EXPECT_NEAR(Degrees(host::World().cameraAperture), 30.0, 1e-9);
    EXPECT_FALSE(aperture.restored);
    Run(1);
    EXPECT_TRUE(aperture.restored);
    EXPECT_NEAR(Degrees(host::World().cameraAperture), 30.0, 1e-9);
}

TEST_F(JumpTest, ACameraOnAnotherObjectSeesNoApertureChange) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7));
    Vessel *watcher = MakeVessel("Watcher", V(0, 5e3, 1e7));
    DriveUnit &drive = MakeDrive(ship);
    FillCells(drive, 1);
    host::World().cameraTarget = host::Handle(watcher);
    aperture.aperture = Radians(55.0);
    ASSERT_TRUE(drive.Engage());
    EXPECT_NEAR(Degrees(aperture.aperture), 55.0, 1e-9) << "saved aperture untouched";
    EXPECT_TRUE(aperture.restored);
    for (int i = 0; i < 200 && drive.IsJumping(); ++i) {
        Run(1);
        ASSERT_NEAR(Degrees(host::World().cameraAperture), 30.0, 1e-9);
    }
    EXPECT_EQ(drive.GetState(), Idle);
}

TEST_F(JumpTest, ADriveSteppedFirstFourSecondsAfterEngageGoesStraightToHold) {
    // Forty drives in turn: each is stepped once every four seconds.
    std::vector<Vessel *> ships;
    for (int i = 0; i < 40; ++i) {
        ships.push_back(MakeVessel("Ship" + std::to_string(i), V(i * 1e4, 0, 1e7)));
        MakeDrive(ships.back());
    }
    Run(5);
    DriveUnit &drive = *drives[(nextDrive_ - 1) % drives.size()]; // just stepped
    Vessel *ship = ships[(nextDrive_ - 1) % drives.size()];
    FillCells(drive, 1);
    const VECTOR3 engageVel = RelVel(ship);
    ASSERT_TRUE(drive.Engage());

    Run(39);
    EXPECT_EQ(drive.GetState(), Accelerate);
    Run(1);
    EXPECT_EQ(drive.GetState(), Hold);
    EXPECT_EQ(drive.phaseStart, host::World().simTime);
    EXPECT_EQ(RelVel(ship).z, engageVel.z);
}

} // namespace
