// Finding key texts that land in a chosen bucket, to set up collisions and
// bucket layouts without relying on particular hash values.
#ifndef TEST_BUCKET_KEYS_H
#define TEST_BUCKET_KEYS_H

#include "registry/keyed_table.h"

#include <cstring>
#include <string>
#include <vector>

inline uint32_t BucketOf(const std::string &key, uint32_t bucketCount) {
    return KeyedTable::HashKey(reinterpret_cast<const uint8_t *>(key.data()), uint32_t(key.size()),
                               0) &
           (bucketCount - 1);
}

// The first `count` texts "<prefix><n>" whose bucket among `bucketCount` is `bucket`.
inline std::vector<std::string> KeysInBucket(uint32_t bucket, uint32_t bucketCount, size_t count,
                                             const std::string &prefix = "key") {
    std::vector<std::string> keys;
    for (int n = 0; keys.size() < count; ++n) {
        std::string key = prefix + std::to_string(n);
        if (BucketOf(key, bucketCount) == bucket) {
            keys.push_back(key);
        }
    }
    return keys;
}

#endif
