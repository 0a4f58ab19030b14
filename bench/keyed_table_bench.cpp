// The registries' table against std::unordered_map<std::string,
// std::uintptr_t>, on the same "%p" keys of vessel interfaces as the host
// places them (64 bytes apart), with 16 buckets as the registries have by
// default: N inserts into an empty table, one find, and the drain of N
// entries, per entry. Both are given ready-made keys.
#include "registry/keyed_table.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

std::vector<std::string> VesselKeys(size_t count) {
    std::vector<std::string> keys;
    for (size_t i = 0; i < count; ++i) {
        char key[32];
        std::snprintf(key, sizeof key, "%p", reinterpret_cast<void *>(0x200000000000 + i * 0x40));
        keys.push_back(key);
    }
    return keys;
}

struct OurTable {
    KeyedTable table{4};
    void Insert(const std::string &key, uintptr_t value) { table.Insert(key.c_str(), value); }
    uintptr_t Find(const std::string &key) const { return table.Find(key.c_str()); }
    void Drain() {
        while (!table.empty)
            benchmark::DoNotOptimize(table.RemoveNext(false));
    }
};

struct StandardMap {
    std::unordered_map<std::string, std::uintptr_t> map{16};
    void Insert(const std::string &key, uintptr_t value) { map[key] = value; }
    uintptr_t Find(const std::string &key) const {
        auto found = map.find(key);
        return found == map.end() ? 0 : found->second;
    }
    void Drain() {
        while (!map.empty()) {
            benchmark::DoNotOptimize(map.begin()->second);
            map.erase(map.begin());
        }
    }
};

template <typename Table> void Fill(Table &table, const std::vector<std::string> &keys) {
    for (size_t i = 0; i < keys.size(); ++i)
        table.Insert(keys[i], i + 1);
}

// Inserts and drains are timed over many tables at once (4096 entries in
// all), so that pausing the timer to make or empty them costs next to nothing.
template <typename Table> void Insert(benchmark::State &state) {
    const std::vector<std::string> keys = VesselKeys(size_t(state.range(0)));
    std::vector<Table> tables(4096 / keys.size());
    while (state.KeepRunning()) {
        for (Table &table : tables)
            Fill(table, keys);
        state.PauseTiming();
        for (Table &table : tables)
            table.Drain();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 4096);
}

template <typename Table> void Find(benchmark::State &state) {
    const std::vector<std::string> keys = VesselKeys(size_t(state.range(0)));
    Table table;
    Fill(table, keys);
    size_t next = 0;
    while (state.KeepRunning()) {
        benchmark::DoNotOptimize(table.Find(keys[next]));
        next = next + 1 == keys.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

template <typename Table> void Drain(benchmark::State &state) {
    const std::vector<std::string> keys = VesselKeys(size_t(state.range(0)));
    std::vector<Table> tables(4096 / keys.size());
    while (state.KeepRunning()) {
        state.PauseTiming();
        for (Table &table : tables)
            Fill(table, keys);
        state.ResumeTiming();
        for (Table &table : tables)
            table.Drain();
    }
    state.SetItemsProcessed(state.iterations() * 4096);
}

BENCHMARK_TEMPLATE(Insert, OurTable)->Arg(16)->Arg(256);
BENCHMARK_TEMPLATE(Insert, StandardMap)->Arg(16)->Arg(256);
BENCHMARK_TEMPLATE(Find, OurTable)->Arg(16)->Arg(256);
BENCHMARK_TEMPLATE(Find, StandardMap)->Arg(16)->Arg(256);
BENCHMARK_TEMPLATE(Drain, OurTable)->Arg(16)->Arg(256);
BENCHMARK_TEMPLATE(Drain, StandardMap)->Arg(16)->Arg(256);

} // namespace
