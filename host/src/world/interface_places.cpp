#include "world/interface_places.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mman.h>
#endif

#include <memory>
#include <vector>

namespace host {
namespace {

static_assert(sizeof(VESSEL) <= kInterfaceStride, "an interface fits its place");

constexpr size_t kRegionSize = kInterfaceStride * kInterfacePlaces;

// The region at its fixed address, or null when that address is taken.
unsigned char *Region() {
    static unsigned char *region = [] {
        void *wanted = reinterpret_cast<void *>(kInterfaceRegion);
#ifdef _WIN32
        void *got = VirtualAlloc(wanted, kRegionSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
#else
        void *got = mmap(wanted, kRegionSize, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_FIXED_NOREPLACE, -1, 0);
        if (got == MAP_FAILED)
            got = nullptr;
#endif
        if (got && got != wanted) {
            // An older kernel may place it elsewhere; that place would not repeat.
#ifndef _WIN32
            munmap(got, kRegionSize);
#endif
            got = nullptr;
        }
        return static_cast<unsigned char *>(got);
    }();
    return region;
}

} // namespace

void *NewInterfacePlace() {
    static uintptr_t used = 0;
    unsigned char *region = Region();
    if (region && used < kInterfacePlaces)
        return region + kInterfaceStride * used++;
    static std::vector<std::unique_ptr<unsigned char[]>> elsewhere;
    elsewhere.push_back(std::make_unique<unsigned char[]>(kInterfaceStride));
    return elsewhere.back().get();
}

} // namespace host
