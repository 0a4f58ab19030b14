// A fresh world for each test, its transcript captured, in a scratch
// directory for whatever a loaded module writes; any module is unloaded after.
#ifndef TEST_HOST_WORLD_FIXTURE_H
#define TEST_HOST_WORLD_FIXTURE_H

#include "module_world.h"
#include "world/module_logs.h"

using host::Vec;

class WorldTest : public ModuleWorldTest {
protected:
    void TearDown() override {
        host::UnloadModule();
        ModuleWorldTest::TearDown();
    }

    host::WorldState &world() { return host::World(); }

    // A vessel at a global position, with the given number of docking ports.
    Vessel *MakeVessel(const std::string &name, VECTOR3 pos = {}, int ports = 0) {
        Vessel *v = world().AddVessel(name, "Test");
        v->mass = 1000.0;
        v->pos = pos;
        v->ports.resize(ports);
        return v;
    }

    static void ExpectVecNear(const VECTOR3 &a, const VECTOR3 &b, double tol) {
        EXPECT_NEAR(a.x, b.x, tol);
        EXPECT_NEAR(a.y, b.y, tol);
        EXPECT_NEAR(a.z, b.z, tol);
    }
};

#endif
