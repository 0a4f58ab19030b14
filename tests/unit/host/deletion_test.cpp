// Deleting vessels: when they go, and their handles.
#include "world_fixture.h"

#include <set>

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
    std::set<OBJHANDLE> seen;
    VESSELSTATUS2 vs{};
    vs.version = 2;
    vs.rbody = world().bodies[0];
    for (int i = 0; i < 50; ++i) {
        OBJHANDLE h = oapiCreateVesselEx("Hyperspace", "Hyperspace", &vs);
        ASSERT_NE(h, nullptr);
        ASSERT_TRUE(seen.insert(h).second);
        oapiDeleteVessel(h);
        world().FlushDeletions();
    }
    const OBJHANDLE gone = *seen.begin();
    char name[16];
    oapiGetObjectName(gone, name, sizeof name);
    EXPECT_STREQ(name, "Hyperspace");
    EXPECT_FALSE(oapiIsVessel(gone));
    EXPECT_EQ(oapiGetVesselInterface(gone)->GetHandle(), gone);
}
