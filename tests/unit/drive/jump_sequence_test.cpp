// The jump sequence where a flight cannot reach it: the flash objects and
// their light, and the phase ends at their exact times (jump_sequence.scn
// flies the sequence; stress/fleet_jump_100 drives stepped so seldom that
// each phase ends at their next turn, without any velocity ramp).
#include "module_world.h"

using JumpTest = DisplayTest;

const VECTOR3 kForward = Vec(1.0 / 3.0, 2.0 / 3.0, 2.0 / 3.0);

// The flash objects stand at the departure point and at the arrival point,
// each lit by a white star 10 m ahead of the cockpit eye point, steady and
// on (jump_sequence.scn flies the rest of the sequence).
TEST_F(JumpTest, TheFlashObjectsStandAtBothEndsLitByAStarAheadOfTheEyePoint) {
    Vessel *ship = AddShip("Ship", Vec(4e6, -2e6, 5e5), Vec(12.0, -5.0, 3.0), kForward, {1e4});
    ship->cameraOffset = Vec(0.5, 1.5, 2.0);
    DriveUnit &drive = Drive(ship, 1);
    ASSERT_TRUE(drive.Engage());
    EXPECT_FALSE(drive.Engage()) << "a running sequence refuses a second engage";
    RunUntil(drive, Hold);
    VECTOR3 before = ship->pos;
    while (drive.GetState() == Hold) {
        before = ship->pos;
        host::RunSteps(1);
    }
    ASSERT_EQ(drive.GetState(), Flash);
    std::vector<Vessel *> flashes = Flashes();
    ASSERT_EQ(flashes.size(), 2u);
    // All three moved by the same velocity in the jump step, so the offsets hold.
    const VECTOR3 moved = host::Scale(ship->vel, 0.1);
    EXPECT_NEAR(Gap(flashes[0]->pos, host::Add(before, moved)), 0.0, 1e-3);
    EXPECT_NEAR(Gap(flashes[1]->pos, ship->pos), 0.0, 1e-6);
    for (Vessel *flash : flashes) {
        ASSERT_EQ(flash->beacons.size(), 1u);
        const BEACONLIGHTSPEC &light = *flash->beacons[0];
        EXPECT_EQ(Gap(*light.pos, Vec(0.5, 1.5, 12.0)), 0.0);
        EXPECT_EQ(
            std::make_tuple(light.shape, light.col->x, light.col->y, light.col->z, light.falloff,
                            light.period, light.duration, light.tofs, light.active),
            std::make_tuple(DWORD(BEACONSHAPE_STAR), 1.0, 1.0, 1.0, 1.0, 0.0, 0.0, 0.0, true));
    }
}

// The ramp still runs at exactly t = 3.6 s and ends with the next step.
TEST_F(JumpTest, AccelerationStillRampsAtExactlyThreePointSixSeconds) {
    Vessel *ship = AddShip("Ship", Vec(0, 0, 1e7), {}, Vec(0, 1, 0), {1e4});
    DriveUnit &drive = Drive(ship, 1);
    host::World().cameraTarget = host::Handle(ship);
    ASSERT_TRUE(drive.Engage());
    ASSERT_EQ(drive.phaseStart, 0.0);

    // Each step adds (simdt × V) × k, in that order, so that flights repeat
    // bit for bit: k × V first would give 41.666666666666664.
    drive.Step(0.1, 0.03);
    EXPECT_EQ(ship->vel.y, 41.66666666666667);
    ship->vel = VECTOR3{};

    drive.Step(3.6, 0.1);
    EXPECT_EQ(drive.GetState(), Accelerate);
    EXPECT_NEAR(ship->vel.y, 0.1 * 50000.0, 1e-9) << "k = 1";
    EXPECT_NEAR(ApertureDegrees(), 80.0, 1e-6);
    EXPECT_NEAR(drive.GetCellCharge(), 0.79, 1e-12);

    drive.Step(3.7, 0.1);
    EXPECT_EQ(drive.GetState(), Hold);
    EXPECT_EQ(drive.phaseStart, 3.7);
    EXPECT_NEAR(ship->vel.y, 5000.0, 1e-9) << "the step that ends the ramp moves nothing";
}

// The sequence's progress value is no charge. At t = 7.3 s exactly the
// slow-down's progress is 0.0, as if no cell were charged, and the charge
// command is still refused there: the sequence ends as it should, with the
// velocity of the engage command.
TEST_F(JumpTest, TheChargeCommandIsRefusedAtTheSlowDownsLastProgressOfZero) {
    Vessel *ship = AddShip("Ship", Vec(0, 0, 1e7), Vec(0, 0, 3), Vec(0, 0, 1), {2e4});
    DriveUnit &drive = Drive(ship, 1);
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
    EXPECT_EQ(ship->vel.z, 3.0);
    EXPECT_TRUE(drive.StartCharge());
}
