// The jump sequence: where the vessel arrives and how fast it moves after,
// the phase timing, the flash objects, the camera effect and what was docked.
#include "module_world.h"

#include <cstdio>
#include <sstream>

namespace {

using JumpTest = DriveTest;

const VECTOR3 kForward = Vec(1.0 / 3.0, 2.0 / 3.0, 2.0 / 3.0);

// The camera follows the vessel: 45° rising to 80°, 80° held, falling to 45°,
// then the aperture that was in force at the engage command. Two flash
// objects stand at the departure and arrival points exactly during the flash,
// their light 10 m ahead of the cockpit eye point, shrinking from 90 m to 10 m
// over its first 0.3 s and then dark. The first step after the engage command
// starts from the engage time (t = 0, no velocity change yet); each phase ends
// with the first step whose start lies past its length: 3.6 s, 2.1 s, 1.6 s
// and 7.3 s after the phase began. The sequence's progress falls from 0.99 to
// 0.79 while speeding up, stays while holding and flashing, and falls from
// 0.2 to 0 while slowing down; the jump start, the jump and the end of the
// flash play their sounds at the steps that begin them.
TEST_F(JumpTest, OneCellJumpsTheFirstRangeWithItsFlashAndCameraEffect) {
    Vessel *ship = MakeVessel("Ship", Vec(4e6, -2e6, 5e5), kForward);
    ship->vel = host::Add(sun->vel, Vec(12.0, -5.0, 3.0));
    ship->cameraOffset = Vec(0.5, 1.5, 2.0);
    DriveUnit &drive = MakeDrive(ship, 1, ConnectSound(ship, "Sound\\TarselMFD\\x.wav"));
    host::World().cameraTarget = host::Handle(ship);
    Run(3);
    transcript.str("");
    char line[96];
    std::string sounds; // the sound lines expected, with the times of their steps
    auto expectSound = [&](double time, int slot) {
        std::snprintf(line, sizeof line,
                      "[%8.3f] sound PlayVesselWaveOBSound3 id=0 slot=%d loop=0 volume=255\n", time,
                      slot);
        sounds += line;
    };
    expectSound(0.3, 52);

    const VECTOR3 engagePos = RelPos(ship);
    const VECTOR3 engageVel = RelVel(ship);
    // A heavy body at the arrival point pulls the vessel hardest there; the
    // jump still arrives, and ends, relative to the reference body.
    host::World().AddBody("Moon", 1e27, 1e6,
                          host::Add(sun->pos, host::Add(engagePos, host::Scale(kForward, 7.5e8))),
                          sun->vel);
    ASSERT_TRUE(drive.Engage());
    EXPECT_FALSE(drive.Engage()) << "a running sequence refuses a second engage";
    EXPECT_NEAR(aperture.aperture / kDegree, 30.0, 1e-9);
    EXPECT_FALSE(aperture.restored);
    // From the jump on, the vessel drifts by the velocity of each later step.
    VECTOR3 drift = Vec(0, 0, 0);
    bool jumped = false;
    double last = 0.0;                // aperture before the step, degrees
    int stepsIn[Decelerate + 1] = {}; // steps begun in each state
    std::vector<double> flashSizes;
    double phaseBegan = 0.3;
    for (int i = 0; i < 400 && drive.IsJumping(); ++i) {
        const DriveState was = drive.GetState();
        const VECTOR3 before = RelPos(ship);
        const double stepStart = host::World().simTime;
        const double progress = drive.GetCellCharge();
        Run(1);
        const DriveState now = drive.GetState();
        const double a = ApertureDegrees();
        const double t = stepStart - phaseBegan; // the step's time into its phase
        if (now != was)
            phaseBegan = stepStart;
        if (now == Flash && was == Hold)
            expectSound(stepStart, 53);
        if (now == Decelerate && was == Flash)
            expectSound(stepStart, 54);
        if (now == Flash)
            flashSizes.push_back(drive.beacon.size);
        if (was == Accelerate && now == Accelerate) {
            EXPECT_NEAR(drive.GetCellCharge(), 0.99 - 0.2 * t / 3.6, 1e-12) << t;
        }
        if (was == Hold || (was == Flash && now == Flash)) {
            EXPECT_EQ(drive.GetCellCharge(), progress) << "unchanged while holding and flashing";
        }
        if (was == Flash && now == Decelerate) {
            EXPECT_EQ(drive.GetCellCharge(), 0.2);
        }
        if (was == Decelerate && now == Decelerate) {
            EXPECT_NEAR(drive.GetCellCharge(), 0.4 * (7.3 - t) / 14.6, 1e-12) << t;
        }
        EXPECT_EQ(Flashes().size(), now == Flash ? 2u : 0u) << i;
        jumped = jumped || now == Flash;
        if (jumped)
            drift = host::Add(drift, host::Scale(RelVel(ship), 0.1));
        if (was == Accelerate) {
            EXPECT_GE(a, last);
            EXPECT_GE(a, 45.0);
            EXPECT_LE(a, 80.0 + 1e-6);
        }
        if (was == Hold || was == Flash || now == Hold) {
            EXPECT_NEAR(a, 80.0, 1e-6);
        }
        if (was == Decelerate && now == Decelerate) {
            EXPECT_LE(a, last);
            EXPECT_GE(a, 45.0 - 1e-6);
        }
        if (was == Hold && now == Flash) {
            std::vector<Vessel *> flashes = Flashes();
            ASSERT_EQ(flashes.size(), 2u);
            // All three moved by the same velocity in the jump step, so the offsets hold.
            const VECTOR3 moved = host::Scale(RelVel(ship), 0.1);
            EXPECT_NEAR(Gap(RelPos(flashes[0]), host::Add(before, moved)), 0.0, 1e-3);
            EXPECT_NEAR(Gap(flashes[1]->pos, ship->pos), 0.0, 1e-6);
            for (Vessel *flash : flashes) {
                ASSERT_EQ(flash->beacons.size(), 1u);
                const BEACONLIGHTSPEC &light = *flash->beacons[0];
                EXPECT_EQ(light.pos->x, 0.5);
                EXPECT_EQ(light.pos->y, 1.5);
                EXPECT_EQ(light.pos->z, 12.0);
                // A white star, steady and lit.
                EXPECT_EQ(light.shape, static_cast<DWORD>(BEACONSHAPE_STAR));
                EXPECT_EQ(
                    (std::vector<double>{light.col->x, light.col->y, light.col->z, light.falloff}),
                    std::vector<double>(4, 1.0));
                EXPECT_EQ((std::vector<double>{light.period, light.duration, light.tofs}),
                          std::vector<double>(3, 0.0));
                EXPECT_TRUE(light.active);
            }
        }
        if (i == 0) {
            EXPECT_EQ(now, Accelerate);
            EXPECT_NEAR(a, 45.0, 1e-6);
            EXPECT_EQ(Gap(RelVel(ship), engageVel), 0.0) << "k = 0 at the engage time";
        }
        ++stepsIn[was];
        if (now == Idle) {
            // The last ramp step began at t = 7.2: k = 0.1 / 14.6, 70° * k above 45°.
            EXPECT_NEAR(last, 45.0 + 70.0 * 0.1 / 14.6, 1e-6);
            EXPECT_NEAR(a, 30.0, 1e-9);
        }
        last = a;
    }
    ASSERT_EQ(drive.GetState(), Idle);
    // Ramp steps at t = 0 ... 3.5, then the step at 3.6 (3.6000000000000005 as
    // the step times round) ends it; likewise for the others.
    EXPECT_EQ(stepsIn[Accelerate], 37);
    EXPECT_EQ(stepsIn[Hold], 22);
    EXPECT_EQ(stepsIn[Flash], 17);
    EXPECT_EQ(stepsIn[Decelerate], 73);
    EXPECT_EQ(Transcript().find("sound StopVesselWave3"), std::string::npos);
    std::string played;
    std::istringstream lines(Transcript());
    for (std::string l; std::getline(lines, l);)
        if (l.find("sound PlayVesselWaveOBSound3") != std::string::npos)
            played += l + "\n";
    EXPECT_EQ(played, sounds);
    // As the host draws them after each step: the size the flash's first step
    // left (the jump step sets none), then 90 m, 22.5 m, 10 m at 0.3 s, dark.
    ASSERT_EQ(flashSizes.size(), 17u);
    EXPECT_EQ(flashSizes[0], 1.0);
    EXPECT_NEAR(flashSizes[1], 90.0, 1e-9);
    EXPECT_NEAR(flashSizes[2], 22.5, 1e-9);
    for (size_t i = 4; i < flashSizes.size(); ++i)
        EXPECT_EQ(flashSizes[i], 0.0) << i;

    const VECTOR3 expected = host::Add(host::Add(engagePos, host::Scale(kForward, 7.5e8)), drift);
    EXPECT_NEAR(Gap(RelPos(ship), expected), 0.0, 1e-2);
    EXPECT_EQ(RelVel(ship).x, engageVel.x);
    EXPECT_EQ(RelVel(ship).y, engageVel.y);
    EXPECT_EQ(RelVel(ship).z, engageVel.z);
    EXPECT_EQ(drive.GetCellCharge(), 0.0);
    EXPECT_EQ(drive.GetCellIndex(), 0);
    EXPECT_FALSE(aperture.restored);
    Run(1);
    EXPECT_TRUE(aperture.restored);
    EXPECT_NEAR(ApertureDegrees(), 30.0, 1e-9);
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

// Three cells jump the third range, the camera on another vessel sees no
// aperture change, and a stack docked during the acceleration is deleted at
// the jump, deepest first; a ring beside it must end the walk without
// turning back onto the jumping vessel.
TEST_F(JumpTest, ThreeCellsJumpTheThirdRangeLeavingWhatDockedBehind) {
    Vessel *ship = MakeVessel("Ship", Vec(0, 0, 1e7), Vec(0, 0, 1), 20000.0);
    ship->ports.resize(3);
    Vessel *left = MakeVessel("Left", Vec(20, 0, 1e7));
    Vessel *right = MakeVessel("Right", Vec(-20, 0, 1e7));
    Vessel *tug = MakeVessel("Tug", Vec(0, 0, 1e7 + 30));
    Vessel *pod = MakeVessel("Pod", Vec(0, 0, 1e7 + 60));
    Vessel *probe = MakeVessel("Probe", Vec(0, 0, 1e7 + 90));
    Vessel *bystander = MakeVessel("Bystander", Vec(0, 0, 1e7 + 500));
    DriveUnit &drive = MakeDrive(ship, 3);
    host::World().cameraTarget = host::Handle(bystander);
    aperture.aperture = 55.0 * kDegree;
    ASSERT_EQ(drive.GetCellIndex(), 2);
    const VECTOR3 engagePos = RelPos(ship);
    ASSERT_TRUE(drive.Engage());
    EXPECT_EQ(drive.GetCellIndex(), 0);
    EXPECT_NEAR(aperture.aperture / kDegree, 55.0, 1e-9) << "saved aperture untouched";
    EXPECT_TRUE(aperture.restored);
    Run(5);
    ASSERT_EQ(drive.GetState(), Accelerate);
    ASSERT_TRUE(host::World().Dock(ship, 1, tug, 0));
    ASSERT_TRUE(host::World().Dock(tug, 1, pod, 0));
    ASSERT_TRUE(host::World().Dock(pod, 1, probe, 0));
    ASSERT_TRUE(host::World().Dock(ship, 0, left, 0));
    ASSERT_TRUE(host::World().Dock(left, 1, right, 0));
    ASSERT_TRUE(host::World().Dock(right, 1, ship, 2));

    transcript.str("");
    RunUntil(drive, Flash);
    // Set down at the destination, then one step's motion.
    const VECTOR3 expected =
        host::Add(host::Add(engagePos, Vec(0, 0, 7.5e10)), host::Scale(RelVel(ship), 0.1));
    EXPECT_NEAR(Gap(RelPos(ship), expected), 0.0, 1e-3);
    EXPECT_NEAR(ApertureDegrees(), 30.0, 1e-9);
    const std::string t = Transcript();
    EXPECT_LT(t.find("vessel Probe deleted"), t.find("vessel Pod deleted"));
    EXPECT_LT(t.find("vessel Pod deleted"), t.find("vessel Tug deleted"));
    EXPECT_NE(t.find("vessel Tug deleted"), std::string::npos);
    EXPECT_TRUE(oapiIsVessel(host::Handle(ship)));
    EXPECT_TRUE(oapiIsVessel(host::Handle(bystander)));
    EXPECT_FALSE(oapiIsVessel(host::Handle(left)));
    EXPECT_FALSE(oapiIsVessel(host::Handle(right)));
    EXPECT_EQ(ship->iface->GetFlightStatus() & 0x2u, 0u) << "undocked when the stack went";
    RunUntil(drive, Idle);
    EXPECT_NEAR(ApertureDegrees(), 30.0, 1e-9);
}

} // namespace
