// A fresh world, working directory and captured transcript per test: the
// module writes its files into the working directory, and the host and the
// stand-in sound library report to the transcript. Whatever a test attached,
// ran or loaded ends with it.
#ifndef TEST_MODULE_WORLD_H
#define TEST_MODULE_WORLD_H

#include "display/displays.h"
#include "display/page_listing.h"
#include "drive/drive_unit.h"
#include "mfd/drive_mfd.h"
#include "module/base/module_state.h"
#include "module_entry.h"
#include "platform/drawing_surface.h"
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
#include <vector>

using host::Vec;
constexpr double kDegree = 3.14159265358979323846 / 180.0; // rad

class ModuleWorldTest : public SimulatorFolder {
protected:
    void SetUp() override {
        SimulatorFolder::SetUp();
        host::World().Reset();
        host::SetQuiet(false);
        host::SetOutput(&transcript);
    }

    void TearDown() override {
        host::EndRun();
        host::UnloadModule();
        host::UnloadSoundLibraries();
        host::World().Reset();
        host::SetOutput(nullptr);
        SimulatorFolder::TearDown();
    }

    // The stand-in sound libraries in those variants (by default the complete OrbiterSound).
    static void LoadSound(const host::SoundLibraries &wanted = {"full", "", ""}) {
        std::string error;
        ASSERT_TRUE(host::LoadSoundLibraries(wanted, &error)) << error;
    }

    // A vessel of 1 t at a global position, with that many docking ports.
    static Vessel *AddVessel(const std::string &name, VECTOR3 pos = {}, int ports = 0) {
        Vessel *v = host::World().AddVessel(name, "Test");
        v->mass = 1000.0;
        v->pos = pos;
        v->ports.resize(ports);
        return v;
    }

    // A ship of 10 t at `pos` moving with `vel`, facing `forward`,
    // with tanks of 20 t capacity holding `tankMasses` and two docking ports.
    static Vessel *AddShip(const std::string &name, VECTOR3 pos, VECTOR3 vel, VECTOR3 forward,
                           std::initializer_list<double> tankMasses) {
        Vessel *v = AddVessel(name, pos, 2);
        v->mass = 10000.0;
        v->vel = vel;
        v->rot = host::RotationFromAxes(forward,
                                        std::abs(forward.y) < 0.9 ? Vec(0, 1, 0) : Vec(1, 0, 0));
        for (double mass : tankMasses)
            v->tanks.push_back(host::Tank{20000.0, mass});
        return v;
    }

    static double Gap(const VECTOR3 &a, const VECTOR3 &b) { return host::Length(host::Sub(a, b)); }

    // The flash objects in the world.
    static std::vector<Vessel *> Flashes() {
        std::vector<Vessel *> found;
        for (host::SimObject *o : host::World().objects)
            if (o->isVessel && o->className == "Hyperspace")
                found.push_back(static_cast<Vessel *>(o));
        return found;
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

    // Whether the display consumed the key, or the left mouse button on a button.
    static bool Key(Vessel *v, int position, DWORD key) {
        bool consumed = false;
        std::string error;
        EXPECT_TRUE(host::SendKey(v, position, key, &consumed, &error)) << error;
        return consumed;
    }

    static bool Button(Vessel *v, int position, int button) {
        bool consumed = false;
        std::string error;
        EXPECT_TRUE(host::SendButton(v, position, button, PANEL_MOUSE_LBDOWN, &consumed, &error))
            << error;
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

// A simulation run with the module attached to the host (its entry points
// called as the simulator calls them), the stand-in sound library loaded and
// a small world: the body Earth, the ship Scout (three tanks of 1000 kg,
// 1000 m from Earth's centre along x, facing +z) and the ship Tug beside it.
// Displays are opened through the host's display framework, as the
// simulator does.
class DisplayTest : public ModuleWorldTest {
protected:
    void SetUp() override {
        ModuleWorldTest::SetUp();
        LoadSound();
        host::AttachModule(ModuleEntry());
        host::BeginRun();
        host::World().AddBody("Earth", 5.97e24, 6.371e6, VECTOR3{}, VECTOR3{});
        scout = AddShip("Scout", Vec(1000, 0, 0), {}, Vec(0, 0, 1), {1000.0, 1000.0, 1000.0});
        tug = AddShip("Tug", Vec(1000, 0, 0), {}, Vec(0, 0, 1), {1000.0});
    }

    DriveMFD *Open(Vessel *v, int position, DWORD w = 256, DWORD h = 256) {
        ModuleWorldTest::Open(v, position, w, h);
        return static_cast<DriveMFD *>(host::DisplayObject(v, position));
    }

    // The one value text on a label's line.
    static std::string LineOf(const host::Page &page, const std::string &label) {
        std::vector<std::string> texts;
        EXPECT_TRUE(host::TextsOnLabelLine(page, label, &texts)) << label;
        return texts.size() == 1 ? texts.front() : "<" + std::to_string(texts.size()) + " texts>";
    }

    // The drive of the vessel's display 0, opened for it, with that many cells full.
    DriveUnit &Drive(Vessel *v, int fullCells = 0) {
        DriveUnit &drive = *Open(v, 0)->drive;
        drive.cellIndex = fullCells > 0 ? fullCells - 1 : 0;
        drive.cellCharge = fullCells > 0 ? 1.0 : 0.0;
        return drive;
    }

    // Host steps until the drive reaches the state (at most `limit` steps).
    static void RunUntil(const DriveUnit &drive, DriveState state, int limit = 400) {
        for (int i = 0; i < limit && drive.GetState() != state; ++i)
            host::RunSteps(1);
        ASSERT_EQ(drive.GetState(), state);
    }

    static double ApertureDegrees() { return host::World().cameraAperture / kDegree; }

    Vessel *scout = nullptr;
    Vessel *tug = nullptr;
};

#endif
