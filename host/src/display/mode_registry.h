// Display modes registered by modules, by id.
#ifndef HOST_MODE_REGISTRY_H
#define HOST_MODE_REGISTRY_H

#include "Orbitersdk.h"

#include <string>

namespace host {

struct RegisteredMode {
    int id = 0;
    std::string name;
    // The registration record as the simulator keeps it (its name points into
    // `name`); OAPI_MSG_MFD_OPENEDEX hands the mode a pointer to it. A mode
    // stays at one address while it is registered.
    MFDMODESPECEX spec{};
};

// Null when no mode of that name (case-insensitive) is registered.
const RegisteredMode *FindModeByName(const std::string &name);
// The first registered mode, or null; the display opens it when no name is given.
RegisteredMode *FirstMode();

} // namespace host

#endif
