// The fleet command: the leader engages, and ready drives near it take its
// orientation and engage their own jumps.
#include "drive_harness.h"

#include "registry/keyed_table.h"

#include <cstdio>

namespace {

class FleetTest : public DriveTest {
protected:
    void SetUp() override {
        DriveTest::SetUp();
        previousRegistry_ = driveRegistry;
        driveRegistry = &registry_;
    }
    void TearDown() override {
        driveRegistry = previousRegistry_;
        DriveTest::TearDown();
    }

    // A drive as the display makes it: entered under its vessel's interface pointer.
    DriveUnit &Register(Vessel *v, int cells) {
        DriveUnit &drive = MakeDrive(v);
        char key[32];
        std::snprintf(key, sizeof key, "%p", static_cast<void *>(&v->iface));
        registry_.Insert(key, reinterpret_cast<uintptr_t>(&drive));
        if (cells > 0)
            FillCells(drive, cells);
        return drive;
    }

    static VECTOR3 Forward(const Vessel *v) {
        VECTOR3 axis;
        v->iface.GlobalRot(V(0, 0, 1), axis);
        return axis;
    }

private:
    KeyedTable registry_{4};
    KeyedTable *previousRegistry_ = nullptr;
};

const double kLeaderX = 5e6;

TEST_F(FleetTest, ReadyVesselsJustInsideTheRangeFollowAndThoseAtItStay) {
    Vessel *leader = MakeVessel("Leader", V(kLeaderX, 0, 0), V(0, 0.6, 0.8));
    Vessel *inside = MakeVessel("Inside", V(kLeaderX + 99999.0, 0, 0), V(1, 0, 0));
    Vessel *atLimit = MakeVessel("AtLimit", V(kLeaderX, -100000.0, 0), V(1, 0, 0));
    DriveUnit &lead = Register(leader, 1);
    DriveUnit &follower = Register(inside, 1);
    DriveUnit &stayer = Register(atLimit, 1);

    FleetJump(&leader->iface, &lead, -1);
    EXPECT_EQ(lead.GetState(), Accelerate);
    EXPECT_EQ(follower.GetState(), Accelerate);
    EXPECT_EQ(stayer.GetState(), Idle);
    EXPECT_EQ(stayer.GetCellCharge(), 1.0);
    EXPECT_EQ(follower.phaseStart, lead.phaseStart);
}

TEST_F(FleetTest, AFollowerTakesTheLeadersAxisAndJumpsItsOwnRange) {
    Vessel *leader = MakeVessel("Leader", V(kLeaderX, 0, 0), V(0, 0.6, 0.8), 20000.0);
    Vessel *wing = MakeVessel("Wing", V(kLeaderX, 2000.0, 0), V(-1, 0, 0));
    DriveUnit &lead = Register(leader, 2);
    DriveUnit &follower = Register(wing, 1);
    const VECTOR3 leaderStart = RelPos(leader);
    const VECTOR3 wingStart = RelPos(wing);

    FleetJump(&leader->iface, &lead, -1);
    ASSERT_EQ(follower.GetState(), Accelerate);
    const VECTOR3 axis = Forward(leader);
    EXPECT_NEAR(host::Length(host::Sub(Forward(wing), axis)), 0.0, 1e-12);
    EXPECT_NEAR(
        host::Length(host::Sub(lead.destination, host::Add(leaderStart, host::Scale(axis, 7.5e9)))),
        0.0, 1e-3);
    EXPECT_NEAR(host::Length(host::Sub(follower.destination,
                                       host::Add(wingStart, host::Scale(axis, 7.5e8)))),
                0.0, 1e-3);

    // Both fly their sequences, stepped in turn, and arrive near their destinations.
    for (int i = 0; i < 400 && (lead.IsJumping() || follower.IsJumping()); ++i)
        Run(1);
    EXPECT_EQ(lead.GetState(), Idle);
    EXPECT_EQ(follower.GetState(), Idle);
    EXPECT_LT(host::Length(host::Sub(RelPos(leader), lead.destination)), 5e6);
    EXPECT_LT(host::Length(host::Sub(RelPos(wing), follower.destination)), 5e6);
}

TEST_F(FleetTest, ALeaderNotReadyPlaysTheCancelSoundAndNobodyMoves) {
    Vessel *leader = MakeVessel("Leader", V(kLeaderX, 0, 0));
    Vessel *wing = MakeVessel("Wing", V(kLeaderX + 100.0, 0, 0));
    const int32_t id = ConnectSound(leader);
    for (int slot = 50; slot <= 55; ++slot)
        LoadWave(id, slot, const_cast<char *>("Sound\\TarselMFD\\cancel.wav"), 0);
    DriveUnit &lead = Register(leader, 0);
    DriveUnit &follower = Register(wing, 1);
    const MATRIX3 wingRot = wing->rot;

    transcript.str("");
    FleetJump(&leader->iface, &lead, id);
    EXPECT_NE(Transcript().find("sound PlayVesselWaveOBSound3 id=0 slot=55 loop=0 volume=255"),
              std::string::npos);
    EXPECT_EQ(Transcript().find("slot=51"), std::string::npos);
    EXPECT_EQ(follower.GetState(), Idle);
    EXPECT_EQ(follower.GetCellCharge(), 1.0);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(wing->rot.data[i], wingRot.data[i]);
}

TEST_F(FleetTest, TheEngageSoundPlaysOnceAndBusyOrPartChargedDrivesStay) {
    Vessel *leader = MakeVessel("Leader", V(kLeaderX, 0, 0));
    Vessel *busy = MakeVessel("Busy", V(kLeaderX + 100.0, 0, 0));
    Vessel *partial = MakeVessel("Partial", V(kLeaderX + 200.0, 0, 0));
    const int32_t id = ConnectSound(leader);
    LoadWave(id, 51, const_cast<char *>("Sound\\TarselMFD\\engage.wav"), 0);
    DriveUnit &lead = Register(leader, 1);
    DriveUnit &busyDrive = Register(busy, 1);
    DriveUnit &partialDrive = Register(partial, 0);
    ASSERT_TRUE(busyDrive.Engage());
    ASSERT_TRUE(partialDrive.StartCharge());
    partialDrive.Step(0.0, 1.0);
    const double busyStart = busyDrive.phaseStart;

    Run(2);
    transcript.str("");
    FleetJump(&leader->iface, &lead, id);
    const std::string t = Transcript();
    EXPECT_NE(t.find("sound PlayVesselWaveOBSound3 id=0 slot=51"), std::string::npos);
    EXPECT_EQ(t.find("slot=51"), t.rfind("slot=51"));
    EXPECT_EQ(busyDrive.phaseStart, busyStart) << "a running sequence is not restarted";
    EXPECT_EQ(partialDrive.GetState(), Charging);
}

TEST_F(FleetTest, AFollowerWhoseVesselIsGoneIsSkipped) {
    Vessel *leader = MakeVessel("Leader", V(kLeaderX, 0, 0));
    Vessel *lost = MakeVessel("Lost", V(kLeaderX + 100.0, 0, 0));
    DriveUnit &lead = Register(leader, 1);
    DriveUnit &orphan = Register(lost, 1);
    Delete(lost);
    EXPECT_FALSE(orphan.VesselAlive());

    FleetJump(&leader->iface, &lead, -1);
    EXPECT_EQ(lead.GetState(), Accelerate);
    EXPECT_EQ(orphan.GetState(), Idle);
    EXPECT_FALSE(orphan.CanEngage());
}

} // namespace
