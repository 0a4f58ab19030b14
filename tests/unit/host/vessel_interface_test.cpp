// The VESSEL interface: docking, propellant, orientation and status records.
#include "world_fixture.h"

#include <cmath>
#include <cstring>
#include <limits>

using host::Vec;

namespace {

void ExpectVecNear(const VECTOR3 &a, const VECTOR3 &b, double tol) {
    EXPECT_NEAR(a.x, b.x, tol);
    EXPECT_NEAR(a.y, b.y, tol);
    EXPECT_NEAR(a.z, b.z, tol);
}

} // namespace

TEST_F(WorldTest, DockingSetsTheFlightStatusAndCanBeWalked) {
    Vessel *hub = MakeVessel("Hub", {}, 3), *arm = MakeVessel("Arm", {}, 2);
    Vessel *tip = MakeVessel("Tip", {}, 1);
    EXPECT_EQ(hub->iface.GetFlightStatus(), 0u);
    ASSERT_TRUE(world().Dock(hub, 2, arm, 0));
    ASSERT_TRUE(world().Dock(arm, 1, tip, 0));
    EXPECT_FALSE(world().Dock(hub, 2, tip, 0)); // both ports taken
    EXPECT_FALSE(world().Dock(hub, 3, tip, 0)); // no such port
    EXPECT_FALSE(world().Dock(hub, 0, hub, 1)); // not to itself

    EXPECT_EQ(hub->iface.GetFlightStatus(), 0x2u);
    hub->status = 1;
    EXPECT_EQ(hub->iface.GetFlightStatus(), 0x3u);

    // Walk from the hub outwards through the interfaces only, as the drive does.
    std::vector<std::string> reached;
    VESSEL *v = &hub->iface;
    OBJHANDLE from = nullptr;
    for (bool moved = true; moved;) {
        moved = false;
        for (UINT i = 0; DOCKHANDLE d = v->GetDockHandle(i); ++i) {
            OBJHANDLE other = v->GetDockStatus(d);
            if (!other || other == from)
                continue;
            from = v->GetHandle();
            v = oapiGetVesselInterface(other);
            reached.push_back(v->GetName());
            moved = true;
            break;
        }
    }
    EXPECT_EQ(reached, (std::vector<std::string>{"Arm", "Tip"}));
    EXPECT_EQ(hub->iface.GetDockHandle(3), nullptr);
    EXPECT_EQ(hub->iface.GetDockStatus(arm->iface.GetDockHandle(0)), nullptr); // not its port

    EXPECT_TRUE(world().Undock(arm, 0));
    EXPECT_FALSE(world().Undock(arm, 0));
    EXPECT_EQ(hub->iface.GetFlightStatus(), 0x1u);
}

TEST_F(WorldTest, PropellantMassStaysWithinTheTank) {
    Vessel *v = MakeVessel("Tanker");
    v->tanks = {{6000.0, 100.0}, {50.0, 0.0}};
    VESSEL &vi = v->iface;
    ASSERT_EQ(vi.GetPropellantCount(), 2u);
    PROPELLANT_HANDLE ph = vi.GetPropellantHandleByIndex(0);
    ASSERT_NE(ph, nullptr);
    EXPECT_EQ(vi.GetPropellantHandleByIndex(2), nullptr);
    EXPECT_EQ(vi.GetPropellantHandleByIndex(0xFFFFFFFFu), nullptr);

    vi.SetPropellantMass(ph, 2500.0);
    EXPECT_DOUBLE_EQ(vi.GetPropellantMass(ph), 2500.0);
    vi.SetPropellantMass(ph, -1.0);
    EXPECT_DOUBLE_EQ(vi.GetPropellantMass(ph), 0.0);
    vi.SetPropellantMass(ph, 1e9);
    EXPECT_DOUBLE_EQ(vi.GetPropellantMass(ph), 6000.0);
    vi.SetPropellantMass(ph, std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(vi.GetPropellantMass(ph), 6000.0);
    vi.SetPropellantMass(ph, -std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(vi.GetPropellantMass(ph), 0.0);

    // Another vessel's tank is not this vessel's to change.
    Vessel *w = MakeVessel("Other");
    w->iface.SetPropellantMass(vi.GetPropellantHandleByIndex(1), 20.0);
    EXPECT_DOUBLE_EQ(v->tanks[1].mass, 0.0);
    EXPECT_DOUBLE_EQ(w->iface.GetPropellantMass(ph), 0.0);
    vi.SetPropellantMass(nullptr, 5.0);
}

TEST_F(WorldTest, OrientationRoundTripsAndDrivesGlobalRot) {
    Vessel *v = MakeVessel("Turner");
    const VECTOR3 angles[] = {Vec(0.3, -0.7, 2.5), Vec(-3.0, 1.2, -0.1), Vec(0, 0, 0),
                              Vec(1.0, 0.0, -1.0)};
    for (const VECTOR3 &arot : angles) {
        v->iface.SetGlobalOrientation(arot);
        VECTOR3 back;
        v->iface.GetGlobalOrientation(back);
        ExpectVecNear(back, arot, 1e-12);
        // The rotation is proper: it keeps lengths and handedness.
        VECTOR3 x, y, z;
        v->iface.GlobalRot(Vec(1, 0, 0), x);
        v->iface.GlobalRot(Vec(0, 1, 0), y);
        v->iface.GlobalRot(Vec(0, 0, 1), z);
        EXPECT_NEAR(host::Length(z), 1.0, 1e-12);
        ExpectVecNear(host::Cross(x, y), z, 1e-12);
    }

    // Applied at once: a new orientation turns the next GlobalRot.
    v->rot = host::RotationFromAxes(Vec(1, 0, 0), Vec(0, 1, 0));
    VECTOR3 arot;
    v->iface.GetGlobalOrientation(arot);
    v->iface.SetGlobalOrientation(Vec(0, 0, 0));
    VECTOR3 fwd;
    v->iface.GlobalRot(Vec(0, 0, 50000), fwd);
    ExpectVecNear(fwd, Vec(0, 0, 50000), 1e-9);
    v->iface.SetGlobalOrientation(arot);
    v->iface.GlobalRot(Vec(0, 0, 50000), fwd);
    ExpectVecNear(fwd, Vec(50000, 0, 0), 1e-9);
}

TEST_F(WorldTest, AxesGiveForwardAndUpEvenWhenUpIsUnusable) {
    MATRIX3 r = host::RotationFromAxes(Vec(0, 0, 2), Vec(0, 5, 1)); // up leans forward
    ExpectVecNear(host::MulMatrix(r, Vec(0, 0, 1)), Vec(0, 0, 1), 1e-12);
    ExpectVecNear(host::MulMatrix(r, Vec(0, 1, 0)), Vec(0, 1, 0), 1e-12);

    for (const VECTOR3 &up : {Vec(0, 0, 0), Vec(0, 3, 0)}) { // none, or along forward
        MATRIX3 m = host::RotationFromAxes(Vec(0, 1, 0), up);
        VECTOR3 f = host::MulMatrix(m, Vec(0, 0, 1)), u = host::MulMatrix(m, Vec(0, 1, 0));
        ExpectVecNear(f, Vec(0, 1, 0), 1e-12);
        EXPECT_NEAR(host::Dot(f, u), 0.0, 1e-12);
        EXPECT_NEAR(host::Length(u), 1.0, 1e-12);
    }
}

TEST_F(WorldTest, StatusIsReadRelativeToTheStrongestPull) {
    host::Body *sun = world().AddBody("Sun", 2e30, 7e8, Vec(0, 0, 0), Vec(0, 0, 0));
    host::Body *earth = world().AddBody("Earth", 6e24, 6.4e6, Vec(1.5e11, 0, 0), Vec(0, 3e4, 0));
    Vessel *v = MakeVessel("Orbiter", Vec(1.5e11 + 7e6, 0, 0));
    v->vel = Vec(0, 3e4 + 7.5e3, 0);
    v->iface.SetGlobalOrientation(Vec(0.1, 0.2, 0.3));

    VESSELSTATUS2 vs;
    std::memset(&vs, 0xAB, sizeof vs); // whatever the caller left in it
    vs.version = 2;
    vs.flag = 0;
    v->iface.GetStatusEx(&vs);
    EXPECT_EQ(vs.rbody, earth);
    ExpectVecNear(vs.rpos, Vec(7e6, 0, 0), 1e-3);
    ExpectVecNear(vs.rvel, Vec(0, 7.5e3, 0), 1e-9);
    ExpectVecNear(vs.arot, Vec(0.1, 0.2, 0.3), 1e-12);
    ExpectVecNear(vs.vrot, Vec(0, 0, 0), 0);
    EXPECT_EQ(vs.status, 0);
    EXPECT_EQ(vs.nfuel, 0u);
    EXPECT_EQ(vs.fuel, nullptr);
    EXPECT_EQ(vs.dockinfo, nullptr);

    // Far from the planet the star pulls harder.
    v->pos = Vec(1e9, 0, 0);
    v->iface.GetStatusEx(&vs);
    EXPECT_EQ(vs.rbody, sun);

    // Only version 2 is understood.
    VESSELSTATUS2 other{};
    other.version = 1;
    v->iface.GetStatusEx(&other);
    EXPECT_EQ(other.rbody, nullptr);
}

TEST_F(WorldTest, ApplyingAStatusKeepsEverythingElse) {
    host::Body *earth = world().AddBody("Earth", 6e24, 6.4e6, Vec(10, 0, 0), Vec(1, 0, 0));
    Vessel *v = MakeVessel("Ship", Vec(0, 0, 0), 1);
    v->tanks = {{100.0, 40.0}};
    v->cameraOffset = Vec(0, 1, 2);
    v->mass = 777.0;

    VESSELSTATUS2 vs{};
    vs.version = 2;
    v->iface.GetStatusEx(&vs);
    vs.rbody = earth;
    vs.rpos = Vec(0, 0, 5e8);
    vs.rvel = Vec(0, 2, 0);
    v->iface.DefSetStateEx(&vs);

    ExpectVecNear(v->pos, Vec(10, 0, 5e8), 0);
    ExpectVecNear(v->vel, Vec(1, 2, 0), 0);
    EXPECT_DOUBLE_EQ(v->tanks[0].mass, 40.0);
    EXPECT_DOUBLE_EQ(v->mass, 777.0);
    ExpectVecNear(v->cameraOffset, Vec(0, 1, 2), 0);
    EXPECT_EQ(v->ports.size(), 1u);

    VESSELSTATUS2 wrong = vs;
    wrong.version = 1;
    wrong.rpos = Vec(0, 0, 0);
    v->iface.DefSetStateEx(&wrong);
    EXPECT_DOUBLE_EQ(v->pos.z, 5e8);
}

TEST_F(WorldTest, BeaconsVisibilityAndCameraOffsetAreKept) {
    Vessel *v = MakeVessel("Flash");
    BEACONLIGHTSPEC beacon{};
    beacon.size = 2.5;
    v->iface.AddBeacon(&beacon);
    ASSERT_EQ(v->beacons.size(), 1u);
    EXPECT_EQ(v->beacons[0], &beacon); // the caller's record, not a copy
    EXPECT_NE(Transcript().find("beacon added to Flash size 2.5"), std::string::npos);

    v->iface.SetVisibilityLimit(1e-12);
    EXPECT_DOUBLE_EQ(v->visLimit, 1e-12);
    EXPECT_DOUBLE_EQ(v->spotLimit, -1.0);

    v->cameraOffset = Vec(0.5, 1.5, 3);
    VECTOR3 co;
    v->iface.GetCameraOffset(co);
    ExpectVecNear(co, Vec(0.5, 1.5, 3), 0);
}
