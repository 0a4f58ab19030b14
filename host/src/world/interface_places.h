// Where the host keeps the VESSEL interfaces it gives modules: at fixed
// addresses, one after the other in the order vessels are made. A module
// keys its drives by the text of that address ("%p"), and the order in which
// it steps them follows from the keys; at fixed addresses every run of a
// scenario, and every build of the host, steps the drives in the same order.
#ifndef HOST_INTERFACE_PLACES_H
#define HOST_INTERFACE_PLACES_H

#include "Orbitersdk.h"

namespace host {

// The address of the fixed region, and how far apart the interfaces stand.
// The region lies where neither the program, its libraries and heap, nor the
// shadow memory of the address sanitizer, nor Wine put anything (32 TiB).
constexpr uintptr_t kInterfaceRegion = 0x200000000000;
constexpr uintptr_t kInterfaceStride = 0x40;
constexpr uintptr_t kInterfacePlaces = 1 << 20;

// Room for one more interface, kept until the program ends: the next place of
// the fixed region, or, once the region is full or could not be had, heap
// memory (then runs may not repeat).
void *NewInterfacePlace();

} // namespace host

#endif
