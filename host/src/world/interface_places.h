// Where the host keeps the VESSEL interfaces it gives modules: at fixed
// addresses, one after the other in the order vessels are made, so that runs
// repeat (platform/repeatable_runs.h).
#ifndef HOST_INTERFACE_PLACES_H
#define HOST_INTERFACE_PLACES_H

namespace host {

// Room for one more interface, kept until the program ends: the next place of
// the fixed region, or, once the region is full or could not be had, heap
// memory (then runs may not repeat).
void *NewInterfacePlace();

} // namespace host

#endif
