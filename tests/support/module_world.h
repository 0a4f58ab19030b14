// A fresh world, working directory and captured transcript per test: the
// module writes its files into the working directory, and the host and the
// stand-in sound library report to the transcript. Whatever a test attached,
// ran or loaded ends with it.
#ifndef TEST_MODULE_WORLD_H
#define TEST_MODULE_WORLD_H

#include "display/displays.h"
#include "display/drawing_surface.h"
#include "drive/drive_unit.h"
#include "mfd/drive_mfd.h"
#include "module/module_state.h"
#include "module_entry.h"
#include "registry/keyed_table.h"
#include "scratch_directory.h"
#include "sound/sound_bridge.h"
#include "world/simulation.h"
#include "world/transcript.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <memory>
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

    // A ship of 10 t and 10 m at `pos` moving with `vel`, facing `forward`,
    // with tanks of 20 t capacity holding `tankMasses` and two docking ports.
    static Vessel *AddShip(const std::string &name, VECTOR3 pos, VECTOR3 vel, VECTOR3 forward,
                           std::initializer_list<double> tankMasses) {
        Vessel *v = AddVessel(name, pos, 2);
        v->className = "TestShip";
        v->mass = 10000.0;
        v->size = 10.0;
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

    Vessel *scout = nullptr;
    Vessel *tug = nullptr;
};

// Drives made as the display makes them, and the host's run loop stepping
// them one per host step in turn, as the module's dispatch does; no module
// is attached. The reference body moves, so that relative and global frames
// differ.
class DriveTest : public ModuleWorldTest {
protected:
    void SetUp() override {
        ModuleWorldTest::SetUp();
        sun = host::World().AddBody("Sun", 2e30, 7e8, Vec(1e6, 2e6, 3e6), Vec(100.0, 0.0, 0.0));
        current_ = this;
        previousRegistry_ = driveRegistry;
        driveRegistry = &registry_;
        host::ModuleEntryPoints entry;
        entry.preStep = [](double simt, double simdt, double) {
            std::vector<std::unique_ptr<DriveUnit>> &all = current_->drives;
            if (!all.empty())
                all[current_->nextDrive_++ % all.size()]->Step(simt, simdt);
        };
        host::AttachModule(entry);
        aperture.aperture = 30.0 * kDegree;
        host::World().SetCameraAperture(30.0 * kDegree);
    }

    void TearDown() override {
        host::UnloadModule();
        driveRegistry = previousRegistry_;
        drives.clear();
        ModuleWorldTest::TearDown();
    }

    // A ship at a place relative to the reference body, at rest relative to
    // it, with one tank.
    Vessel *MakeVessel(const std::string &name, VECTOR3 relPos, VECTOR3 forward = Vec(0, 0, 1),
                       double tankMass = 10000.0) {
        return AddShip(name, host::Add(sun->pos, relPos), sun->vel, forward, {tankMass});
    }

    // A drive with the default settings and `fullCells` cells charged (by the
    // charge command and the drive's own steps, without moving time in the
    // world), entered in the stepping order and, as the display enters it,
    // once per vessel in the registry.
    DriveUnit &MakeDrive(Vessel *v, int fullCells = 0, int32_t soundId = -1) {
        static const int32_t slots[4] = {50, 52, 53, 54};
        double *ranges = new double[5]{7.5e8, 7.5e9, 7.5e10, 7.5e11, 7.5e12};
        drives.push_back(std::make_unique<DriveUnit>(DriveParams{
            v->iface, &aperture, 5, soundId, slots, 50000.0, ranges, 10.0, 10.0, 6000.0}));
        DriveUnit &drive = *drives.back();
        registry_.Insert(v->name.c_str(), reinterpret_cast<uintptr_t>(&drive));
        for (int c = 0; c < fullCells; ++c) {
            EXPECT_TRUE(drive.StartCharge());
            for (int i = 0; i < 20 && drive.GetState() == Charging; ++i)
                drive.Step(0.0, 1.0);
        }
        return drive;
    }

    static void Run(long long steps) { host::RunSteps(steps); }

    // Host steps until the drive reaches the state (at most `limit` steps).
    static void RunUntil(const DriveUnit &drive, DriveState state, int limit = 400) {
        for (int i = 0; i < limit && drive.GetState() != state; ++i)
            host::RunSteps(1);
        ASSERT_EQ(drive.GetState(), state);
    }

    static double ApertureDegrees() { return host::World().cameraAperture / kDegree; }
    static VECTOR3 RelPos(const Vessel *v) { return host::Sub(v->pos, current_->sun->pos); }
    static VECTOR3 RelVel(const Vessel *v) { return host::Sub(v->vel, current_->sun->vel); }

    host::Body *sun = nullptr;
    SavedAperture aperture;
    std::vector<std::unique_ptr<DriveUnit>> drives;

private:
    inline static DriveTest *current_ = nullptr;
    size_t nextDrive_ = 0; // index (modulo the count) of the drive the next host step advances
    KeyedTable registry_{4};
    KeyedTable *previousRegistry_ = nullptr;
};

#endif
