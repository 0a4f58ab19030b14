// The settings file: a profile (INI) file with the sections Sizes, Effects,
// Settings and Features, one key per field of DriveSettingsRecord. Each
// key's rule for the values it takes is in its row of the key table
// (settings.cpp); the pilot's guide has them for pilots.
//
// Reading keeps a field's current value when its key is missing or empty.
// Integers are read as atoi does (saturating at the int limits), reals as
// the C runtime's strtod does (ReadNumber: hexadecimal too), ClassName as it
// stands. Values that are finite each but not together then get their
// defaults back: JumpRange and JumpRangeScaling when a range-table row would
// not be finite, CellCapacity and CellReloadTime when the charge rate would
// not be, and JumpVelocity when the reach of a jump sequence
// (kJumpReachPerVelocity times it) would not be. The file itself is never
// changed by reading.
#ifndef TARSEL_SETTINGS_H
#define TARSEL_SETTINGS_H

#include "module/base/module_state.h"

constexpr char kSettingsPath[] = "Modules\\Plugin\\TarselMFD.ini";
constexpr int kMaxBucketExponent = 16;
constexpr int kMinCapacitors = 1;
constexpr int kMaxCapacitors = 32;

// The most distance a jump sequence adds to the vessel's course, per unit of
// JumpVelocity (s^2): its up-ramp gains less than 3.6 s times JumpVelocity of
// speed, and with host steps of up to 3 s the sequence is over in 27 s.
// (At 60 frames a second the vessel drifts about 6 s^2 times JumpVelocity
// before it is set down and 7 after.)
constexpr double kJumpReachPerVelocity = 100.0;

void ReadSettings(const char *path, DriveSettingsRecord &settings);

// Writes every key, in file order, but only when no file exists at the path:
// an existing file, even one with only some keys, is left as it is.
void WriteSettingsIfMissing(const char *path, const DriveSettingsRecord &settings);

#endif
