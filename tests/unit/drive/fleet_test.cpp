// The fleet command: the leader engages, and ready drives near it take its
// orientation and engage their own jumps.
#include "module_world.h"

namespace {

const double kLeaderX = 5e6;

// A leader not ready plays the cancel sound and moves nobody. Once ready,
// only ready drives in range follow: not one at the range, one already
// jumping, one part charged, nor one whose vessel is gone. A follower takes
// the leader's axis and jumps its own range.
TEST_F(DriveTest, FleetJumpTakesReadyVesselsJustInsideTheRangeAlong) {
    Vessel *leader = MakeVessel("Leader", Vec(kLeaderX, 0, 0), Vec(0, 0.6, 0.8), 20000.0);
    Vessel *inside = MakeVessel("Inside", Vec(kLeaderX + 99999.0, 0, 0), Vec(1, 0, 0));
    Vessel *atLimit = MakeVessel("AtLimit", Vec(kLeaderX, -100000.0, 0), Vec(1, 0, 0));
    Vessel *lost = MakeVessel("Lost", Vec(kLeaderX + 300.0, 0, 0));
    const int32_t id = ConnectSound(leader, "Sound\\TarselMFD\\engage.wav");
    DriveUnit &lead = MakeDrive(leader);
    DriveUnit &follower = MakeDrive(inside, 1);
    DriveUnit &stayer = MakeDrive(atLimit, 1);
    DriveUnit &busyDrive = MakeDrive(MakeVessel("Busy", Vec(kLeaderX + 100.0, 0, 0)), 1);
    DriveUnit &partialDrive = MakeDrive(MakeVessel("Partial", Vec(kLeaderX + 200.0, 0, 0)));
    DriveUnit &orphan = MakeDrive(lost, 1);
    const MATRIX3 insideRot = inside->rot;
    transcript.str("");
    FleetJump(leader->iface, &lead, id);
    EXPECT_NE(Transcript().find("sound PlayVesselWaveOBSound3 id=0 slot=55 loop=0 volume=255\n"),
              std::string::npos);
    EXPECT_EQ(Transcript().find("slot=51"), std::string::npos);
    EXPECT_EQ(follower.GetState(), Idle);
    EXPECT_EQ(follower.GetCellCharge(), 1.0);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(inside->rot.data[i], insideRot.data[i]) << i;

    FillCells(lead, 2);
    ASSERT_TRUE(busyDrive.Engage());
    ASSERT_TRUE(partialDrive.StartCharge());
    partialDrive.Step(0.0, 1.0);
    const double busyStart = busyDrive.phaseStart;
    host::DeleteNow(lost);
    EXPECT_FALSE(orphan.VesselAlive());
    Run(2);
    const VECTOR3 leaderStart = RelPos(leader);
    const VECTOR3 insideStart = RelPos(inside);
    transcript.str("");
    FleetJump(leader->iface, &lead, id);
    EXPECT_EQ(lead.GetState(), Accelerate);
    EXPECT_EQ(follower.GetState(), Accelerate);
    EXPECT_EQ(stayer.GetState(), Idle);
    EXPECT_EQ(stayer.GetCellCharge(), 1.0);
    EXPECT_EQ(follower.phaseStart, lead.phaseStart);
    const std::string t = Transcript();
    EXPECT_NE(t.find("sound PlayVesselWaveOBSound3 id=0 slot=51 loop=0 volume=255\n"),
              std::string::npos);
    EXPECT_EQ(t.find("slot=51"), t.rfind("slot=51"));
    EXPECT_EQ(busyDrive.phaseStart, busyStart) << "a running sequence is not restarted";
    EXPECT_EQ(partialDrive.GetState(), Charging);
    EXPECT_EQ(orphan.GetState(), Idle);
    EXPECT_FALSE(orphan.CanEngage());

    const VECTOR3 axis = host::MulMatrix(leader->rot, Vec(0, 0, 1));
    EXPECT_NEAR(Gap(host::MulMatrix(inside->rot, Vec(0, 0, 1)), axis), 0.0, 1e-12);
    EXPECT_NEAR(Gap(lead.destination, host::Add(leaderStart, host::Scale(axis, 7.5e9))), 0.0, 1e-3);
    EXPECT_NEAR(Gap(follower.destination, host::Add(insideStart, host::Scale(axis, 7.5e8))), 0.0,
                1e-3);
}

} // namespace
