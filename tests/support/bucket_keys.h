// Finding key texts that land in a chosen bucket, to set up collisions and
// bucket layouts without relying on particular hash values.
#ifndef TEST_BUCKET_KEYS_H
#define TEST_BUCKET_KEYS_H

#include "registry/keyed_table.h"

#include <string>
#include <vector>

// The first `count` texts "<prefix><n>" whose bucket among `bucketCount` is `bucket`.
inline std::vector<std::string> KeysInBucket(uint32_t bucket, uint32_t bucketCount, size_t count,
                                             const std::string &prefix = "key") {
    std::vector<std::string> keys;
    for (int n = 0; keys.size() < count; ++n) {
        const std::string key = prefix + std::to_string(n);
        const auto *bytes = reinterpret_cast<const uint8_t *>(key.data());
        if ((KeyedTable::HashKey(bytes, uint32_t(key.size()), 0) & (bucketCount - 1)) == bucket)
            keys.push_back(key);
    }
    return keys;
}

#endif
