// glibc writes "%p" as "0x200000000000" (and a null pointer as "(nil)"); the
// Windows C runtime writes every pointer as 16 upper-case hexadecimal digits
// (8 on 32-bit), zero-padded, without "0x". The module keys its drives by the
// "%p" text of their interfaces and steps them in the order of the keys'
// hash, so the host makes this C library write pointers as Windows does.
#include "platform/platform_setup.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <printf.h>

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

} // namespace

namespace host {

void PreparePlatform() {
    register_printf_specifier('p', PrintPointer, PointerArgument);
}

} // namespace host
