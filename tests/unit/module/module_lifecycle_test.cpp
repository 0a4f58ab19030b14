#include "drive/drive_unit.h"
#include "mfd/mfd_state.h"
#include "module/module_exports.h"
#include "module/module_state.h"
#include "module/settings.h"
#include "world/world.h"

#include "scratch_directory.h"

namespace {

class ModuleLifecycle : public SimulatorFolder {
protected:
    void TearDown() override {
        if (driveRegistry || stateRegistry) {
            opcCloseRenderViewport();
            ExitModule(nullptr);
        }
        host::World().Reset();
        SimulatorFolder::TearDown();
    }
};

// A drive as the display builds one, for a vessel of the host's world.
DriveUnit *MakeDrive(const char *vesselName) {
    static const int32_t slots[4] = {50, 52, 53, 54};
    DriveParams params{};
    params.vessel = host::World().AddVessel(vesselName, "probe")->iface;
    params.soundSlots = slots;
    params.rangeTable = new double[1]{7.5e8}; // the drive owns it
    return new DriveUnit(params);
}

} // namespace

// A file is read at each load and never rewritten; without one each load
// starts from the defaults, and the file is written at exit.
TEST_F(ModuleLifecycle, EachLoadReadsTheSettingsAndExitWritesThemOnlyWhenMissing) {
    WriteFile(kSettingsFile, "[Sizes]\nDrives=2\nMDFs=99\n[Settings]\nClassName=Courier\n");
    stepBucket = 3;
    stepChain = 2;
    InitModule(nullptr);
    EXPECT_STREQ(DriveSettings.ClassName, "Courier");
    // The dispatch starts from the first bucket of the drives' 4.
    EXPECT_EQ(std::make_tuple(driveRegistry->BucketCount(), stepBucketCount, stepBucket, stepChain),
              std::make_tuple(4u, 4u, 0u, 0));
    EXPECT_EQ(stateRegistry->BucketCount(), 1u << kMaxBucketExponent);
    ExitModule(nullptr);
    EXPECT_FALSE(driveRegistry || stateRegistry) << "both registries are gone";

    std::filesystem::remove(kSettingsFile);
    InitModule(nullptr);
    EXPECT_STREQ(DriveSettings.ClassName, "S C O U T");
    EXPECT_FALSE(std::filesystem::exists(kSettingsFile));
    ExitModule(nullptr);
    std::string first = ReadFile(kSettingsFile);
    EXPECT_EQ(first.find("[Sizes]\r\nDrives=4\r\nMDFs=4\r\n[Effects]\r\n"), 0u);
    InitModule(nullptr);
    ExitModule(nullptr);
    EXPECT_EQ(ReadFile(kSettingsFile), first);
}

TEST_F(ModuleLifecycle, RunStartSavesTheApertureAndRunEndDestroysEveryDriveAndState) {
    host::World().cameraAperture = 0.25;
    savedAperture.restored = false;
    opcOpenRenderViewport(nullptr, 640, 480, FALSE);
    EXPECT_EQ(savedAperture.aperture, 0.25);
    EXPECT_TRUE(savedAperture.restored);

    InitModule(nullptr);
    for (const char *name : {"Alpha", "Beta", "Gamma"}) {
        driveRegistry->Insert(name, reinterpret_cast<uintptr_t>(MakeDrive(name)));
        stateRegistry->Insert((std::string(name) + ":0").c_str(),
                              reinterpret_cast<uintptr_t>(new MFDState));
    }
    stateRegistry->Insert("empty:1", 0);
    stepBucket = 9;
    stepChain = 2;

    opcCloseRenderViewport();
    EXPECT_EQ(std::make_tuple(driveRegistry->EntryCount(), stateRegistry->EntryCount(), stepBucket,
                              stepChain),
              std::make_tuple(0u, 0u, 0u, 0));
    // The next run's dispatch begins at bucket 0 with registries that work.
    driveRegistry->Insert("Delta", 0);
    EXPECT_EQ(driveRegistry->EntryCount(), 1u);
}
