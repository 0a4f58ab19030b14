// A fresh world for each test, its transcript captured, in a scratch
// directory for whatever a loaded module writes; any module is unloaded after.
#ifndef TEST_HOST_WORLD_FIXTURE_H
#define TEST_HOST_WORLD_FIXTURE_H

#include "world/module_logs.h"
#include "world/simulation.h"
#include "world/transcript.h"
#include "world/world.h"

#include "scratch_directory.h"

using host::Vec;

class WorldTest : public ScratchDirectory {
protected:
    void SetUp() override {
        ScratchDirectory::SetUp();
        host::World().Reset();
        host::SetOutput(&transcript);
    }
    void TearDown() override {
        host::UnloadModule();
        host::SetOutput(nullptr);
        host::World().Reset();
        ScratchDirectory::TearDown();
    }

    host::WorldState &world() { return host::World(); }
    std::string Transcript() const { return transcript.str(); }

    // A vessel at a global position, with the given number of docking ports.
    Vessel *MakeVessel(const std::string &name, VECTOR3 pos = {}, int ports = 0) {
        Vessel *v = world().AddVessel(name, "Test");
        v->mass = 1000.0;
        v->pos = pos;
        v->ports.resize(ports);
        return v;
    }

    std::ostringstream transcript;
};

#endif
