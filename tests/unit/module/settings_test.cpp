#include "module/settings.h"

#include "scratch_directory.h"

namespace {

const char kNativeSettingsPath[] = "Modules/Plugin/TarselMFD.ini";

const char kDefaultFile[] = "[Sizes]\n"
                            "Drives=4\n"
                            "MDFs=4\n"
                            "[Effects]\n"
                            "JumpVelocity=5.000000e+04\n"
                            "FlashOffset=1.000000e+01\n"
                            "[Settings]\n"
                            "ClassName=S C O U T\n"
                            "Capacitors=5\n"
                            "CellCapacity=6.000000e+03\n"
                            "CellReloadTime=1.000000e+01\n"
                            "JumpRange=7.500000e+08\n"
                            "JumpRangeScaling=1.000000e+01\n"
                            "[Features]\n"
                            "FleetRange=1.000000e+05\n";

void ExpectSame(const DriveSettingsRecord &a, const DriveSettingsRecord &b) {
    EXPECT_EQ(a.Drives, b.Drives);
    EXPECT_EQ(a.MDFs, b.MDFs);
    EXPECT_DOUBLE_EQ(a.JumpVelocity, b.JumpVelocity);
    EXPECT_DOUBLE_EQ(a.FlashOffset, b.FlashOffset);
    EXPECT_STREQ(a.ClassName, b.ClassName);
    EXPECT_EQ(a.Capacitors, b.Capacitors);
    EXPECT_DOUBLE_EQ(a.CellCapacity, b.CellCapacity);
    EXPECT_DOUBLE_EQ(a.CellReloadTime, b.CellReloadTime);
    EXPECT_DOUBLE_EQ(a.JumpRange, b.JumpRange);
    EXPECT_DOUBLE_EQ(a.JumpRangeScaling, b.JumpRangeScaling);
    EXPECT_DOUBLE_EQ(a.FleetRange, b.FleetRange);
}

class Settings : public ScratchDirectory {
protected:
    DriveSettingsRecord ReadFrom(const std::string &content) {
        WriteFile(kNativeSettingsPath, content);
        DriveSettingsRecord settings;
        ReadSettings(kSettingsPath, settings);
        return settings;
    }
};

} // namespace

TEST_F(Settings, MissingFileKeepsDefaultsAndIsWrittenWithEveryKeyInOrder) {
    DriveSettingsRecord settings;
    ReadSettings(kSettingsPath, settings);
    ExpectSame(settings, DriveSettingsRecord());

    WriteSettingsIfMissing(kSettingsPath, settings);
    EXPECT_EQ(ReadFile(kNativeSettingsPath), kDefaultFile);
}

TEST_F(Settings, WrittenFileReadsBackTheSameValues) {
    DriveSettingsRecord written;
    written.Drives = 6;
    written.MDFs = 2;
    written.JumpVelocity = 12345.5;
    written.FlashOffset = -3.25;
    std::snprintf(written.ClassName, sizeof written.ClassName, "%s", "Mk %d 100%");
    written.Capacitors = 9;
    written.CellCapacity = 0.5;
    written.CellReloadTime = 1e-3;
    written.JumpRange = 1.5e12;
    written.JumpRangeScaling = 2.0;
    written.FleetRange = 0.0;
    WriteSettingsIfMissing(kSettingsPath, written);

    DriveSettingsRecord read;
    ReadSettings(kSettingsPath, read);
    ExpectSame(read, written);
}

TEST_F(Settings, ExistingFileIsNeverRewritten) {
    const std::string partial =
        "; tuned by hand\r\n[settings]\r\nCapacitors = 7\r\n\r\n[SIZES]\r\nDrives=40";
    DriveSettingsRecord settings = ReadFrom(partial);
    EXPECT_EQ(settings.Capacitors, 7);
    EXPECT_EQ(settings.Drives, kMaxBucketExponent); // clamped in use only
    DriveSettingsRecord defaults;
    defaults.Capacitors = 7;
    defaults.Drives = settings.Drives;
    ExpectSame(settings, defaults);

    WriteSettingsIfMissing(kSettingsPath, settings);
    EXPECT_EQ(ReadFile(kNativeSettingsPath), partial);
}

TEST_F(Settings, EmptyValueKeepsTheDefault) {
    DriveSettingsRecord settings = ReadFrom("[Settings]\nJumpRange=\nClassName=   \n"
                                            "[Sizes]\nDrives=\"\"\n");
    ExpectSame(settings, DriveSettingsRecord());
}

TEST_F(Settings, TextWithoutANumberReadsAsZero) {
    DriveSettingsRecord settings = ReadFrom("[Settings]\nJumpRange=abc\n[Sizes]\nMDFs=abc\n");
    EXPECT_EQ(settings.JumpRange, 0.0);
    EXPECT_EQ(settings.MDFs, 0);
}

TEST_F(Settings, NumbersAreReadAsAtoiAndAtofDo) {
    DriveSettingsRecord settings = ReadFrom(
        "[Settings]\nCapacitors=12cells\nJumpRange=2.5e9m\n[Effects]\nJumpVelocity=0x10\n");
    EXPECT_EQ(settings.Capacitors, 12);
    EXPECT_EQ(settings.JumpRange, 2.5e9);
    EXPECT_EQ(settings.JumpVelocity, 16.0);
}

TEST_F(Settings, ClassNameKeepsPercentSigns) {
    DriveSettingsRecord settings = ReadFrom("[Settings]\nClassName=100% %s%n%d\n");
    EXPECT_STREQ(settings.ClassName, "100% %s%n%d");
}

TEST_F(Settings, LongClassNameIsCutTo254Characters) {
    DriveSettingsRecord settings =
        ReadFrom("[Settings]\nClassName=" + std::string(400, 'x') + "\n");
    EXPECT_EQ(std::string(settings.ClassName), std::string(254, 'x'));
}

TEST_F(Settings, BucketExponentsAreClamped) {
    EXPECT_EQ(ReadFrom("[Sizes]\nDrives=17\n").Drives, kMaxBucketExponent);
    EXPECT_EQ(ReadFrom("[Sizes]\nDrives=-3\n").Drives, 0);
    EXPECT_EQ(ReadFrom("[Sizes]\nMDFs=99999999999999999999\n").MDFs, kMaxBucketExponent);
    EXPECT_EQ(ReadFrom("[Sizes]\nMDFs=-99999999999999999999\n").MDFs, 0);
    EXPECT_EQ(ReadFrom("[Sizes]\nMDFs=16\n").MDFs, 16);
}

TEST_F(Settings, CapacitorsAreClamped) {
    EXPECT_EQ(ReadFrom("[Settings]\nCapacitors=0\n").Capacitors, kMinCapacitors);
    EXPECT_EQ(ReadFrom("[Settings]\nCapacitors=-5\n").Capacitors, kMinCapacitors);
    EXPECT_EQ(ReadFrom("[Settings]\nCapacitors=33\n").Capacitors, kMaxCapacitors);
    EXPECT_EQ(ReadFrom("[Settings]\nCapacitors=1\n").Capacitors, 1);
    EXPECT_EQ(ReadFrom("[Settings]\nCapacitors=32\n").Capacitors, 32);
}

TEST_F(Settings, NonFiniteRealsKeepTheDefault) {
    DriveSettingsRecord settings =
        ReadFrom("[Effects]\nJumpVelocity=nan\nFlashOffset=inf\n"
                 "[Settings]\nCellCapacity=1e999\nCellReloadTime=-infinity\n"
                 "JumpRange=NAN(1)\nJumpRangeScaling=1e400\n[Features]\nFleetRange=-1e999\n");
    ExpectSame(settings, DriveSettingsRecord());
}

TEST_F(Settings, NegativeMagnitudesKeepTheDefault) {
    DriveSettingsRecord settings =
        ReadFrom("[Effects]\nJumpVelocity=-1\n"
                 "[Settings]\nCellCapacity=-6000\nCellReloadTime=-10\n"
                 "JumpRange=-7.5e8\nJumpRangeScaling=-10\n[Features]\nFleetRange=-0.001\n");
    ExpectSame(settings, DriveSettingsRecord());
}

TEST_F(Settings, BoundaryValuesAreAccepted) {
    DriveSettingsRecord settings =
        ReadFrom("[Effects]\nJumpVelocity=0\nFlashOffset=-2.5\n"
                 "[Settings]\nCellCapacity=0\nCellReloadTime=0\nJumpRange=0\nJumpRangeScaling=0\n"
                 "[Features]\nFleetRange=0\n");
    EXPECT_EQ(settings.JumpVelocity, 0.0);
    EXPECT_EQ(settings.FlashOffset, -2.5);
    EXPECT_EQ(settings.CellCapacity, 0.0);
    // The charge rate divides by the reload time, which must stay above 0.
    EXPECT_EQ(settings.CellReloadTime, DriveSettingsRecord().CellReloadTime);
    EXPECT_EQ(settings.JumpRange, 0.0);
    EXPECT_EQ(settings.JumpRangeScaling, 0.0);
    EXPECT_EQ(settings.FleetRange, 0.0);
}

TEST_F(Settings, OtherSectionsAndKeysAreIgnored) {
    DriveSettingsRecord settings =
        ReadFrom("[Other]\nDrives=2\nCapacitors=3\n[Sizes]\nDrivers=5\n");
    ExpectSame(settings, DriveSettingsRecord());
}
