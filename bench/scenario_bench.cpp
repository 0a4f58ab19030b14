// A whole scenario as tarsel-sim flies it, parsed, built and flown with the
// module: N ships (1 or 100) with the mode open, charging, then jumping
// together; host steps per second, displays drawn twice a second included.
#include "bench_world.h"
#include "scenario/flight_runner.h"
#include "scenario/scenario_parser.h"
#include "scenario/world_setup.h"

#include <benchmark/benchmark.h>

namespace {

constexpr long long kSteps = 3000;

std::string FleetScenario(int ships) {
    std::string text = "BEGIN_ENVIRONMENT\n STEP 1\n SOUND OFF\nEND_ENVIRONMENT\n"
                       "BEGIN_BODIES\nEarth MASS 5.97e24 SIZE 6.371e6 POS 0 0 0\nEND_BODIES\n"
                       "BEGIN_SHIPS\n";
    for (int i = 0; i < ships; ++i)
        text += "S" + std::to_string(i) + ":Scout\n RPOS " + std::to_string(7e6 + 100.0 * i) +
                " 0 0\n TANK 20000 20000\nEND\n";
    text += "END_SHIPS\nBEGIN_FLIGHT\n";
    for (int i = 0; i < ships; ++i)
        text += "OPEN S" + std::to_string(i) + " 0\nKEY S" + std::to_string(i) + " 0 C\n";
    text += "STEPS " + std::to_string(kSteps / 2) + "\nKEY S0 0 A\nSTEPS " +
            std::to_string(kSteps / 2) + "\nEND_FLIGHT\n";
    return text;
}

void ScenarioSteps(benchmark::State &state) {
    scenario::Scenario s;
    std::string error;
    if (!scenario::ParseScenario(FleetScenario(static_cast<int>(state.range(0))), "bench.scn", &s,
                                 &error))
        state.SkipWithError(error.c_str());
    std::ostringstream failures;
    while (state.KeepRunning()) {
        BenchRun run("");
        scenario::BuildWorld(s);
        scenario::Fly(s, ".", failures);
    }
    state.counters["steps/s"] = benchmark::Counter(static_cast<double>(kSteps * state.iterations()),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(ScenarioSteps)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
