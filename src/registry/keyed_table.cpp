#include "registry/keyed_table.h"

#include <cstring>
#include <new>

namespace {

char *CopyKey(const char *key) {
    size_t size = std::strlen(key) + 1;
    char *copy = new char[size];
    std::memcpy(copy, key, size);
    return copy;
}

} // namespace

KeyedTable::KeyedTable(uint8_t exponent) {
    if (exponent >= 32) {
        return;
    }
    uint32_t count = uint32_t(1) << exponent;
    buckets = new (std::nothrow) KeyedEntry[count];
    if (buckets) {
        bucketCount = count;
    }
}

KeyedTable::~KeyedTable() {
    for (uint32_t i = 0; i < bucketCount; ++i) {
        KeyedEntry *link = buckets[i].next;
        while (link) {
            KeyedEntry *following = link->next;
            delete[] link->key;
            delete link;
            link = following;
        }
        delete[] buckets[i].key;
    }
    delete[] buckets;
}

KeyedEntry &KeyedTable::HeadFor(const char *key) const {
    uint32_t hash = HashKey(reinterpret_cast<const uint8_t *>(key), uint32_t(std::strlen(key)), 0);
    return buckets[hash & (bucketCount - 1)];
}

uintptr_t KeyedTable::Insert(const char *key, uintptr_t value) {
    if (!key || !buckets) {
        return 0;
    }
    empty = false;
    KeyedEntry &head = HeadFor(key);
    if (!head.key) {
        head.key = CopyKey(key);
        head.next = nullptr;
        head.value = value;
        ++entryCount;
        ++usedBuckets;
        return 0;
    }
    KeyedEntry *entry = &head;
    for (;;) {
        if (std::strcmp(entry->key, key) == 0) {
            uintptr_t previous = entry->value;
            entry->value = value;
            return previous;
        }
        if (!entry->next) {
            break;
        }
        entry = entry->next;
    }
    KeyedEntry *link = new KeyedEntry;
    link->key = CopyKey(key);
    link->value = value;
    entry->next = link;
    ++entryCount;
    return 0;
}

uintptr_t KeyedTable::Find(const char *key) const {
    if (!key || !buckets) {
        return 0;
    }
    KeyedEntry &head = HeadFor(key);
    if (!head.key) {
        return 0;
    }
    for (const KeyedEntry *entry = &head; entry; entry = entry->next) {
        if (std::strcmp(entry->key, key) == 0) {
            return entry->value;
        }
    }
    return 0;
}

uintptr_t KeyedTable::RemoveNext(bool restart) {
    if (!buckets) {
        return 0;
    }
    if (restart || drainCursor >= bucketCount) {
        drainCursor = 0;
    }
    const uint32_t searchStart = drainCursor;
    while (!buckets[drainCursor].key && !buckets[drainCursor].next) {
        if (++drainCursor == bucketCount) {
            drainCursor = 0;
        }
        if (drainCursor == searchStart) {
            return 0;
        }
    }
    KeyedEntry &head = buckets[drainCursor];
    uintptr_t result = head.value;
    delete[] head.key;
    if (KeyedEntry *link = head.next) {
        // The link's key copy now belongs to the head slot.
        head.value = link->value;
        head.key = link->key;
        head.next = link->next;
        delete link;
    } else {
        head.value = 0;
        head.key = nullptr;
        ++drainCursor;
        --usedBuckets;
    }
    if (--entryCount == 0) {
        empty = true;
    }
    return result;
}

KeyedEntry *KeyedTable::BucketAt(uint32_t index) const {
    return index < bucketCount ? &buckets[index] : nullptr;
}
