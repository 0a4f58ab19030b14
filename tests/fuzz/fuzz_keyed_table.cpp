// KeyedTable against std::unordered_map as its model. The first byte gives
// the bucket exponent (0 to 4, so that chains form); then each byte is one
// operation on a key chosen by the next byte: insert, find, remove, take the
// next entry (with or without restart). Keys are "%p" texts, as the
// registries make them, of a few dozen addresses. Every answer must agree
// with the model, and at the end the drain takes out exactly what is left.
#include "fuzz_module.h"

#include "registry/keyed_table.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace {

std::string KeyFor(uint8_t choice) {
    char key[32];
    std::snprintf(
        key, sizeof key, "%p",
        reinterpret_cast<void *>(uintptr_t{0x200000000000} + uintptr_t{0x40} * (choice % 48)));
    return key;
}

// The value a table entry may hold comes out of the model: the entry with it goes.
void TakeOut(std::unordered_map<std::string, uintptr_t> &model, uintptr_t value) {
    const auto it = std::find_if(model.begin(), model.end(),
                                 [value](const auto &entry) { return entry.second == value; });
    fuzz::Require(it != model.end(), "the next entry taken out was in the table");
    model.erase(it);
}

void CheckCounts(const KeyedTable &table, const std::unordered_map<std::string, uintptr_t> &model) {
    fuzz::Require(table.EntryCount() == model.size(), "entry count as the model's");
    fuzz::Require(table.empty == model.empty(), "empty as the model");
    fuzz::Require(table.UsedBuckets() <= table.BucketCount() &&
                      table.UsedBuckets() <= table.EntryCount(),
                  "used buckets within bounds");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    KeyedTable table(static_cast<uint8_t>(data[0] % 5));
    std::unordered_map<std::string, uintptr_t> model;
    uintptr_t nextValue = 1; // every insert stores a value of its own, never 0
    for (size_t i = 1; i + 1 < size; i += 2) {
        const std::string key = KeyFor(data[i + 1]);
        auto found = model.find(key);
        const uintptr_t modelValue = found == model.end() ? 0 : found->second;
        switch (data[i] % 5) {
        case 0:
            fuzz::Require(table.Insert(key.c_str(), nextValue) == modelValue,
                          "insert returns the value before");
            model[key] = nextValue++;
            break;
        case 1:
            fuzz::Require(table.Find(key.c_str()) == modelValue, "find as the model");
            break;
        case 2:
            fuzz::Require(table.Remove(key.c_str()) == modelValue, "remove as the model");
            model.erase(key);
            break;
        default: {
            const uintptr_t taken = table.RemoveNext(data[i] % 5 == 4);
            if (model.empty())
                fuzz::Require(taken == 0, "nothing to take from an empty table");
            else
                TakeOut(model, taken);
        }
        }
        CheckCounts(table, model);
    }
    while (!model.empty())
        TakeOut(model, table.RemoveNext(false));
    fuzz::Require(table.RemoveNext(false) == 0, "the drain ends with the table empty");
    CheckCounts(table, model);
    return 0;
}
