#include "registry/keyed_table.h"

#include <cstring>
#include <new>

namespace {

// Null when the copy cannot be allocated.
char *CopyKey(const char *key) {
    size_t size = std::strlen(key) + 1;
    char *copy = new (std::nothrow) char[size];
    if (copy)
        std::memcpy(copy, key, size);
    return copy;
}

void SetStored(bool *stored, bool value) {
    if (stored)
        *stored = value;
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

uintptr_t KeyedTable::Insert(const char *key, uintptr_t value, bool *stored) {
    SetStored(stored, false);
    if (!key || !buckets)
        return 0;
    KeyedEntry &head = HeadFor(key);
    if (!head.key) {
        char *copy = CopyKey(key);
        if (!copy)
            return 0;
        empty = false;
        head.key = copy;
        head.next = nullptr;
        head.value = value;
        ++entryCount;
        ++usedBuckets;
        SetStored(stored, true);
        return 0;
    }
    KeyedEntry *entry = &head;
    for (;;) {
        if (std::strcmp(entry->key, key) == 0) {
            uintptr_t previous = entry->value;
            entry->value = value;
            SetStored(stored, true);
            return previous;
        }
        if (!entry->next)
            break;
        entry = entry->next;
    }
    KeyedEntry *link = new (std::nothrow) KeyedEntry;
    char *copy = link ? CopyKey(key) : nullptr;
    if (!copy) {
        delete link;
        return 0;
    }
    link->key = copy;
    link->value = value;
    entry->next = link;
    ++entryCount;
    SetStored(stored, true);
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

uintptr_t KeyedTable::Remove(const char *key) {
    if (!key || !buckets)
        return 0;
    KeyedEntry &head = HeadFor(key);
    if (!head.key)
        return 0;
    if (std::strcmp(head.key, key) == 0)
        return TakeHead(head);
    for (KeyedEntry *before = &head; before->next; before = before->next) {
        KeyedEntry *link = before->next;
        if (std::strcmp(link->key, key) != 0)
            continue;
        const uintptr_t result = link->value;
        before->next = link->next;
        delete[] link->key;
        delete link;
        CountOneLess();
        return result;
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
    if (!head.next)
        ++drainCursor; // the bucket is empty once its head goes
    return TakeHead(head);
}

uintptr_t KeyedTable::TakeHead(KeyedEntry &head) {
    const uintptr_t result = head.value;
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
        --usedBuckets;
    }
    CountOneLess();
    return result;
}

void KeyedTable::CountOneLess() {
    if (--entryCount == 0)
        empty = true;
}

KeyedEntry *KeyedTable::BucketAt(uint32_t index) const {
    return index < bucketCount ? &buckets[index] : nullptr;
}
