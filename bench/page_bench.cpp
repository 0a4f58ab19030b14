// One Update of a full page on the host's recording context: every line
// filled, a target other than the own vessel, the course readout of the
// deviation needed, two of five cells charged and a third charging.
#include "bench_world.h"
#include "platform/drawing_surface.h"

#include <benchmark/benchmark.h>

namespace {

void PageUpdate(benchmark::State &state) {
    BenchRun run("");
    Vessel *ship = run.AddShip(0, 420);
    run.AddShip();
    std::string error;
    bool consumed = false;
    auto key = [&](DWORD k) { host::SendKey(ship, 0, k, &consumed, &error); };
    key(OAPI_KEY_N); // the other ship as target
    for (int mode = 0; mode < 5; ++mode)
        key(OAPI_KEY_M); // "Deviation needed"
    key(OAPI_KEY_S);
    host::AnswerInputBox("2e6,2", &error);
    for (int cell = 0; cell < 3; ++cell) {
        key(OAPI_KEY_C);
        host::RunSteps(cell < 2 ? 210 : 100); // two drives: a turn every other step
    }
    MFD *display = host::DisplayObject(ship, 0);
    host::DrawingSurface surface(420, 420);
    host::Page page;
    while (state.KeepRunning()) {
        display->Update(surface.Handle());
        surface.TakeDrawing(&page);
    }
    state.counters["calls"] = static_cast<double>(page.calls.size());
}
BENCHMARK(PageUpdate)->Unit(benchmark::kMicrosecond);

} // namespace
