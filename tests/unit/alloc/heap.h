// This program's operator new and delete (heap.cpp). The no-throw forms, the
// only ones the module uses, fail while a Limit says so, and hand out blocks
// filled with garbage, as a debug heap does, so that code relying on fresh
// memory being zero shows. Every form counts the calls that come from the
// module while a Window is open.
#ifndef TEST_ALLOC_HEAP_H
#define TEST_ALLOC_HEAP_H

namespace heap {

// How many more no-throw allocations succeed; negative: all of them.
extern int allocationsLeft;
// Blocks of the no-throw forms not yet freed.
extern int liveBlocks;

// The no-throw forms fail after `n` more allocations for as long as it lives.
struct Limit {
    explicit Limit(int n) { allocationsLeft = n; }
    ~Limit() { allocationsLeft = -1; }
};

struct Window {
    bool (*fromModule)(const void *caller) = nullptr; // counts while set
    int allocations = 0;
    int frees = 0;
};
extern Window window;

} // namespace heap

#endif
