// Vessels and flash objects deleted by someone else: the drive never uses a
// deleted object, and its own flash objects never outlive the sequence.
#include "drive_harness.h"

namespace {

using VanishedObjectsTest = DriveTest;

// A flash object deleted by someone else is not deleted again; a vessel
// deleted during the flash of its next jump takes its flash objects with it.
TEST_F(VanishedObjectsTest, DeletedFlashObjectsAndVesselsAreNotUsedAgain) {
    Vessel *ship = MakeVessel("Ship", Vec(0, 0, 1e7));
    DriveUnit &drive = MakeDrive(ship, 1);
    host::World().cameraTarget = host::Handle(ship);
    ASSERT_TRUE(drive.Engage());
    RunUntil(drive, Flash);
    ASSERT_EQ(Flashes().size(), 2u);
    host::DeleteNow(Flashes()[0]);
    RunUntil(drive, Decelerate);
    EXPECT_EQ(Flashes().size(), 0u);
    EXPECT_EQ(Count(Transcript(), "vessel Hyperspace deleted"), 2);
    RunUntil(drive, Idle);
    EXPECT_TRUE(oapiIsVessel(host::Handle(ship)));

    ship->tanks[0].mass = 10000.0;
    FillCells(drive, 1);
    ASSERT_TRUE(drive.Engage());
    RunUntil(drive, Flash);
    ASSERT_EQ(Flashes().size(), 2u);
    oapiDeleteVessel(host::Handle(ship));
    Run(1); // the deletion takes effect at the end of this step
    ASSERT_FALSE(drive.VesselAlive());
    Run(1);
    EXPECT_EQ(Flashes().size(), 0u);
    EXPECT_EQ(drive.GetState(), Idle);
    EXPECT_FALSE(drive.IsJumping());
    EXPECT_EQ(drive.departFlash, nullptr);
    EXPECT_EQ(drive.arriveFlash, nullptr);

    transcript.str("");
    Run(30);
    EXPECT_EQ(Transcript().find("vessel Hyperspace"), std::string::npos);
    EXPECT_FALSE(drive.Engage());
    EXPECT_FALSE(drive.StartCharge());
    EXPECT_FALSE(drive.CanEngage());
}

} // namespace
