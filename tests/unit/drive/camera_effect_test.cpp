// The camera effect of overlapping jumps: the aperture saved before any
// effect is the one the camera ends with (a vessel that goes during its own:
// tests/unit/host/deletion_test.cpp).
#include "module_world.h"

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

} // namespace
