// The module's settings file through this platform's profile functions, for
// the test that passes settings files between the native and the Windows
// build (scripts/wine-settings.sh). In the current folder, as the module in
// the simulator's folder:
//   settings_probe write   writes Modules\Plugin\TarselMFD.ini, which must be
//                          missing, with values unlike the defaults
//   settings_probe read    reads it
// Either then prints the values the file gives, one field a line, exactly.
#include "module/base/settings.h"
#include "platform/platform_setup.h"

#include <cstdio>
#include <cstring>

namespace {

// Values that read back as written only by a reader that takes them from the file.
const DriveSettingsRecord kUnusual{6,    2,      12345.678, -3.25, "Mk II \"Far\" 100%", 9, 0.1,
                                   1e-3, 1.5e12, 2.5,       0.3};

void Print(const DriveSettingsRecord &s) {
    std::printf("Drives %d\nMDFs %d\nJumpVelocity %.17g\nFlashOffset %.17g\nClassName %s\n"
                "Capacitors %d\nCellCapacity %.17g\nCellReloadTime %.17g\nJumpRange %.17g\n"
                "JumpRangeScaling %.17g\nFleetRange %.17g\n",
                s.Drives, s.MDFs, s.JumpVelocity, s.FlashOffset, s.ClassName, s.Capacitors,
                s.CellCapacity, s.CellReloadTime, s.JumpRange, s.JumpRangeScaling, s.FleetRange);
}

} // namespace

int main(int argc, char **argv) {
    host::PreparePlatform();
    const bool write = argc == 2 && std::strcmp(argv[1], "write") == 0;
    if (!write && !(argc == 2 && std::strcmp(argv[1], "read") == 0)) {
        std::fprintf(stderr, "usage: settings_probe write|read\n");
        return 2;
    }
    if (write)
        WriteSettingsIfMissing(kSettingsPath, kUnusual);
    DriveSettingsRecord settings;
    ReadSettings(kSettingsPath, settings);
    Print(settings);
    return 0;
}
