// Why every run of a scenario, on every platform, steps the module's drives
// in the same order.
//
// The module keys its registries (its drives, its displays' states) by the
// "%p" text of the VESSEL pointers the host gives it, and walks them in the
// order of the keys' hash: which drive steps when follows from those texts.
// So the addresses, and the text they are written as, must be the same in
// every run and on every platform:
// - the host gives out VESSEL interfaces at fixed addresses, kInterfaceStride
//   apart from kInterfaceRegion in the order vessels are made
//   (world/interface_places.h), in a region reserved here;
// - "%p" writes them as the simulator's C runtime (Microsoft's Universal C
//   Runtime) does: 16 upper-case hexadecimal digits, zero-padded, without
//   "0x" ("00002000000000C0"; a null pointer "0000000000000000"). On Linux
//   that form is registered with glibc, which would write "0x2000000000c0";
//   in the Windows build every program and library that runs the module's
//   code is linked with host/runtime/ucrt_formatting.cpp, which formats
//   through ucrtbase.dll in place of MinGW's own printf (which would write
//   "00002000000000c0").
#ifndef HOST_REPEATABLE_RUNS_H
#define HOST_REPEATABLE_RUNS_H

#include <cstdint>

namespace host {

// The region lies where neither the program, its libraries and heap, nor the
// shadow memory of the address sanitizer, nor Wine put anything (32 TiB).
constexpr uintptr_t kInterfaceRegion = 0x200000000000;
constexpr uintptr_t kInterfaceStride = 0x40;
constexpr uintptr_t kInterfacePlaces = 1 << 20;

// Once, where the host starts (PreparePlatform), before a module is loaded:
// "%p" in the simulator's form, and the interface region reserved.
void MakeRunsRepeatable();

// The interface region, kInterfacePlaces places of kInterfaceStride bytes at
// kInterfaceRegion, reserved on the first call and kept until the program
// ends; null when that address could not be had (runs then may not repeat).
unsigned char *InterfaceRegion();

} // namespace host

#endif
