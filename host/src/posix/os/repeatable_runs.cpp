// Repeatable runs on Linux (platform/repeatable_runs.h): the interface
// region mapped at its fixed address, and "%p" written as the Windows C
// runtime writes it (8 digits on 32-bit) through a form registered with glibc.
#include "platform/repeatable_runs.h"

#include <cinttypes>
#include <cstdio>
#include <printf.h>
#include <sys/mman.h>

namespace host {
namespace {

int PrintPointer(FILE *stream, const struct printf_info *info, const void *const *args) {
    const void *pointer = *static_cast<const void *const *>(args[0]);
    char digits[2 * sizeof(void *) + 1];
    std::snprintf(digits, sizeof digits, "%0*" PRIXPTR, static_cast<int>(2 * sizeof(void *)),
                  reinterpret_cast<uintptr_t>(pointer));
    return std::fprintf(stream, info->left ? "%-*s" : "%*s", info->width, digits);
}

int PointerArgument(const struct printf_info *, size_t n, int *types, int *sizes) {
    if (n > 0) {
        types[0] = PA_POINTER;
        sizes[0] = sizeof(void *);
    }
    return 1;
}

unsigned char *MapRegion() {
    constexpr size_t size = kInterfaceStride * kInterfacePlaces;
    void *wanted = reinterpret_cast<void *>(kInterfaceRegion);
    void *got = mmap(wanted, size, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_FIXED_NOREPLACE, -1, 0);
    if (got == MAP_FAILED)
        return nullptr;
    if (got != wanted) {
        // An older kernel may place it elsewhere; that place would not repeat.
        munmap(got, size);
        return nullptr;
    }
    return static_cast<unsigned char *>(got);
}

} // namespace

unsigned char *InterfaceRegion() {
    static unsigned char *region = MapRegion();
    return region;
}

void MakeRunsRepeatable() {
    register_printf_specifier('p', PrintPointer, PointerArgument);
    InterfaceRegion();
}

} // namespace host
