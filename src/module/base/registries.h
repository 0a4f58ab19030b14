// The keys of the two registries and a visit of every value in one of them.
#ifndef TARSEL_REGISTRIES_H
#define TARSEL_REGISTRIES_H

#include "Orbitersdk.h"
#include "registry/keyed_table.h"

#include <cstddef>

// Room for "%p:%d" of any pointer and display position.
constexpr size_t kRegistryKeySize = 48;

// "%p" of the vessel's interface: the key of its drive.
void MakeDriveKey(const VESSEL *vessel, char (&key)[kRegistryKeySize]);
// "%p:%d" of the interface and the display position: the key of a display state.
void MakeStateKey(const VESSEL *vessel, UINT position, char (&key)[kRegistryKeySize]);

// Calls visit(value) for every entry with a value, buckets in ascending
// order and each chain from its head. The visit must not change the table.
template <typename Value, typename Visit> void ForEachValue(const KeyedTable *table, Visit visit) {
    if (!table)
        return;
    for (uint32_t bucket = 0; bucket < table->BucketCount(); ++bucket) {
        const KeyedEntry *head = table->BucketAt(bucket);
        if (!head->key)
            continue;
        for (const KeyedEntry *entry = head; entry; entry = entry->next)
            if (entry->value)
                visit(reinterpret_cast<Value *>(entry->value));
    }
}

#endif
