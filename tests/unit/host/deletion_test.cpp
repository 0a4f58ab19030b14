// Deleting vessels: when they go, and their handles.
#include "world_fixture.h"

TEST_F(WorldTest, DeletedVesselStaysListedUntilTheEndOfTheStep) {
    static Vessel *victim;
    static bool listedDuringStep;
    victim = MakeVessel("Doomed");
    Vessel *w = MakeVessel("Other");
    host::ModuleEntryPoints entry;
    entry.preStep = [](double, double, double) {
        EXPECT_TRUE(oapiDeleteVessel(victim));
        EXPECT_FALSE(oapiDeleteVessel(victim)); // the second request is ignored
        listedDuringStep = oapiIsVessel(victim);
    };
    host::AttachModule(entry);
    host::RunSteps(1);
    EXPECT_TRUE(listedDuringStep);
    EXPECT_FALSE(oapiIsVessel(victim));
    EXPECT_EQ(oapiGetObjectCount(), 1u);
    EXPECT_EQ(oapiGetObjectByIndex(0), static_cast<host::SimObject *>(w));
    EXPECT_FALSE(oapiDeleteVessel(victim)); // gone: nothing to delete
}

TEST_F(WorldTest, HandlesOfDeletedVesselsStayReadableAndAreNeverReused) {
    world().AddBody("Earth", 6e24, 6.4e6, Vec(0, 0, 0), Vec(0, 0, 0));
    std::vector<OBJHANDLE> seen;
    VESSELSTATUS2 vs{};
    vs.version = 2;
    vs.rbody = world().bodies[0];
    for (int i = 0; i < 50; ++i) {
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
