// The object list as modules see it: order, lookup and names.
#include "module_world.h"

#include <cstring>

using WorldTest = ModuleWorldTest;

TEST_F(WorldTest, BodiesStandBeforeVesselsAndLookupByNameIgnoresCase) {
    Vessel *a = AddVessel("Hyperspace");
    host::Body *earth = host::World().AddBody("Earth", 6e24, 6.4e6, Vec(0, 0, 0), Vec(0, 0, 0));
    Vessel *b = AddVessel("Hyperspace");
    host::Body *moon = host::World().AddBody("Moon", 7.3e22, 1.7e6, Vec(4e8, 0, 0), Vec(0, 0, 0));

    using List = std::vector<OBJHANDLE>;
    ASSERT_EQ(oapiGetObjectCount(), 4u);
    EXPECT_EQ((List{oapiGetObjectByIndex(0), oapiGetObjectByIndex(1), oapiGetObjectByIndex(2),
                    oapiGetObjectByIndex(3), oapiGetObjectByIndex(4), oapiGetObjectByIndex(-1)}),
              (List{earth, moon, a, b, nullptr, nullptr}));
    EXPECT_EQ((List{oapiGetGbodyByIndex(1), oapiGetGbodyByIndex(2), oapiGetGbodyByIndex(-1)}),
              (List{moon, nullptr, nullptr}));
    // The first of equal names is found.
    char earthName[] = "eARTH", flash[] = "HYPERSPACE", none[] = "Mars";
    EXPECT_EQ((List{oapiGetObjectByName(earthName), oapiGetObjectByName(flash),
                    oapiGetObjectByName(none), oapiGetObjectByName(nullptr)}),
              (List{earth, a, nullptr, nullptr}));

    EXPECT_EQ(oapiGetVesselInterface(earth), nullptr);

    // Names are copied as strncpy copies: cut to the buffer without a
    // terminating zero when they fill it, padded with zeros when shorter.
    char cut[12];
    std::memset(cut, 'x', sizeof cut);
    oapiGetObjectName(a, cut, 10);
    EXPECT_EQ(std::string(cut, 12), "Hyperspacexx");
    oapiGetObjectName(earth, cut, 8);
    EXPECT_EQ(std::string(cut, 12), std::string("Earth\0\0\0", 8) + "cexx");
    oapiGetObjectName(a, cut, 0);
    EXPECT_EQ(cut[0], 'E');
}

// The object list keeps the scenario's order; the gravitating bodies are
// counted heaviest first, equal masses in that order.
TEST_F(WorldTest, GravitatingBodiesAreCountedHeaviestFirst) {
    host::Body *moon = host::World().AddBody("Moon", 7.3e22, 1.7e6, Vec(4e8, 0, 0), Vec(0, 0, 0));
    host::Body *twinA = host::World().AddBody("TwinA", 1e20, 1e5, Vec(1e9, 0, 0), Vec(0, 0, 0));
    host::Body *sun = host::World().AddBody("Sun", 2e30, 7e8, Vec(1.5e11, 0, 0), Vec(0, 0, 0));
    host::Body *twinB = host::World().AddBody("TwinB", 1e20, 1e5, Vec(2e9, 0, 0), Vec(0, 0, 0));
    host::Body *earth = host::World().AddBody("Earth", 6e24, 6.4e6, Vec(0, 0, 0), Vec(0, 0, 0));
    std::vector<OBJHANDLE> counted;
    for (int i = 0; i <= 5; ++i)
        counted.push_back(oapiGetGbodyByIndex(i));
    EXPECT_EQ(counted, (std::vector<OBJHANDLE>{sun, earth, moon, twinA, twinB, nullptr}));
    EXPECT_EQ(oapiGetObjectByIndex(0), moon);
    EXPECT_EQ(oapiGetObjectByIndex(4), earth);
}
