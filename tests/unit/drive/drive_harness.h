// Drives made as the display makes them, and the host's run loop stepping
// them one per host step in turn, as the module's dispatch does.
#ifndef TEST_DRIVE_HARNESS_H
#define TEST_DRIVE_HARNESS_H

#include "drive/drive_unit.h"
#include "module/base/module_state.h"
#include "module_world.h"
#include "registry/keyed_table.h"

#include <memory>
#include <vector>

using host::Vec;
constexpr double kDegree = 3.14159265358979323846 / 180.0; // rad

class DriveTest : public ModuleWorldTest {
protected:
    void SetUp() override {
        ModuleWorldTest::SetUp();
        // The reference body moves, so that relative and global frames differ.
        sun = host::World().AddBody("Sun", 2e30, 7e8, Vec(1e6, 2e6, 3e6), Vec(100.0, 0.0, 0.0));
        current_ = this;
        previousRegistry_ = driveRegistry;
        driveRegistry = &registry_;
        host::ModuleEntryPoints entry;
        entry.preStep = &DriveTest::PreStep;
        host::AttachModule(entry);
        aperture.aperture = 30.0 * kDegree;
        host::World().SetCameraAperture(30.0 * kDegree);
    }

    void TearDown() override {
        host::UnloadModule();
        driveRegistry = previousRegistry_;
        drives.clear();
        current_ = nullptr;
        ModuleWorldTest::TearDown();
    }

    // A ship at a place relative to the moving reference body, at rest
    // relative to it, with one tank.
    Vessel *MakeVessel(const std::string &name, VECTOR3 relPos, VECTOR3 forward = Vec(0, 0, 1),
                       double tankMass = 10000.0) {
        return AddShip(name, host::Add(sun->pos, relPos), sun->vel, forward, {tankMass});
    }

    // A drive with the default settings and `fullCells` cells charged, entered
    // in the stepping order and, as the display enters it, once per vessel in
    // the registry.
    DriveUnit &MakeDrive(Vessel *v, int fullCells = 0, int32_t soundId = -1) {
        static const int32_t slots[4] = {50, 52, 53, 54};
        double *ranges = new double[5]{7.5e8, 7.5e9, 7.5e10, 7.5e11, 7.5e12};
        DriveParams params{v->iface, &aperture, 5,    soundId, slots,
                           50000.0,  ranges,    10.0, 10.0,    6000.0};
        drives.push_back(std::make_unique<DriveUnit>(params));
        registry_.Insert(v->name.c_str(), reinterpret_cast<uintptr_t>(drives.back().get()));
        FillCells(*drives.back(), fullCells);
        return *drives.back();
    }

    // Connects the vessel to the complete stand-in sound library and loads `wave` in every slot.
    static int32_t ConnectSound(Vessel *v, const char *wave) {
        LoadSound();
        const int32_t id = ConnectToOrbiterSoundDLL3(host::Handle(v));
        EXPECT_GE(id, 0);
        for (int slot = 50; slot <= 55; ++slot)
            LoadWave(id, slot, const_cast<char *>(wave), 0);
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

    static double ApertureDegrees() { return host::World().cameraAperture / kDegree; }
    static double Gap(const VECTOR3 &a, const VECTOR3 &b) { return host::Length(host::Sub(a, b)); }
    static VECTOR3 RelPos(const Vessel *v) { return host::Sub(v->pos, current_->sun->pos); }
    static VECTOR3 RelVel(const Vessel *v) { return host::Sub(v->vel, current_->sun->vel); }

    // The flash objects in the world.
    static std::vector<Vessel *> Flashes() {
        std::vector<Vessel *> found;
        for (host::SimObject *o : host::World().objects)
            if (o->isVessel && o->className == "Hyperspace")
                found.push_back(static_cast<Vessel *>(o));
        return found;
    }

    host::Body *sun = nullptr;
    SavedAperture aperture;
    std::vector<std::unique_ptr<DriveUnit>> drives;

private:
    static void PreStep(double simt, double simdt, double) {
        std::vector<std::unique_ptr<DriveUnit>> &all = current_->drives;
        if (!all.empty())
            all[current_->nextDrive_++ % all.size()]->Step(simt, simdt);
    }

    static DriveTest *current_;
    size_t nextDrive_ = 0; // index (modulo the count) of the drive the next host step advances
    KeyedTable registry_{4};
    KeyedTable *previousRegistry_ = nullptr;
};

inline DriveTest *DriveTest::current_ = nullptr;

#endif
