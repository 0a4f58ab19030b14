// The benchmarks' entry: the host's platform first, as tarsel-sim has it, so
// that the keys the module makes are the ones it makes in flight.
#include "platform/platform_setup.h"

#include <benchmark/benchmark.h>

int main(int argc, char **argv) {
    host::PreparePlatform();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
