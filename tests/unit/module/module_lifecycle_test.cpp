#include "drive/drive_unit.h"
#include "mfd/mfd_state.h"
#include "module/base/module_state.h"
#include "module/base/settings.h"
#include "module/module_exports.h"
#include "module/step_dispatch.h"
#include "world/world.h"

#include "bucket_keys.h"
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

// The keys of the entries the dispatch gives in its next `count` calls.
std::vector<std::string> NextStepKeys(int count) {
    std::vector<std::string> keys;
    for (int i = 0; i < count; ++i) {
        const KeyedEntry *entry = NextStepEntry();
        keys.push_back(entry ? entry->key : "<none>");
    }
    return keys;
}

} // namespace

// A file is read at each load and never rewritten; without one each load
// starts from the defaults, and the file is written at exit.
TEST_F(ModuleLifecycle, EachLoadReadsTheSettingsAndExitWritesThemOnlyWhenMissing) {
    WriteFile(kSettingsFile, "[Sizes]\nDrives=2\nMDFs=99\n[Settings]\nClassName=Courier\n");
    InitModule(nullptr);
    EXPECT_STREQ(DriveSettings.ClassName, "Courier");
    EXPECT_EQ(driveRegistry->BucketCount(), 4u);
    // The dispatch goes round the registry's buckets from the first.
    const std::string second = KeysInBucket(1, 4, 1)[0], last = KeysInBucket(3, 4, 1)[0];
    driveRegistry->Insert(last.c_str(), 0);
    driveRegistry->Insert(second.c_str(), 0);
    EXPECT_EQ(NextStepKeys(3), (std::vector<std::string>{second, last, second}));
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
    const uint32_t buckets = driveRegistry->BucketCount();
    std::vector<std::string> names = KeysInBucket(9, buckets, 2, "Chained");
    names.push_back(KeysInBucket(5, buckets, 1, "Alone")[0]);
    for (const std::string &name : names) {
        driveRegistry->Insert(name.c_str(), reinterpret_cast<uintptr_t>(MakeDrive(name.c_str())));
        stateRegistry->Insert((name + ":0").c_str(), reinterpret_cast<uintptr_t>(new MFDState));
    }
    stateRegistry->Insert("empty:1", 0);
    // The dispatch stops in the middle of bucket 9's chain.
    EXPECT_EQ(NextStepKeys(2), (std::vector<std::string>{names[2], names[0]}));

    opcCloseRenderViewport();
    EXPECT_EQ(driveRegistry->EntryCount(), 0u);
    EXPECT_EQ(stateRegistry->EntryCount(), 0u);
    // The next run's dispatch begins at the head of bucket 0, with registries that work.
    const std::vector<std::string> next = KeysInBucket(0, buckets, 2, "Next");
    const std::string last = KeysInBucket(buckets - 1, buckets, 1, "Next")[0];
    for (const std::string &key : {next[0], next[1], last})
        driveRegistry->Insert(key.c_str(), 0);
    EXPECT_EQ(driveRegistry->EntryCount(), 3u);
    EXPECT_EQ(NextStepKeys(3), (std::vector<std::string>{next[0], next[1], last}));
}
