// Costs of the keyed table's operations and of one step dispatch.
#include "module/module_exports.h"
#include "module/module_state.h"
#include "registry/keyed_table.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Keys as the registries make them: "%p" of a vessel interface pointer.
std::vector<std::string> VesselKeys(size_t count) {
    std::vector<std::string> keys;
    for (size_t i = 0; i < count; ++i) {
        char key[32];
        std::snprintf(key, sizeof key, "%p", reinterpret_cast<void *>(0x55d0c7a10000 + i * 0x2a0));
        keys.push_back(key);
    }
    return keys;
}

void InsertAndDrain(benchmark::State &state) {
    std::vector<std::string> keys = VesselKeys(size_t(state.range(0)));
    KeyedTable table(4);
    for (auto _ : state) {
        for (size_t i = 0; i < keys.size(); ++i) {
            table.Insert(keys[i].c_str(), i + 1);
        }
        while (!table.empty) {
            benchmark::DoNotOptimize(table.RemoveNext(false));
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(InsertAndDrain)->Arg(16)->Arg(256);

void Find(benchmark::State &state) {
    std::vector<std::string> keys = VesselKeys(size_t(state.range(0)));
    KeyedTable table(4);
    for (size_t i = 0; i < keys.size(); ++i) {
        table.Insert(keys[i].c_str(), i + 1);
    }
    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.Find(keys[next].c_str()));
        next = (next + 1) % keys.size();
    }
}
BENCHMARK(Find)->Arg(16)->Arg(256);

// One opcPreStep among many registered entries. The entries hold no drive,
// so this measures the dispatch's search alone.
void PreStepDispatch(benchmark::State &state) {
    std::vector<std::string> keys = VesselKeys(size_t(state.range(0)));
    driveRegistry = new KeyedTable(4);
    stepBucketCount = driveRegistry->BucketCount();
    stepBucket = 0;
    stepChain = 0;
    for (const std::string &key : keys) {
        driveRegistry->Insert(key.c_str(), 0);
    }
    for (auto _ : state) {
        opcPreStep(1.0, 0.1, 0.0);
    }
    delete driveRegistry;
    driveRegistry = nullptr;
    stepBucketCount = 0;
}
BENCHMARK(PreStepDispatch)->Arg(1)->Arg(16)->Arg(256);

} // namespace
