#include "module/base/settings.h"

#include "Orbitersdk.h"
#include "module/base/host_path.h"
#include "module/base/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Which real values a key accepts; a refused one leaves the field unchanged.
enum class Accept { Finite, NotNegative, Positive };

struct SettingKey {
    const char *section;
    const char *key;
    int DriveSettingsRecord::*integer; // an integer key, clamped to lowest..highest
    int lowest, highest;
    double DriveSettingsRecord::*real; // a real key
    Accept accept;
    char (DriveSettingsRecord::*text)[256]; // a text key
};

constexpr SettingKey IntegerKey(const char *section, const char *key,
                                int DriveSettingsRecord::*field, int lowest, int highest) {
    return {section, key, field, lowest, highest, nullptr, Accept::Finite, nullptr};
}

constexpr SettingKey RealKey(const char *section, const char *key,
                             double DriveSettingsRecord::*field, Accept accept) {
    return {section, key, nullptr, 0, 0, field, accept, nullptr};
}

constexpr SettingKey TextKey(const char *section, const char *key,
                             char (DriveSettingsRecord::*field)[256]) {
    return {section, key, nullptr, 0, 0, nullptr, Accept::Finite, field};
}

// In the order the keys are read and written.
constexpr SettingKey kKeys[] = {
    IntegerKey("Sizes", "Drives", &DriveSettingsRecord::Drives, 0, kMaxBucketExponent),
    IntegerKey("Sizes", "MDFs", &DriveSettingsRecord::MDFs, 0, kMaxBucketExponent),
    RealKey("Effects", "JumpVelocity", &DriveSettingsRecord::JumpVelocity, Accept::NotNegative),
    RealKey("Effects", "FlashOffset", &DriveSettingsRecord::FlashOffset, Accept::Finite),
    TextKey("Settings", "ClassName", &DriveSettingsRecord::ClassName),
    IntegerKey("Settings", "Capacitors", &DriveSettingsRecord::Capacitors, kMinCapacitors,
               kMaxCapacitors),
    RealKey("Settings", "CellCapacity", &DriveSettingsRecord::CellCapacity, Accept::NotNegative),
    RealKey("Settings", "CellReloadTime", &DriveSettingsRecord::CellReloadTime, Accept::Positive),
    RealKey("Settings", "JumpRange", &DriveSettingsRecord::JumpRange, Accept::NotNegative),
    RealKey("Settings", "JumpRangeScaling", &DriveSettingsRecord::JumpRangeScaling,
            Accept::NotNegative),
    // A negative range is meaningful: no vessel follows the fleet command.
    RealKey("Features", "FleetRange", &DriveSettingsRecord::FleetRange, Accept::Finite),
};

bool Accepted(double value, Accept accept) {
    switch (accept) {
    case Accept::Finite:
        return std::isfinite(value);
    case Accept::NotNegative:
        return std::isfinite(value) && value >= 0.0;
    case Accept::Positive:
        return std::isfinite(value) && value > 0.0;
    }
    return false;
}

void Apply(const SettingKey &k, const char *text, DriveSettingsRecord &settings) {
    if (k.integer) {
        settings.*k.integer = std::clamp(SaturatingAtoi(text), k.lowest, k.highest);
    } else if (k.real) {
        double value = ReadNumber(text);
        if (Accepted(value, k.accept)) {
            settings.*k.real = value;
        }
    } else {
        std::snprintf(settings.*k.text, sizeof(settings.*k.text), "%s", text);
    }
}

bool FileExists(const char *path) {
    std::FILE *file = OpenHostFile(path, "r");
    if (!file) {
        return false;
    }
    std::fclose(file);
    return true;
}

// Entry i of a drive's range table, made as the drive makes it: each row the
// one before times the scaling.
bool RangeTableFinite(const DriveSettingsRecord &settings) {
    double range = settings.JumpRange;
    for (int i = 0; i < settings.Capacitors; ++i, range *= settings.JumpRangeScaling)
        if (!std::isfinite(range))
            return false;
    return true;
}

// Each value may be finite while what the drive makes of them is not: such
// values keep their defaults, as other unusable values do.
void KeepDerivedValuesFinite(DriveSettingsRecord &settings) {
    const DriveSettingsRecord defaults;
    if (!RangeTableFinite(settings)) {
        settings.JumpRange = defaults.JumpRange;
        settings.JumpRangeScaling = defaults.JumpRangeScaling;
    }
    if (!std::isfinite(settings.CellCapacity / settings.CellReloadTime)) {
        settings.CellCapacity = defaults.CellCapacity;
        settings.CellReloadTime = defaults.CellReloadTime;
    }
    // The distance the ramps add, not only the speed they reach, must be a number.
    if (!std::isfinite(settings.JumpVelocity * kJumpReachPerVelocity))
        settings.JumpVelocity = defaults.JumpVelocity;
}

} // namespace

void ReadSettings(const char *path, DriveSettingsRecord &settings) {
    for (const SettingKey &k : kKeys) {
        char text[256];
        text[0] = '\0';
        GetPrivateProfileStringA(k.section, k.key, nullptr, text, 255, path);
        if (text[0] != '\0') {
            Apply(k, text, settings);
        }
    }
    KeepDerivedValuesFinite(settings);
}

void WriteSettingsIfMissing(const char *path, const DriveSettingsRecord &settings) {
    if (FileExists(path)) {
        return;
    }
    for (const SettingKey &k : kKeys) {
        char number[64];
        const char *text = number;
        if (k.integer) {
            std::snprintf(number, sizeof number, "%d", settings.*k.integer);
        } else if (k.real) {
            std::snprintf(number, sizeof number, "%e", settings.*k.real);
        } else {
            text = settings.*k.text;
        }
        WritePrivateProfileStringA(k.section, k.key, text, path);
    }
}
