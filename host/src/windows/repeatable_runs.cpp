// Repeatable runs on Windows (platform/repeatable_runs.h): the interface
// region committed at its fixed address. "%p" needs nothing at run time: the
// build links host/runtime/ucrt_formatting.cpp into every program and library
// that runs the module's code.
#include "platform/repeatable_runs.h"

#include <windows.h>

namespace host {

unsigned char *InterfaceRegion() {
    static unsigned char *region = static_cast<unsigned char *>(VirtualAlloc(
        reinterpret_cast<void *>(kInterfaceRegion), kInterfaceStride * kInterfacePlaces,
        MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    return region;
}

void MakeRunsRepeatable() {
    InterfaceRegion();
}

} // namespace host
