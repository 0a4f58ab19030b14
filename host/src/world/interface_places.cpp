#include "world/interface_places.h"

#include "Orbitersdk.h"
#include "platform/repeatable_runs.h"

#include <memory>
#include <vector>

namespace host {

static_assert(sizeof(VESSEL) <= kInterfaceStride, "an interface fits its place");

void *NewInterfacePlace() {
    static uintptr_t used = 0;
    unsigned char *region = InterfaceRegion();
    if (region && used < kInterfacePlaces)
        return region + kInterfaceStride * used++;
    static std::vector<std::unique_ptr<unsigned char[]>> elsewhere;
    elsewhere.push_back(std::make_unique<unsigned char[]>(kInterfaceStride));
    return elsewhere.back().get();
}

} // namespace host
