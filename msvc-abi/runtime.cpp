// The few runtime pieces a C++ module needs that the universal C runtime does
// not export: the allocation operators, std::nothrow, the marker that the
// module uses floating point, and the virtual table that type information
// records point at. Without exceptions, a failed allocation gives null.
#include <new>
#include <stdlib.h>

namespace std {
const nothrow_t nothrow{};
} // namespace std

namespace {

void *Allocate(size_t size) {
    return malloc(size ? size : 1);
}

// Stands in the type information table's one slot; nothing calls it:
// dynamic_cast compares the type descriptors, never through this table.
void TypeInfoDestructor() {}

} // namespace

void *operator new(size_t size) {
    return Allocate(size);
}
void *operator new[](size_t size) {
    return Allocate(size);
}
void *operator new(size_t size, const std::nothrow_t &) noexcept {
    return Allocate(size);
}
void *operator new[](size_t size, const std::nothrow_t &) noexcept {
    return Allocate(size);
}
void operator delete(void *p) noexcept {
    free(p);
}
void operator delete[](void *p) noexcept {
    free(p);
}
void operator delete(void *p, size_t) noexcept {
    free(p);
}
void operator delete[](void *p, size_t) noexcept {
    free(p);
}

extern "C" int _fltused = 0;

// type_info's virtual table, by its decorated name ("const type_info::`vftable'").
extern "C" const void *const typeInfoTable[1] __asm__("??_7type_info@@6B@") = {
    reinterpret_cast<const void *>(&TypeInfoDestructor)};
