// The object list as modules see it: order, lookup, names, masses, relative states.
#include "world_fixture.h"

using host::Vec;

TEST_F(WorldTest, BodiesStandBeforeVesselsWhateverTheOrderOfCreation) {
    Vessel *a = MakeVessel("Alpha");
    host::Body *earth = world().AddBody("Earth", 5.97e24, 6.37e6, Vec(0, 0, 0), Vec(0, 0, 0));
    Vessel *b = MakeVessel("Beta");
    host::Body *moon = world().AddBody("Moon", 7.3e22, 1.7e6, Vec(4e8, 0, 0), Vec(0, 0, 0));

    ASSERT_EQ(oapiGetObjectCount(), 4u);
    EXPECT_EQ(oapiGetObjectByIndex(0), earth);
    EXPECT_EQ(oapiGetObjectByIndex(1), moon);
    EXPECT_EQ(oapiGetObjectByIndex(2), static_cast<host::SimObject *>(a));
    EXPECT_EQ(oapiGetObjectByIndex(3), static_cast<host::SimObject *>(b));
    EXPECT_EQ(oapiGetObjectByIndex(4), nullptr);
    EXPECT_EQ(oapiGetObjectByIndex(-1), nullptr);

    EXPECT_EQ(oapiGetGbodyByIndex(1), moon);
    EXPECT_EQ(oapiGetGbodyByIndex(2), nullptr);
    EXPECT_EQ(oapiGetGbodyByIndex(-1), nullptr);
}

TEST_F(WorldTest, LookupByNameIgnoresCaseAndFindsTheFirstOfEqualNames) {
    world().AddBody("Earth", 1, 1, Vec(0, 0, 0), Vec(0, 0, 0));
    Vessel *first = MakeVessel("Hyperspace");
    MakeVessel("Hyperspace");

    char earth[] = "eARTH", flash[] = "HYPERSPACE", none[] = "Mars";
    EXPECT_EQ(oapiGetObjectByName(earth), world().bodies[0]);
    EXPECT_EQ(oapiGetObjectByName(flash), static_cast<host::SimObject *>(first));
    EXPECT_EQ(oapiGetObjectByName(none), nullptr);
    EXPECT_EQ(oapiGetObjectByName(nullptr), nullptr);
}

TEST_F(WorldTest, ObjectNameIsCutToTheBufferAndAlwaysTerminated) {
    Vessel *v = MakeVessel("Enterprise");
    char buf[6] = "xxxxx";
    oapiGetObjectName(v, buf, 6);
    EXPECT_STREQ(buf, "Enter");
    oapiGetObjectName(v, buf, 1);
    EXPECT_STREQ(buf, "");

    buf[0] = 'x';
    oapiGetObjectName(v, buf, 0);
    oapiGetObjectName(v, buf, -5);
    EXPECT_EQ(buf[0], 'x'); // nothing written

    char big[32];
    oapiGetObjectName(v, big, sizeof big);
    EXPECT_STREQ(big, "Enterprise");
    int local = 0; // not a handle the host gave out
    oapiGetObjectName(&local, big, sizeof big);
    EXPECT_STREQ(big, "");
}

TEST_F(WorldTest, MassOfAVesselIncludesItsPropellant) {
    Vessel *v = MakeVessel("Tanker");
    v->tanks = {{5000.0, 1200.0}, {100.0, 30.0}};
    EXPECT_DOUBLE_EQ(oapiGetMass(v), 1000.0 + 1200.0 + 30.0);
    host::Body *b = world().AddBody("Earth", 5.97e24, 6.37e6, Vec(0, 0, 0), Vec(0, 0, 0));
    EXPECT_DOUBLE_EQ(oapiGetMass(b), 5.97e24);
    EXPECT_DOUBLE_EQ(oapiGetSize(b), 6.37e6);
}

TEST_F(WorldTest, RelativeStateIsObjectMinusReference) {
    host::Body *b = world().AddBody("Earth", 1, 1, Vec(10, 20, 30), Vec(1, 2, 3));
    Vessel *v = MakeVessel("Probe", Vec(11, 18, 40));
    v->vel = Vec(5, 5, 5);

    VECTOR3 pos, vel;
    oapiGetRelativePos(v, b, &pos);
    oapiGetRelativeVel(v, b, &vel);
    EXPECT_DOUBLE_EQ(pos.x, 1);
    EXPECT_DOUBLE_EQ(pos.y, -2);
    EXPECT_DOUBLE_EQ(pos.z, 10);
    EXPECT_DOUBLE_EQ(vel.x, 4);
    EXPECT_DOUBLE_EQ(vel.z, 2);

    v->iface.GetRelativePos(b, pos);
    EXPECT_DOUBLE_EQ(pos.y, -2);
    v->iface.GetRelativeVel(b, vel);
    EXPECT_DOUBLE_EQ(vel.y, 3);
}

TEST_F(WorldTest, VesselInterfaceBelongsToVesselsOnly) {
    host::Body *b = world().AddBody("Earth", 1, 1, Vec(0, 0, 0), Vec(0, 0, 0));
    Vessel *v = MakeVessel("Probe");
    EXPECT_EQ(oapiGetVesselInterface(v), &v->iface);
    EXPECT_EQ(oapiGetVesselInterface(b), nullptr);
    EXPECT_FALSE(oapiIsVessel(b));
    EXPECT_TRUE(oapiIsVessel(v));
    EXPECT_STREQ(v->iface.GetName(), "Probe");
    EXPECT_STREQ(v->iface.GetClassName(), "Test");

    VESSEL onBody(b); // a body is no vessel: the interface reads nothing
    EXPECT_EQ(onBody.GetHandle(), nullptr);
    EXPECT_EQ(onBody.GetPropellantCount(), 0u);
    EXPECT_STREQ(onBody.GetName(), "");
}
