// Any bytes as the settings file: the module loads them, a display opens and
// is drawn, a cell charges and the jump is flown, the module unloads. The
// values in use always keep the settings' guarantees, and an existing file
// is never changed; a missing one (the empty input) is written.
#include "fuzz_module.h"

#include "module/base/module_state.h"
#include "module/base/settings.h"

#include <cmath>
#include <cstdint>

namespace {

const char kSettingsFile[] = "Modules/Plugin/TarselMFD.ini";

void CheckValuesInUse(const DriveSettingsRecord &s) {
    fuzz::Require(s.Drives >= 0 && s.Drives <= kMaxBucketExponent, "Drives clamped");
    fuzz::Require(s.MDFs >= 0 && s.MDFs <= kMaxBucketExponent, "MDFs clamped");
    fuzz::Require(s.Capacitors >= kMinCapacitors && s.Capacitors <= kMaxCapacitors,
                  "Capacitors clamped");
    fuzz::Require(std::isfinite(s.JumpVelocity * kJumpReachPerVelocity) && s.JumpVelocity >= 0.0,
                  "JumpVelocity");
    fuzz::Require(std::isfinite(s.FlashOffset), "FlashOffset finite");
    fuzz::Require(s.CellCapacity >= 0.0 && s.CellReloadTime > 0.0 &&
                      std::isfinite(s.CellCapacity / s.CellReloadTime),
                  "charge rate finite");
    double range = s.JumpRange;
    for (int i = 0; i < s.Capacitors; ++i, range *= s.JumpRangeScaling)
        fuzz::Require(std::isfinite(range) && range >= 0.0, "range table finite");
    // A negative fleet range is kept: nobody follows.
    fuzz::Require(std::isfinite(s.FleetRange), "FleetRange finite");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::StartInput();
    const std::string given(reinterpret_cast<const char *>(data), size);
    const bool existed = size > 0;
    if (existed) {
        std::FILE *file = std::fopen(kSettingsFile, "wb");
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    host::AttachModule(ModuleEntry());
    CheckValuesInUse(DriveSettings);
    host::BeginRun();
    Vessel *scout = fuzz::OpenScout();
    fuzz::Require(scout != nullptr, "the display opens");
    // Steps of 1 s: ten charge a cell of the default reload time, fifteen fly a jump.
    host::World().stepLength = 1.0;
    bool consumed = false;
    std::string error;
    host::SendKey(scout, 0, OAPI_KEY_C, &consumed, &error);
    host::RunSteps(12);
    host::SendKey(scout, 0, OAPI_KEY_A, &consumed, &error);
    host::RunSteps(16);
    host::Page page;
    fuzz::Require(host::DrawPage(scout, 0, &page, &error), "the page draws");
    host::EndRun();
    host::UnloadModule();
    const std::string after = fuzz::ReadWhole(kSettingsFile);
    if (existed)
        fuzz::Require(after == given, "an existing settings file is left as it was");
    else
        fuzz::Require(after.find("[Sizes]\r\nDrives=4\r\n") == 0, "a missing file is written");
    return 0;
}
