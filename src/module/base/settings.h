// The settings file: a profile (INI) file with the sections Sizes, Effects,
// Settings and Features, one key per field of DriveSettingsRecord.
//
// Reading keeps a field's current value when its key is missing or empty.
// Integers are read as atoi does (saturating at the int limits), reals as
// the C runtime's strtod does (ReadNumber: hexadecimal too), ClassName as it
// stands. Values in use are then made safe:
// - Drives and MDFs are clamped to 0..kMaxBucketExponent (at most 65536
//   buckets per registry);
// - Capacitors is clamped to kMinCapacitors..kMaxCapacitors (a drive needs
//   one cell; the page has room for the bar of no more than that many);
// - a real that is not finite ("inf", "nan", "1e999") keeps the current
//   value, and so does a negative JumpVelocity, CellCapacity, JumpRange or
//   JumpRangeScaling, and a CellReloadTime that is not above 0 (the charge
//   rate divides by it). FlashOffset may be any finite value (a negative one
//   puts the flash behind the cockpit), and so may FleetRange (a negative
//   one takes no vessel along);
// - values that are finite each but not together get their defaults back:
//   JumpRange and JumpRangeScaling when a range-table row (JumpRange times
//   JumpRangeScaling to the power 0 .. Capacitors - 1) would not be finite,
//   CellCapacity and CellReloadTime when the charge rate (their quotient)
//   would not be, and JumpVelocity when the reach of a jump sequence
//   (kJumpReachPerVelocity times it) would not be.
// The file itself is never changed by reading.
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
