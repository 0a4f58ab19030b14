// A fresh world for each test, its transcript captured.
#ifndef TEST_HOST_WORLD_FIXTURE_H
#define TEST_HOST_WORLD_FIXTURE_H

#include "world/transcript.h"
#include "world/world.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

class WorldTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::World().Reset();
        host::SetQuiet(false);
        host::SetOutput(&transcript);
    }
    void TearDown() override {
        host::SetOutput(nullptr);
        host::World().Reset();
    }

    host::WorldState &world() { return host::World(); }
    std::string Transcript() const { return transcript.str(); }

    // A vessel at a global position, with the given tanks (capacity, content) and ports.
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
