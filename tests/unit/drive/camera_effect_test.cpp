// The camera effect of overlapping jumps and of a vessel that goes during
// its own: the aperture saved before any effect is the one the camera ends with.
#include "drive_harness.h"

namespace {

using CameraEffectTest = DriveTest;

// A engages with the camera on it; the camera moves to B, which engages
// while A's effect has the camera widened. B's effect ends with the aperture
// that was in force before A's.
TEST_F(CameraEffectTest, ASecondEffectKeepsTheApertureSavedBeforeTheFirst) {
    Vessel *a = MakeVessel("A", Vec(0, 0, 1e7));
    Vessel *b = MakeVessel("B", Vec(0, 1e5, 1e7));
    DriveUnit &first = MakeDrive(a, 1);
    DriveUnit &second = MakeDrive(b, 1);
    host::World().cameraTarget = host::Handle(a);
    ASSERT_TRUE(first.Engage());
    Run(20);
    ASSERT_GT(ApertureDegrees(), 45.0);
    host::World().cameraTarget = host::Handle(b);
    ASSERT_TRUE(second.Engage());
    EXPECT_NEAR(aperture.aperture / kDegree, 30.0, 1e-9);
    RunUntil(second, Idle, 600);
    ASSERT_EQ(first.GetState(), Idle);
    EXPECT_NEAR(ApertureDegrees(), 30.0, 1e-9);
    Run(2);
    EXPECT_TRUE(aperture.restored);
    EXPECT_NEAR(ApertureDegrees(), 30.0, 1e-9);
}

// The vessel goes while its effect holds the camera at 80°: the drive puts
// the saved aperture back, as the end of its sequence would have.
TEST_F(CameraEffectTest, AVesselDeletedDuringItsEffectGivesTheApertureBack) {
    Vessel *ship = MakeVessel("Ship", Vec(0, 0, 1e7));
    MakeVessel("Other", Vec(0, 1e5, 1e7));
    DriveUnit &drive = MakeDrive(ship, 1);
    host::World().cameraTarget = host::Handle(ship);
    ASSERT_TRUE(drive.Engage());
    RunUntil(drive, Hold);
    ASSERT_NEAR(ApertureDegrees(), 80.0, 1e-6);
    DeleteNow(ship);
    Run(1);
    EXPECT_NEAR(ApertureDegrees(), 30.0, 1e-9);
    EXPECT_TRUE(aperture.restored);
    EXPECT_EQ(drive.GetState(), Idle);
}

// A vessel that goes after its effect has ended, or whose effect never held
// the camera, leaves the aperture alone.
TEST_F(CameraEffectTest, AVesselDeletedOutsideItsEffectLeavesTheCameraAlone) {
    Vessel *ship = MakeVessel("Ship", Vec(0, 0, 1e7));
    Vessel *watched = MakeVessel("Watched", Vec(0, 1e5, 1e7));
    DriveUnit &drive = MakeDrive(ship, 1);
    host::World().cameraTarget = host::Handle(watched);
    ASSERT_TRUE(drive.Engage());
    RunUntil(drive, Hold);
    host::World().SetCameraAperture(50.0 * kDegree);
    DeleteNow(ship);
    Run(1);
    EXPECT_NEAR(ApertureDegrees(), 50.0, 1e-9);
}

} // namespace
