// Display modes registered by modules, by id.
#ifndef HOST_MODE_REGISTRY_H
#define HOST_MODE_REGISTRY_H

#include "Orbitersdk.h"

#include <string>

namespace host {

struct RegisteredMode {
    int id = 0;
    std::string name;
    DWORD key = 0;
    void *context = nullptr;
    OAPI_MSGTYPE (*msgproc)(UINT, UINT, WPARAM, LPARAM) = nullptr;
};

// Null when no mode of that name (case-insensitive) is registered.
const RegisteredMode *FindModeByName(const std::string &name);
// The first registered mode, or null; the display opens it when no name is given.
const RegisteredMode *FirstMode();

} // namespace host

#endif
