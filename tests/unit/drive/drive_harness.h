// A fresh world and working directory per test, drives made as the display
// makes them, and the host's run loop stepping them one per host step in
// turn, as the module's dispatch does.
#ifndef TEST_DRIVE_HARNESS_H
#define TEST_DRIVE_HARNESS_H

#include "drive/drive_unit.h"
#include "sound/sound_bridge.h"
#include "world/simulation.h"
#include "world/transcript.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

inline VECTOR3 V(double x, double y, double z) {
    VECTOR3 v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

inline double Degrees(double rad) {
    return rad * 180.0 / 3.14159265358979323846;
}
inline double Radians(double deg) {
    return deg * 3.14159265358979323846 / 180.0;
}

class DriveTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousDir_ = std::filesystem::current_path();
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tarsel-drive-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        scratchDir_ = pattern;
        std::filesystem::current_path(scratchDir_);

        host::World().Reset();
        host::SetQuiet(false);
        host::SetOutput(&transcript);
        // The reference body moves, so that relative and global frames differ.
        sun = host::World().AddBody("Sun", 2e30, 7e8, V(1e6, 2e6, 3e6), V(100.0, 0.0, 0.0));
        current_ = this;
        host::ModuleEntryPoints entry;
        entry.preStep = &DriveTest::PreStep;
        host::AttachModule(entry);
        aperture.aperture = Radians(30.0);
        aperture.restored = true;
        host::World().SetCameraAperture(Radians(30.0));
    }

    void TearDown() override {
        host::UnloadModule();
        host::UnloadSoundLibrary();
        current_ = nullptr;
        host::World().Reset();
        drives.clear();
        host::SetOutput(nullptr);
        std::filesystem::current_path(previousDir_);
        std::filesystem::remove_all(scratchDir_);
    }

    // A vessel at a place relative to the reference body, pointing along
    // `forward`, with one tank (capacity, content) and some docking ports.
    Vessel *MakeVessel(const std::string &name, VECTOR3 relPos, VECTOR3 forward = V(0, 0, 1),
                       double tankMass = 10000.0, int ports = 2) {
        Vessel *v = host::World().AddVessel(name, "TestShip");
        v->mass = 10000.0;
        v->size = 10.0;
        v->pos = host::Add(sun->pos, relPos);
        v->vel = sun->vel;
        v->rot =
            host::RotationFromAxes(forward, std::abs(forward.y) < 0.9 ? V(0, 1, 0) : V(1, 0, 0));
        v->tanks.push_back(host::Tank{20000.0, tankMass});
        v->ports.resize(ports);
        return v;
    }

    // A drive with the default settings, entered in the stepping order.
    DriveUnit &MakeDrive(Vessel *v, int32_t soundId = -1) {
        static const int32_t slots[4] = {50, 52, 53, 54};
        double *ranges = new double[5];
        ranges[0] = 7.5e8;
        for (int i = 1; i < 5; ++i)
            ranges[i] = ranges[i - 1] * 10.0;
        DriveParams params{&v->iface, &aperture, 5,    soundId, slots,
                           50000.0,   ranges,    10.0, 10.0,    6000.0};
        drives.push_back(std::make_unique<DriveUnit>(params));
        return *drives.back();
    }

    // Loads the complete stand-in sound library and connects the vessel to it.
    int32_t ConnectSound(Vessel *v) {
        std::string error;
        EXPECT_TRUE(host::LoadSoundLibrary("full", &error)) << error;
        int32_t id = ConnectToOrbiterSoundDLL3(host::Handle(v));
        EXPECT_GE(id, 0);
        return id;
    }

    // Fills `cells` cells by the charge command and the drive's own steps,
    // without moving time in the world.
    static void FillCells(DriveUnit &drive, int cells) {
        for (int c = 0; c < cells; ++c) {
            ASSERT_TRUE(drive.StartCharge());
            for (int i = 0; i < 20 && drive.GetState() == Charging; ++i)
                drive.Step(0.0, 1.0);
            ASSERT_EQ(drive.GetCellCharge(), 1.0);
        }
    }

    static void Run(long long steps) { host::RunSteps(steps); }

    // Host steps until the drive reaches the state (at most `limit` steps).
    static void RunUntil(const DriveUnit &drive, DriveState state, int limit = 400) {
        for (int i = 0; i < limit && drive.GetState() != state; ++i)
            host::RunSteps(1);
        ASSERT_EQ(drive.GetState(), state);
    }

    static VECTOR3 RelPos(const Vessel *v) { return host::Sub(v->pos, current_->sun->pos); }
    static VECTOR3 RelVel(const Vessel *v) { return host::Sub(v->vel, current_->sun->vel); }

    static int CountClass(const std::string &className) {
        int n = 0;
        for (host::SimObject *o : host::World().objects)
            n += o->className == className;
        return n;
    }

    static std::vector<Vessel *> ObjectsOfClass(const std::string &className) {
        std::vector<Vessel *> found;
        for (host::SimObject *o : host::World().objects)
            if (o->isVessel && o->className == className)
                found.push_back(static_cast<Vessel *>(o));
        return found;
    }

    static int Count(const std::string &text, const std::string &part) {
        int n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }

    static void Delete(Vessel *v) {
        host::World().RequestDelete(v);
        host::World().FlushDeletions();
    }

    std::string Transcript() const { return transcript.str(); }

    host::Body *sun = nullptr;
    SavedAperture aperture;
    std::vector<std::unique_ptr<DriveUnit>> drives;
    std::ostringstream transcript;
    size_t nextDrive_ = 0; // index (modulo the count) of the drive the next host step advances

private:
    static void PreStep(double simt, double simdt, double) {
        std::vector<std::unique_ptr<DriveUnit>> &all = current_->drives;
        if (all.empty())
            return;
        all[current_->nextDrive_++ % all.size()]->Step(simt, simdt);
    }

    static DriveTest *current_;
    std::filesystem::path previousDir_;
    std::filesystem::path scratchDir_;
};

inline DriveTest *DriveTest::current_ = nullptr;

#endif
