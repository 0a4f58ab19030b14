// One opcPreStep, the module's whole work of a frame, among 1, 16 and 256
// drives, each charging (a reload time so long that no cell ever fills):
// the dispatch finds the next drive and steps it through the host's API.
#include "bench_world.h"

#include <benchmark/benchmark.h>

namespace {

void PreStep(benchmark::State &state) {
    BenchRun run("[Settings]\nCellReloadTime=1e12\n");
    for (int i = 0; i < state.range(0); ++i)
        run.AddShip(OAPI_KEY_C);
    double simt = 0.0;
    while (state.KeepRunning()) {
        opcPreStep(simt, 0.02, 51544.5);
        simt += 0.02;
    }
    state.counters["drives"] = static_cast<double>(state.range(0));
}
BENCHMARK(PreStep)->Arg(1)->Arg(16)->Arg(256)->Unit(benchmark::kNanosecond);

} // namespace
