#include "module/base/number_text.h"
#include "module/base/settings.h"

#include "scratch_directory.h"

#include <climits>
#include <cmath>
#include <tuple>
#include <utility>

namespace {

const char kDefaultFile[] =
    "[Sizes]\r\nDrives=4\r\nMDFs=4\r\n"
    "[Effects]\r\nJumpVelocity=5.000000e+04\r\nFlashOffset=1.000000e+01\r\n"
    "[Settings]\r\nClassName=S C O U T\r\nCapacitors=5\r\nCellCapacity=6.000000e+03\r\n"
    "CellReloadTime=1.000000e+01\r\nJumpRange=7.500000e+08\r\nJumpRangeScaling=1.000000e+01\r\n"
    "[Features]\r\nFleetRange=1.000000e+05\r\n";

// Every field, comparable and printable as a whole.
auto Fields(const DriveSettingsRecord &s) {
    return std::make_tuple(s.Drives, s.MDFs, s.JumpVelocity, s.FlashOffset,
                           std::string(s.ClassName), s.Capacitors, s.CellCapacity, s.CellReloadTime,
                           s.JumpRange, s.JumpRangeScaling, s.FleetRange);
}

class Settings : public SimulatorFolder {
protected:
    DriveSettingsRecord ReadFrom(const std::string &content) {
        WriteFile(kSettingsFile, content);
        DriveSettingsRecord settings;
        ReadSettings(kSettingsPath, settings);
        return settings;
    }
};

} // namespace

TEST_F(Settings, MissingFileKeepsDefaultsAndIsWrittenWithEveryKeyInOrderToBeReadBack) {
    DriveSettingsRecord settings;
    ReadSettings(kSettingsPath, settings);
    EXPECT_EQ(Fields(settings), Fields(DriveSettingsRecord()));
    WriteSettingsIfMissing(kSettingsPath, settings);
    EXPECT_EQ(ReadFile(kSettingsFile), kDefaultFile);

    std::filesystem::remove(kSettingsFile);
    const DriveSettingsRecord written{6,   2,    12345.5, -3.25, "Mk %d 100%", 9,
                                      0.5, 1e-3, 1.5e12,  2.0,   0.0};
    WriteSettingsIfMissing(kSettingsPath, written);
    ReadSettings(kSettingsPath, settings);
    EXPECT_EQ(Fields(settings), Fields(written));
}

TEST_F(Settings, ExistingFileIsNeverRewritten) {
    const std::string partial =
        "; tuned by hand\r\n[settings]\r\nCapacitors = 7\r\n\r\n[SIZES]\r\nDrives=40";
    DriveSettingsRecord settings = ReadFrom(partial);
    // Drives clamped in use only.
    EXPECT_EQ(std::make_pair(settings.Capacitors, settings.Drives),
              std::make_pair(7, kMaxBucketExponent));
    WriteSettingsIfMissing(kSettingsPath, settings);
    EXPECT_EQ(ReadFile(kSettingsFile), partial);
}

// Each file, read over the defaults, changes just the fields its row changes.
TEST_F(Settings, ValuesAreReadAsTheCRuntimeReadsThemThenMadeSafe) {
    const std::vector<std::pair<std::string, void (*)(DriveSettingsRecord &)>> rows = {
        // Keys outside their section, and empty values, keep the defaults.
        {"[Other]\nDrives=2\nCapacitors=3\n[Sizes]\nDrivers=5\nDrives=\"\"\n"
         "[Settings]\nJumpRange=\nClassName=   \n",
         [](auto &) {}},
        {"[Settings]\nJumpRange=abc\n[Sizes]\nMDFs=abc\n",
         [](auto &s) { s.JumpRange = 0.0, s.MDFs = 0; }},
        {"[Settings]\nCapacitors=12cells\nJumpRange=2.5e9m\n[Effects]\nJumpVelocity= 7.5E+2\n",
         [](auto &s) { s.Capacitors = 12, s.JumpRange = 2.5e9, s.JumpVelocity = 750.0; }},
        // Hexadecimal numbers as C99 reads them; infinities and NaN keep the defaults.
        {"[Effects]\nJumpVelocity=0x10\nFlashOffset=inf\n[Settings]\nJumpRange=NAN(1)\n"
         "CellCapacity=-infinity\nCellReloadTime=nan\nJumpRangeScaling=0x1p-1\n"
         "[Features]\nFleetRange=+0X1p30\n",
         [](auto &s) {
             s.JumpVelocity = 16.0, s.JumpRangeScaling = 0.5, s.FleetRange = 1073741824.0;
         }},
        {"[Effects]\nJumpVelocity=INFINITY\nFlashOffset=-nan\n[Features]\nFleetRange=-inf\n",
         [](auto &) {}},
        {"[Settings]\nClassName=" + std::string(400, 'x') + "\n",
         [](auto &s) { std::snprintf(s.ClassName, 256, "%s", std::string(254, 'x').c_str()); }},
        // The clamps.
        {"[Sizes]\nDrives=17\nMDFs=-99999999999999999999\n[Settings]\nCapacitors=0\n",
         [](auto &s) { s.Drives = kMaxBucketExponent, s.MDFs = 0, s.Capacitors = kMinCapacitors; }},
        {"[Sizes]\nDrives=-3\nMDFs=99999999999999999999\n[Settings]\nCapacitors=33\n",
         [](auto &s) { s.Drives = 0, s.MDFs = kMaxBucketExponent, s.Capacitors = kMaxCapacitors; }},
        // Numbers too large for a double, or negative magnitudes, keep the defaults.
        {"[Effects]\nJumpVelocity=1e999\nFlashOffset=-1e999\n[Settings]\nCellCapacity=1e999\n"
         "CellReloadTime=1e400\nJumpRange=1.8e308\nJumpRangeScaling=1e400\n"
         "[Features]\nFleetRange=-1e999\n",
         [](auto &) {}},
        // A negative fleet range stays: no vessel follows.
        {"[Effects]\nJumpVelocity=-1\n[Settings]\nCellCapacity=-6000\nCellReloadTime=-10\n"
         "JumpRange=-7.5e8\nJumpRangeScaling=-10\n[Features]\nFleetRange=-0.001\n",
         [](auto &s) { s.FleetRange = -0.001; }},
        // Zero is accepted except for the reload time, which the charge rate divides by.
        {"[Effects]\nJumpVelocity=0\nFlashOffset=-2.5\n[Settings]\nCellCapacity=0\n"
         "CellReloadTime=0\nJumpRange=0\nJumpRangeScaling=0\n[Features]\nFleetRange=0\n",
         [](auto &s) {
             s.JumpVelocity = s.CellCapacity = s.JumpRange = s.JumpRangeScaling = s.FleetRange = 0;
             s.FlashOffset = -2.5;
         }},
        // Values finite each, whose range table, charge rate or reach would not be.
        {"[Settings]\nJumpRange=1e300\nJumpRangeScaling=1e300\nCellCapacity=1e300\n"
         "CellReloadTime=1e-300\n[Effects]\nJumpVelocity=1e308\n",
         [](auto &) {}},
        {"[Effects]\nJumpVelocity=3e307\n", [](auto &) {}},
        {"[Effects]\nJumpVelocity=1.8e306\n", [](auto &) {}},
        {"[Settings]\nCapacitors=10\nJumpRange=1e300\n", [](auto &s) { s.Capacitors = 10; }},
        // At the edge: the last row, the rate and the reach just finite.
        {"[Settings]\nCapacitors=9\nJumpRange=1e300\nCellCapacity=1e300\nCellReloadTime=1e-8\n"
         "[Effects]\nJumpVelocity=1.79e306\n",
         [](auto &s) {
             s.Capacitors = 9, s.JumpRange = 1e300, s.CellCapacity = 1e300;
             s.CellReloadTime = 1e-8, s.JumpVelocity = 1.79e306;
         }},
    };
    for (const auto &[content, change] : rows) {
        DriveSettingsRecord expected;
        change(expected);
        EXPECT_EQ(Fields(ReadFrom(content)), Fields(expected)) << content;
    }
}

// The numbers of the settings file and of the boxes, read as the C runtime reads them.
TEST(SaturatingAtoi, ReadsLikeAtoiAndSaturatesAtTheIntLimits) {
    // clang-format off
    const std::pair<const char *, int> rows[] = {
        {"42", 42}, {"  \t-17xyz", -17}, {"+8", 8}, {"3.9", 3}, {"abc", 0}, {"", 0}, {"-", 0},
        {"- 5", 0}, {nullptr, 0}, {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
        {"2147483648", INT_MAX}, {"-2147483649", INT_MIN}, {"000000000000000000000012", 12},
        {"99999999999999999999999", INT_MAX}, {"-99999999999999999999999", INT_MIN}};
    // clang-format on
    for (const auto &[text, expected] : rows) {
        EXPECT_EQ(SaturatingAtoi(text), expected) << (text ? text : "null");
    }
}

// As the C runtime's strtod reads them: decimal and hexadecimal numbers,
// infinities and NaN, with their signs; 0 where no number leads the text.
TEST(ReadNumber, ReadsTheLeadingNumberAsC99Does) {
    // clang-format off
    const std::pair<const char *, double> rows[] = {
        {"1500", 1500.0}, {"  \t-3.5e2xyz", -350.0}, {"+.5", 0.5}, {"5.", 5.0}, {"1e", 1.0},
        {"1e+", 1.0}, {"2E-3m", 0.002}, {".e3", 0.0}, {".", 0.0}, {"-", 0.0}, {"", 0.0},
        {nullptr, 0.0}, {"abc", 0.0}, {"- 5", 0.0}, {"0x10", 16.0}, {"0x1p30", 1073741824.0},
        {"-0X1p4", -16.0}, {"0x.8P1", 1.0}, {" 0xAbc.8", 2748.5}, {"0x", 0.0}, {"-0xg", -0.0},
        {"00x5", 0.0}, {"inf", HUGE_VAL}, {"-infinity", -HUGE_VAL}, {"INFinity!", HUGE_VAL},
        {"0.1", 0.1}, {"7.600003e+09m", 7.600003e9}, {"1e999", HUGE_VAL}, {"-1e999", -HUGE_VAL}};
    // clang-format on
    for (const auto &[text, expected] : rows) {
        EXPECT_EQ(ReadNumber(text), expected) << (text ? text : "null");
        EXPECT_EQ(std::signbit(ReadNumber(text)), std::signbit(expected)) << (text ? text : "null");
    }
    for (const char *text : {"nan", "-NAN", "NaN(1)", "nan(abc)x"})
        EXPECT_TRUE(std::isnan(ReadNumber(text))) << text;
}
