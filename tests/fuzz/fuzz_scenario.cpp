// Any bytes as a scenario file: the parser refuses it with "FILE:LINE:
// message" (tarsel-sim's exit status 2), or the world is built and the
// flight flown with the module, as tarsel-sim flies it. A flight that asks
// for more than kStepCap host steps in all, for a display larger than
// kMaxDisplayPixels, for more than kMaxPictures pictures or for one outside
// the scratch folder is only parsed: the fuzzer looks for faults, not for
// long flights, and writes nowhere else.
#include "fuzz_module.h"

#include "scenario/flight_runner.h"
#include "scenario/scenario_main.h"
#include "scenario/scenario_parser.h"
#include "scenario/world_setup.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr double kStepCap = 2000.0;
constexpr long long kMaxDisplayPixels = 1024LL * 1024;
constexpr int kMaxPictures = 4;

// Whether the flight stays within the caps: an upper bound of the steps its
// RUN, UNTIL and STEPS ask for, its displays' sizes and its pictures.
bool WithinCaps(const scenario::Scenario &s) {
    const double step = s.environment.step;
    double steps = 0.0;
    int pictures = 0;
    for (const scenario::Command &c : s.flight) {
        if (c.op == scenario::Op::Run)
            steps += std::round(c.value / step);
        else if (c.op == scenario::Op::Until)
            steps += std::max(0.0, std::round((c.value - s.environment.start) / step));
        else if (c.op == scenario::Op::Steps)
            steps += static_cast<double>(c.steps);
        else if (c.op == scenario::Op::Open && 1LL * c.width * c.height > kMaxDisplayPixels)
            return false;
        if (c.op == scenario::Op::Snapshot) {
            // Pictures go into the scratch folder and nowhere else.
            if (++pictures > kMaxPictures || c.name.find('/') != std::string::npos ||
                c.name.find('\\') != std::string::npos)
                return false;
        }
    }
    return steps <= kStepCap;
}

// "fuzz.scn:LINE: message", the line a number from 1.
bool NamesFileAndLine(const std::string &e) {
    const size_t line = e.find_first_not_of("0123456789", 9); // past the line's digits
    return e.compare(0, 9, "fuzz.scn:") == 0 && line > 9 && line != std::string::npos &&
           e[9] != '0' && e.compare(line, 2, ": ") == 0 && e.size() > line + 2;
}

void Fly(const scenario::Scenario &s) {
    std::string error;
    fuzz::Require(
        host::LoadSoundLibraries(scenario::SoundLibrariesFor(s.environment.sound, ""), &error),
        "the sound libraries load");
    host::AttachModule(ModuleEntry());
    scenario::BuildWorld(s);
    host::BeginRun();
    std::ostringstream failures;
    scenario::Fly(s, ".", failures);
    host::EndRun();
    host::UnloadModule();
    host::UnloadSoundLibraries();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::StartInput();
    scenario::Scenario s;
    std::string error;
    const std::string text(reinterpret_cast<const char *>(data), size);
    if (!scenario::ParseScenario(text, "fuzz.scn", &s, &error)) {
        fuzz::Require(NamesFileAndLine(error), "a refusal names FILE:LINE and the fault");
        return 0;
    }
    if (WithinCaps(s))
        Fly(s);
    return 0;
}
