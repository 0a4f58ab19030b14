// Creating and deleting vessels: timing, the graveyard, docking and the camera.
#include "world_fixture.h"

#include "world/simulation.h"

using host::Vec;

namespace {

VESSELSTATUS2 StatusAt(OBJHANDLE rbody, VECTOR3 rpos) {
    VESSELSTATUS2 vs{};
    vs.version = 2;
    vs.rbody = rbody;
    vs.rpos = rpos;
    return vs;
}

} // namespace

TEST_F(WorldTest, DeletedVesselStaysListedUntilTheEndOfTheStep) {
    Vessel *v = MakeVessel("Doomed");
    Vessel *w = MakeVessel("Other");

    EXPECT_TRUE(oapiDeleteVessel(v));
    EXPECT_FALSE(oapiDeleteVessel(v)); // the second request is ignored
    EXPECT_TRUE(oapiIsVessel(v));
    EXPECT_EQ(oapiGetObjectCount(), 2u);

    world().FlushDeletions();
    EXPECT_FALSE(oapiIsVessel(v));
    EXPECT_TRUE(oapiIsVessel(w));
    EXPECT_EQ(oapiGetObjectCount(), 1u);
    EXPECT_EQ(oapiGetObjectByIndex(0), static_cast<host::SimObject *>(w));
    EXPECT_FALSE(oapiDeleteVessel(v)); // gone: nothing to delete
    EXPECT_NE(Transcript().find("vessel Doomed deleted"), std::string::npos);
}

TEST_F(WorldTest, DeletionInsideAStepTakesEffectAfterIt) {
    Vessel *v = MakeVessel("Doomed");
    static Vessel *victim;
    static bool listedDuringStep;
    victim = v;
    host::ModuleEntryPoints entry;
    entry.preStep = [](double, double, double) {
        oapiDeleteVessel(victim);
        listedDuringStep = oapiIsVessel(victim);
    };
    host::AttachModule(entry);
    host::RunSteps(1);
    host::UnloadModule();
    EXPECT_TRUE(listedDuringStep);
    EXPECT_FALSE(oapiIsVessel(v));
}

TEST_F(WorldTest, HandlesOfDeletedVesselsStayReadableAndAreNeverReused) {
    world().AddBody("Earth", 1, 1, Vec(0, 0, 0), Vec(0, 0, 0));
    std::vector<OBJHANDLE> seen;
    for (int i = 0; i < 50; ++i) {
        VESSELSTATUS2 vs = StatusAt(world().bodies[0], Vec(i, 0, 0));
        OBJHANDLE h = oapiCreateVesselEx("Hyperspace", "Hyperspace", &vs);
        ASSERT_NE(h, nullptr);
        for (OBJHANDLE old : seen)
            ASSERT_NE(h, old);
        seen.push_back(h);
        oapiDeleteVessel(h);
        world().FlushDeletions();
    }
    char name[16];
    oapiGetObjectName(seen.front(), name, sizeof name);
    EXPECT_STREQ(name, "Hyperspace");
    EXPECT_FALSE(oapiIsVessel(seen.front()));
    EXPECT_EQ(oapiGetVesselInterface(seen.front())->GetHandle(), seen.front());
}

TEST_F(WorldTest, CreatedVesselTakesItsStateFromTheRecord) {
    host::Body *b = world().AddBody("Earth", 1, 1, Vec(100, 0, 0), Vec(0, 10, 0));
    VESSELSTATUS2 vs = StatusAt(b, Vec(1, 2, 3));
    vs.rvel = Vec(0, 0, 7);
    vs.arot = Vec(0.1, 0.2, 0.3);
    vs.status = 1;
    OBJHANDLE h = oapiCreateVesselEx("Flash", "Hyperspace", &vs);
    Vessel *v = world().VesselFromHandle(h);
    ASSERT_NE(v, nullptr);
    EXPECT_DOUBLE_EQ(v->pos.x, 101);
    EXPECT_DOUBLE_EQ(v->vel.y, 10);
    EXPECT_DOUBLE_EQ(v->vel.z, 7);
    EXPECT_DOUBLE_EQ(oapiGetMass(h), 1.0);
    EXPECT_DOUBLE_EQ(oapiGetSize(h), 1.0);
    EXPECT_EQ(v->iface.GetPropellantCount(), 0u);
    EXPECT_EQ(v->iface.GetDockHandle(0), nullptr);
    EXPECT_EQ(v->iface.GetFlightStatus(), 0x1u);
    VECTOR3 arot;
    v->iface.GetGlobalOrientation(arot);
    EXPECT_NEAR(arot.y, 0.2, 1e-12);
    EXPECT_NE(Transcript().find("vessel Flash created (Hyperspace)"), std::string::npos);

    VESSELSTATUS2 old = vs;
    old.version = 1;
    EXPECT_EQ(oapiCreateVesselEx("X", "Hyperspace", &old), nullptr);
    EXPECT_EQ(oapiCreateVesselEx("X", "Hyperspace", nullptr), nullptr);
    int stranger = 0;
    VESSELSTATUS2 badRef = StatusAt(&stranger, Vec(0, 0, 0));
    EXPECT_EQ(oapiCreateVesselEx("X", "Hyperspace", &badRef), nullptr);
}

TEST_F(WorldTest, DeletionUndocksThePortsFirst) {
    Vessel *a = MakeVessel("A", {}, 2), *b = MakeVessel("B", {}, 1);
    ASSERT_TRUE(world().Dock(a, 1, b, 0));
    oapiDeleteVessel(b);
    EXPECT_EQ(a->iface.GetFlightStatus() & 0x2u, 0x2u); // still docked during the step
    world().FlushDeletions();
    EXPECT_EQ(a->iface.GetFlightStatus() & 0x2u, 0u);
    EXPECT_EQ(a->iface.GetDockStatus(a->iface.GetDockHandle(1)), nullptr);
    EXPECT_EQ(b->ports[0].other, nullptr);
}

TEST_F(WorldTest, CameraLeavesADeletedVessel) {
    world().AddBody("Earth", 1, 1, Vec(0, 0, 0), Vec(0, 0, 0));
    Vessel *a = MakeVessel("A"), *b = MakeVessel("B"), *c = MakeVessel("C");

    world().cameraTarget = b;
    oapiDeleteVessel(b, c);
    EXPECT_EQ(oapiCameraTarget(), static_cast<host::SimObject *>(b)); // until the step ends
    world().FlushDeletions();
    EXPECT_EQ(oapiCameraTarget(), static_cast<host::SimObject *>(c));

    // Without an alternative, the first vessel that stays; then the first body.
    world().cameraTarget = c;
    oapiDeleteVessel(c);
    world().FlushDeletions();
    EXPECT_EQ(oapiCameraTarget(), static_cast<host::SimObject *>(a));
    oapiDeleteVessel(a, a);
    world().FlushDeletions();
    EXPECT_EQ(oapiCameraTarget(), world().bodies[0]);
}

TEST_F(WorldTest, CameraDoesNotMoveToAnAlternativeThatGoesToo) {
    Vessel *a = MakeVessel("A"), *b = MakeVessel("B"), *c = MakeVessel("C");
    world().cameraTarget = a;
    oapiDeleteVessel(a, b);
    oapiDeleteVessel(b);
    world().FlushDeletions();
    EXPECT_EQ(oapiCameraTarget(), static_cast<host::SimObject *>(c));
}
