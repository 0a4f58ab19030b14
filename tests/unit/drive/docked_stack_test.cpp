// Whatever docks to a vessel during its jump sequence is deleted at the jump,
// the vessels farthest out first.
#include "drive_harness.h"

namespace {

class DockedStackTest : public DriveTest {};

TEST_F(DockedStackTest, AStackDockedDuringAccelerationIsDeletedDeepestFirst) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7));
    Vessel *tug = MakeVessel("Tug", V(0, 0, 1e7 + 30));
    Vessel *pod = MakeVessel("Pod", V(0, 0, 1e7 + 60));
    Vessel *probe = MakeVessel("Probe", V(0, 0, 1e7 + 90));
    Vessel *bystander = MakeVessel("Bystander", V(0, 0, 1e7 + 500));
    DriveUnit &drive = MakeDrive(ship);
    FillCells(drive, 1);
    ASSERT_TRUE(drive.Engage());
    Run(5);
    ASSERT_EQ(drive.GetState(), Accelerate);
    ASSERT_TRUE(host::World().Dock(ship, 1, tug, 0));
    ASSERT_TRUE(host::World().Dock(tug, 1, pod, 0));
    ASSERT_TRUE(host::World().Dock(pod, 1, probe, 0));

    transcript.str("");
    RunUntil(drive, Flash);
    const std::string t = Transcript();
    const size_t probeGone = t.find("vessel Probe deleted");
    const size_t podGone = t.find("vessel Pod deleted");
    const size_t tugGone = t.find("vessel Tug deleted");
    ASSERT_NE(probeGone, std::string::npos);
    ASSERT_NE(podGone, std::string::npos);
    ASSERT_NE(tugGone, std::string::npos);
    EXPECT_LT(probeGone, podGone);
    EXPECT_LT(podGone, tugGone);
    EXPECT_TRUE(oapiIsVessel(host::Handle(ship)));
    EXPECT_TRUE(oapiIsVessel(host::Handle(bystander)));
    EXPECT_EQ(ship->iface.GetFlightStatus() & 0x2u, 0u) << "undocked when the stack went";
}

TEST_F(DockedStackTest, AVesselWithNothingDockedLosesNothing) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7));
    MakeVessel("Neighbour", V(0, 0, 1e7 + 50));
    DriveUnit &drive = MakeDrive(ship);
    FillCells(drive, 1);
    ASSERT_TRUE(drive.Engage());
    const size_t before = host::World().objects.size();
    RunUntil(drive, Flash);
    EXPECT_EQ(host::World().objects.size(), before + 2) << "only the two flash objects";
}

// Three vessels docked in a ring: the walk must end and must not turn back
// onto the jumping vessel.
TEST_F(DockedStackTest, ARingOfDockedVesselsEndsTheWalk) {
    Vessel *ship = MakeVessel("Ship", V(0, 0, 1e7));
    Vessel *left = MakeVessel("Left", V(20, 0, 1e7));
    Vessel *right = MakeVessel("Right", V(-20, 0, 1e7));
    DriveUnit &drive = MakeDrive(ship);
    FillCells(drive, 1);
    ASSERT_TRUE(drive.Engage());
    host::World().Dock(ship, 0, left, 0);
    host::World().Dock(left, 1, right, 0);
    host::World().Dock(right, 1, ship, 1);
    RunUntil(drive, Flash);
    EXPECT_FALSE(oapiIsVessel(host::Handle(left)));
    EXPECT_FALSE(oapiIsVessel(host::Handle(right)));
    EXPECT_TRUE(oapiIsVessel(host::Handle(ship)));
}

} // namespace
