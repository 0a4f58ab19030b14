// The VESSEL interface: docking, propellant, orientation and status records.
#include "module_world.h"

#include <cstring>

using WorldTest = ModuleWorldTest;

// (A deleted vessel lets go of its ports when the step ends: the docked
// stack deleted in jump_sequence.scn.)
TEST_F(WorldTest, DockingSetsTheFlightStatusUntilUndocked) {
    Vessel *hub = AddVessel("Hub", {}, 3), *arm = AddVessel("Arm", {}, 2);
    Vessel *tip = AddVessel("Tip", {}, 1);
    ASSERT_TRUE(host::World().Dock(hub, 2, arm, 0));
    ASSERT_TRUE(host::World().Dock(arm, 1, tip, 0));
    // Not when both ports are taken, to a port that is not there or to itself.
    EXPECT_FALSE(host::World().Dock(hub, 2, tip, 0) || host::World().Dock(hub, 3, tip, 0) ||
                 host::World().Dock(hub, 0, hub, 1));

    EXPECT_EQ(hub->iface->GetFlightStatus(), 0x2u);
    hub->status = 1;
    EXPECT_EQ(hub->iface->GetFlightStatus(), 0x3u); // landed too
    EXPECT_EQ(hub->iface->GetDockStatus(hub->iface->GetDockHandle(2)), arm);
    EXPECT_EQ(hub->iface->GetDockStatus(arm->iface->GetDockHandle(0)), nullptr); // not its port

    EXPECT_TRUE(host::World().Undock(arm, 0));
    EXPECT_FALSE(host::World().Undock(arm, 0));
    EXPECT_EQ(hub->iface->GetFlightStatus(), 0x1u);
}

// The simulator stores what it is given: keeping 0 <= mass <= capacity is the caller's job.
TEST_F(WorldTest, PropellantMassIsStoredAsGivenAndOnlyInTheVesselsOwnTanks) {
    Vessel *v = AddVessel("Tanker");
    v->tanks = {{6000.0, 100.0}, {50.0, 0.0}};
    VESSEL &vi = *v->iface;
    PROPELLANT_HANDLE ph = vi.GetPropellantHandleByIndex(0);
    ASSERT_NE(ph, nullptr);
    EXPECT_EQ(vi.GetPropellantHandleByIndex(2), nullptr);

    for (double mass : {2500.0, -1.0, 1e9, -HUGE_VAL, std::nan("")}) {
        vi.SetPropellantMass(ph, mass);
        const double got = vi.GetPropellantMass(ph);
        EXPECT_TRUE(got == mass || (std::isnan(got) && std::isnan(mass))) << mass;
    }
    // Another vessel's tank is not this vessel's to change.
    Vessel *w = AddVessel("Other");
    w->iface->SetPropellantMass(vi.GetPropellantHandleByIndex(1), 20.0);
    EXPECT_DOUBLE_EQ(v->tanks[1].mass, 0.0);
    EXPECT_DOUBLE_EQ(w->iface->GetPropellantMass(ph), 0.0);
    vi.SetPropellantMass(nullptr, 5.0);
}

TEST_F(WorldTest, ANegativeSpotLimitTakesTheVisibilityLimit) {
    Vessel *v = AddVessel("Flash");
    for (const auto &[vis, spot, expected] :
         {std::make_tuple(1e-12, -1.0, 1e-12), {2e-3, -0.5, 2e-3}, {2e-3, 0.0, 0.0}}) {
        v->iface->SetVisibilityLimit(vis, spot);
        EXPECT_EQ(std::make_pair(v->visLimit, v->spotLimit), std::make_pair(vis, expected));
    }
}

// Removing a record the vessel does not hold reports false, whether it
// never held it or its records were cleared. (The records read every frame
// until removed: the flash objects in the flights' transcripts.)
TEST_F(WorldTest, OnlyARecordTheVesselHoldsIsRemoved) {
    Vessel *buoy = AddVessel("Buoy");
    BEACONLIGHTSPEC first{}, second{};
    buoy->iface->AddBeacon(&first);
    EXPECT_FALSE(buoy->iface->DelBeacon(&second));
    EXPECT_TRUE(buoy->iface->DelBeacon(&first));
    EXPECT_FALSE(buoy->iface->DelBeacon(&first));
    buoy->iface->AddBeacon(&first);
    buoy->iface->AddBeacon(&second);
    buoy->iface->ClearBeacons();
    EXPECT_TRUE(buoy->beacons.empty());
    EXPECT_FALSE(buoy->iface->DelBeacon(&second));
}

TEST_F(WorldTest, OrientationRoundTripsAndDrivesGlobalRot) {
    Vessel *v = AddVessel("Turner");
    for (const VECTOR3 &arot : {Vec(0.3, -0.7, 2.5), Vec(-3.0, 1.2, -0.1), Vec(0, 0, 0)}) {
        v->iface->SetGlobalOrientation(arot);
        VECTOR3 back;
        v->iface->GetGlobalOrientation(back);
        EXPECT_NEAR(Gap(back, arot), 0.0, 1e-12);
    }
    // Applied at once: a new orientation turns the next GlobalRot.
    v->rot = host::RotationFromAxes(Vec(1, 0, 0), Vec(0, 1, 0));
    VECTOR3 arot, fwd;
    v->iface->GetGlobalOrientation(arot);
    v->iface->SetGlobalOrientation(Vec(0, 0, 0));
    v->iface->GlobalRot(Vec(0, 0, 50000), fwd);
    EXPECT_NEAR(Gap(fwd, Vec(0, 0, 50000)), 0.0, 1e-9);
    v->iface->SetGlobalOrientation(arot);
    v->iface->GlobalRot(Vec(0, 0, 50000), fwd);
    EXPECT_NEAR(Gap(fwd, Vec(50000, 0, 0)), 0.0, 1e-9);
}

TEST_F(WorldTest, StatusIsReadRelativeToTheStrongestPullAndAppliedKeepingTheRest) {
    host::Body *sun = host::World().AddBody("Sun", 2e30, 7e8, Vec(0, 0, 0), Vec(0, 0, 0));
    host::Body *earth =
        host::World().AddBody("Earth", 6e24, 6.4e6, Vec(1.5e11, 0, 0), Vec(0, 3e4, 0));
    Vessel *v = AddVessel("Ship", Vec(1.5e11 + 7e6, 0, 0), 1);
    v->vel = Vec(0, 3e4 + 7.5e3, 0);
    v->iface->SetGlobalOrientation(Vec(0.1, 0.2, 0.3));
    v->tanks = {{100.0, 40.0}};

    VESSELSTATUS2 vs;
    std::memset(&vs, 0xAB, sizeof vs); // whatever the caller left in it
    vs.version = 2;
    vs.flag = 0;
    v->iface->GetStatusEx(&vs);
    EXPECT_EQ(vs.rbody, earth);
    EXPECT_NEAR(Gap(vs.rpos, Vec(7e6, 0, 0)), 0.0, 1e-3);
    EXPECT_NEAR(Gap(vs.rvel, Vec(0, 7.5e3, 0)), 0.0, 1e-9);
    EXPECT_NEAR(Gap(vs.arot, Vec(0.1, 0.2, 0.3)), 0.0, 1e-12);
    EXPECT_EQ(std::tie(vs.nfuel, vs.fuel, vs.dockinfo), std::make_tuple(0u, nullptr, nullptr));

    vs.rpos = Vec(0, 0, 5e8);
    vs.rvel = Vec(0, 2, 0);
    v->iface->DefSetStateEx(&vs);
    EXPECT_EQ(Gap(v->pos, Vec(1.5e11, 0, 5e8)) + Gap(v->vel, Vec(0, 3e4 + 2, 0)), 0.0);
    EXPECT_EQ(std::tie(v->tanks[0].mass, v->mass), std::make_tuple(40.0, 1000.0));
    EXPECT_EQ(v->ports.size(), 1u);
    // Far from the planet the star pulls harder.
    v->iface->GetStatusEx(&vs);
    EXPECT_EQ(vs.rbody, sun);

    // Only version 2 is understood.
    vs.version = 1;
    vs.rpos = Vec(0, 0, 0);
    v->iface->DefSetStateEx(&vs);
    EXPECT_DOUBLE_EQ(v->pos.z, 5e8);
}

// There are no surfaces to set a landed vessel down on: a landed record keeps
// position and velocity and applies the rest; a flying record launches it
// from the record's place. The run loop leaves a landed vessel where it is.
TEST_F(WorldTest, ALandedRecordKeepsTheVesselWhereItIsAndAFlyingOneLaunchesIt) {
    host::Body *earth = host::World().AddBody("Earth", 6e24, 6.4e6, Vec(1e7, 0, 0), Vec(0, 100, 0));
    Vessel *v = AddVessel("Lander", Vec(1e7 + 6.4e6, 0, 0));
    v->vel = Vec(0, 565, 0);
    VESSELSTATUS2 vs{};
    vs.version = 2;
    vs.rbody = earth;
    vs.status = 1;
    vs.rpos = Vec(0, 0, 7e6);
    vs.rvel = Vec(0, 0, 7500);
    vs.arot = Vec(0.1, 0.2, 0.3);
    v->iface->DefSetStateEx(&vs);
    EXPECT_EQ(v->iface->GetFlightStatus(), 0x1u);
    VECTOR3 arot;
    v->iface->GetGlobalOrientation(arot);
    EXPECT_NEAR(Gap(arot, Vec(0.1, 0.2, 0.3)), 0.0, 1e-12);
    host::RunSteps(3);
    EXPECT_EQ(Gap(v->pos, Vec(1e7 + 6.4e6, 0, 0)) + Gap(v->vel, Vec(0, 565, 0)), 0.0);
    v->iface->GetStatusEx(&vs);
    EXPECT_EQ(vs.status, 1);

    vs.status = 0;
    vs.rpos = Vec(0, 0, 7e6);
    vs.rvel = Vec(0, 0, 7500);
    v->iface->DefSetStateEx(&vs);
    EXPECT_EQ(v->iface->GetFlightStatus(), 0x0u);
    host::RunSteps(1); // launched from Earth's place at 0.3 s, moving with it
    EXPECT_NEAR(Gap(v->pos, Vec(1e7, 30 + 10, 7e6 + 750)), 0.0, 1e-9);

    // A vessel made landed stands where a new vessel stands: at the origin, at rest.
    vs.status = 1;
    Vessel *made = host::World().VesselFromHandle(oapiCreateVesselEx("Pad", "Pad", &vs));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->iface->GetFlightStatus(), 0x1u);
    EXPECT_EQ(host::Length(made->pos) + host::Length(made->vel), 0.0);
}
