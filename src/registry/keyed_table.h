// Text-keyed hash table with a fixed power-of-two number of buckets and
// chaining. It owns its key copies and chain links, never its values.
//
// It never throws: its users are called by the simulator, which must not see
// an exception. An allocation that fails is reported by Insert, which then
// changes nothing.
//
// An exponent of 32 or more, or a bucket array that cannot be allocated,
// gives a refused table: no buckets, BucketCount() 0, Allocated() false.
// Every operation on a refused table is a harmless no-op (Insert stores
// nothing, Find, Remove and RemoveNext return 0, BucketAt returns null, empty
// stays true).
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

    // Returns the value the key held before, 0 for a new or null key. When
    // `stored` is given it tells whether the value is now in the table: false
    // for a null key, a refused table or a failed allocation.
    uintptr_t Insert(const char *key, uintptr_t value, bool *stored = nullptr);
    // Returns the key's value, 0 when absent or null.
    uintptr_t Find(const char *key) const;
    // Takes the key's entry out and returns its value; 0 when absent or null.
    uintptr_t Remove(const char *key);
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
    // Takes the entry in a bucket's head slot; a chain link behind it moves up.
    uintptr_t TakeHead(KeyedEntry &head);
    void CountOneLess();

public:
    uint32_t UsedBuckets() const { return usedBuckets; }
    uint32_t EntryCount() const { return entryCount; }
    uint32_t DrainCursor() const { return drainCursor; }
    bool Allocated() const { return buckets != nullptr; }
};

#endif
