#include "heap.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace heap {

int allocationsLeft = -1;
int liveBlocks = 0;
Window window;

namespace {

// Each block carries a header that tells whether a no-throw form made it.
constexpr std::size_t kHeader = 16;

void *Allocate(std::size_t size, bool noThrow, const void *caller) {
    if (noThrow && allocationsLeft == 0)
        return nullptr;
    if (noThrow && allocationsLeft > 0)
        --allocationsLeft;
    auto *block = static_cast<unsigned char *>(std::malloc(size + kHeader));
    if (!block)
        return nullptr;
    block[0] = noThrow;
    liveBlocks += noThrow;
    std::memset(block + kHeader, 0xA5, size);
    if (window.fromModule && window.fromModule(caller))
        ++window.allocations;
    return block + kHeader;
}

void *AllocateOrThrow(std::size_t size, const void *caller) {
    if (void *p = Allocate(size, false, caller))
        return p;
    throw std::bad_alloc();
}

void Free(void *p, const void *caller) {
    if (!p)
        return;
    auto *block = static_cast<unsigned char *>(p) - kHeader;
    liveBlocks -= block[0];
    if (window.fromModule && window.fromModule(caller))
        ++window.frees;
    std::free(block);
}

} // namespace
} // namespace heap

#define CALLER __builtin_return_address(0)
void *operator new(std::size_t size) {
    return heap::AllocateOrThrow(size, CALLER);
}
void *operator new[](std::size_t size) {
    return heap::AllocateOrThrow(size, CALLER);
}
void *operator new(std::size_t size, const std::nothrow_t &) noexcept {
    return heap::Allocate(size, true, CALLER);
}
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept {
    return heap::Allocate(size, true, CALLER);
}
void operator delete(void *p) noexcept {
    heap::Free(p, CALLER);
}
void operator delete[](void *p) noexcept {
    heap::Free(p, CALLER);
}
void operator delete(void *p, std::size_t) noexcept {
    heap::Free(p, CALLER);
}
void operator delete[](void *p, std::size_t) noexcept {
    heap::Free(p, CALLER);
}
