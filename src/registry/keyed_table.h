// Text-keyed hash table with a fixed power-of-two number of buckets and
// chaining. It owns its key copies and chain links, never its values.
//
// An exponent of 32 or more, or a bucket array that cannot be allocated,
// gives a refused table: no buckets, BucketCount() 0, Allocated() false.
// Every operation on a refused table is a harmless no-op (Insert and Find
// return 0, RemoveNext returns 0, BucketAt returns null, empty stays true).
#ifndef TARSEL_KEYED_TABLE_H
#define TARSEL_KEYED_TABLE_H

#include <cstdint>

class KeyedEntry {
public:
    virtual ~KeyedEntry() {}
    uintptr_t value = 0;        // the stored value (a pointer); 0 in an empty slot
    KeyedEntry *next = nullptr; // next link of the bucket's chain
    char *key = nullptr;        // own copy of the key; null marks an empty head slot
};

class KeyedTable {
public:
    explicit KeyedTable(uint8_t exponent);
    // Frees the key copies and chain links still held; never the values.
    virtual ~KeyedTable();
    KeyedTable(const KeyedTable &) = delete;
    KeyedTable &operator=(const KeyedTable &) = delete;

    // Returns the value the key held before, 0 for a new or null key.
    uintptr_t Insert(const char *key, uintptr_t value);
    // Returns the key's value, 0 when absent or null.
    uintptr_t Find(const char *key) const;
    // Takes out one entry in bucket order, each chain from its head, and
    // returns its value; 0 when the table holds nothing.
    uintptr_t RemoveNext(bool restart);
    KeyedEntry *BucketAt(uint32_t index) const;
    uint32_t BucketCount() const { return bucketCount; }
    // Bob Jenkins' lookup2 over the bytes.
    static uint32_t HashKey(const uint8_t *bytes, uint32_t length, uint32_t initial);

    bool empty = true;

private:
    KeyedEntry *buckets = nullptr;
    uint32_t bucketCount = 0;
    uint32_t usedBuckets = 0;
    uint32_t entryCount = 0;
    uint32_t drainCursor = 0;

    KeyedEntry &HeadFor(const char *key) const;

public:
    uint32_t UsedBuckets() const { return usedBuckets; }
    uint32_t EntryCount() const { return entryCount; }
    uint32_t DrainCursor() const { return drainCursor; }
    bool Allocated() const { return buckets != nullptr; }
};

#endif
