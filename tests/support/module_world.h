// A fresh world, working directory and captured transcript per test: the
// module writes its files into the working directory, and the host and the
// stand-in sound library report to the transcript.
#ifndef TEST_MODULE_WORLD_H
#define TEST_MODULE_WORLD_H

#include "display/displays.h"
#include "run/simulation.h"
#include "scratch_directory.h"
#include "sound/sound_bridge.h"
#include "world/transcript.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <sstream>
#include <string>

class ModuleWorldTest : public SimulatorFolder {
protected:
    void SetUp() override {
        SimulatorFolder::SetUp();
        host::World().Reset();
        host::SetQuiet(false);
        host::SetOutput(&transcript);
    }

    void TearDown() override {
        host::UnloadSoundLibraries();
        host::World().Reset();
        host::SetOutput(nullptr);
        SimulatorFolder::TearDown();
    }

    // The stand-in OrbiterSound in that variant ("full", "no_replace", "no_id").
    static void LoadSound(const std::string &variant = "full") {
        LoadSoundLibraries({variant, "", ""});
    }

    static void LoadSoundLibraries(const host::SoundLibraries &wanted) {
        std::string error;
        ASSERT_TRUE(host::LoadSoundLibraries(wanted, &error)) << error;
    }

    // A ship of 10 t and 10 m at `pos` moving with `vel`, facing `forward`,
    // with tanks of 20 t capacity holding `tankMasses` and two docking ports.
    static Vessel *AddShip(const std::string &name, VECTOR3 pos, VECTOR3 vel, VECTOR3 forward,
                           std::initializer_list<double> tankMasses) {
        Vessel *v = host::World().AddVessel(name, "TestShip");
        v->mass = 10000.0;
        v->size = 10.0;
        v->pos = pos;
        v->vel = vel;
        const VECTOR3 up = std::abs(forward.y) < 0.9 ? host::Vec(0, 1, 0) : host::Vec(1, 0, 0);
        v->rot = host::RotationFromAxes(forward, up);
        for (double mass : tankMasses)
            v->tanks.push_back(host::Tank{20000.0, mass});
        v->ports.resize(2);
        return v;
    }

    // Display commands as a flight gives them; the host refusing one fails the test.
    static bool Open(Vessel *v, int position, DWORD w = 256, DWORD h = 256) {
        std::string error;
        const bool opened = host::OpenDisplay(v, position, w, h, &error);
        EXPECT_TRUE(opened) << error;
        return opened;
    }

    static void Close(Vessel *v, int position) {
        std::string error;
        EXPECT_TRUE(host::CloseDisplay(v, position, &error)) << error;
    }

    // Whether the display consumed the key.
    static bool Key(Vessel *v, int position, DWORD key) {
        bool consumed = false;
        std::string error;
        EXPECT_TRUE(host::SendKey(v, position, key, &consumed, &error)) << error;
        return consumed;
    }

    // Whether the answer closed the open input box.
    static bool Answer(const std::string &text) {
        std::string error;
        EXPECT_TRUE(host::AnswerInputBox(text, &error)) << error;
        return !host::InputBoxOpen();
    }

    static host::Page Draw(Vessel *v, int position) {
        host::Page page;
        std::string error;
        EXPECT_TRUE(host::DrawPage(v, position, &page, &error)) << error;
        return page;
    }

    std::string Transcript() const { return transcript.str(); }

    std::string TakeTranscript() {
        std::string text = transcript.str();
        transcript.str("");
        return text;
    }

    static int Count(const std::string &text, const std::string &part) {
        int n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }

    std::ostringstream transcript;
};

#endif
