// Vessels and flash objects deleted by someone else: the drive never uses a
// deleted object, and its own flash objects never outlive the sequence.
#include "drive_harness.h"

namespace {

class VanishedObjectsTest : public DriveTest {};

TEST_F(VanishedObjectsTest, AVesselDeletedDuringTheFlashTakesItsFlashObjectsWithIt) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7));
    DriveUnit &drive = MakeDrive(ship);
    FillCells(drive, 1);
    host::World().cameraTarget = host::Handle(ship);
    ASSERT_TRUE(drive.Engage());
    RunUntil(drive, Flash);
    ASSERT_EQ(CountClass("Hyperspace"), 2);

    oapiDeleteVessel(host::Handle(ship));
    Run(1); // the deletion takes effect at the end of this step
    ASSERT_FALSE(drive.VesselAlive());
    Run(1);
    EXPECT_EQ(CountClass("Hyperspace"), 0);
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

TEST_F(VanishedObjectsTest, AVesselDeletedBeforeTheJumpMakesNoFlash) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7));
    DriveUnit &drive = MakeDrive(ship);
    FillCells(drive, 1);
    ASSERT_TRUE(drive.Engage());
    Run(10);
    Delete(ship);
    Run(100);
    EXPECT_EQ(drive.GetState(), Idle);
    EXPECT_EQ(CountClass("Hyperspace"), 0);
    EXPECT_EQ(Transcript().find("vessel Hyperspace"), std::string::npos);
}

TEST_F(VanishedObjectsTest, AChargingDriveWhoseVesselIsGoneFallsSilent) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7));
    DriveUnit &drive = MakeDrive(ship, ConnectSound(ship));
    LoadWave(drive.GetSoundId(), 50, const_cast<char *>("Sound\\TarselMFD\\load.wav"), 0);
    ASSERT_TRUE(drive.StartCharge());
    Run(5);
    Delete(ship);
    transcript.str("");
    Run(5);
    const std::string t = Transcript();
    EXPECT_EQ(Count(t, "sound StopVesselWave3 id=0 slot=50"), 1);
    EXPECT_EQ(t.find("PlayVesselWaveOBSound3"), std::string::npos);
    EXPECT_EQ(drive.GetState(), Idle);
}

TEST_F(VanishedObjectsTest, AFlashObjectDeletedBySomeoneElseIsNotDeletedAgain) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7));
    DriveUnit &drive = MakeDrive(ship);
    FillCells(drive, 1);
    ASSERT_TRUE(drive.Engage());
    RunUntil(drive, Flash);
    std::vector<Vessel *> flashes = ObjectsOfClass("Hyperspace");
    ASSERT_EQ(flashes.size(), 2u);
    Delete(flashes[0]);

    RunUntil(drive, Decelerate);
    EXPECT_EQ(CountClass("Hyperspace"), 0);
    EXPECT_EQ(Count(Transcript(), "vessel Hyperspace deleted"), 2);
    RunUntil(drive, Idle);
    EXPECT_TRUE(oapiIsVessel(host::Handle(ship)));
}

} // namespace
