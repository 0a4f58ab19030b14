#include "display/mode_registry.h"

#include "platform/text_case.h"
#include "world/transcript.h"

#include <list>

namespace host {
namespace {

// Mode ids start past the simulator's own built-in modes.
constexpr int kFirstModeId = 100;

// A list, so that a mode's record keeps its address while others come and go.
std::list<RegisteredMode> &Modes() {
    static std::list<RegisteredMode> modes;
    return modes;
}

int NextId() {
    static int next = kFirstModeId;
    return next++;
}

int Register(const char *name, DWORD key, void *context,
             OAPI_MSGTYPE (*msgproc)(UINT, UINT, WPARAM, LPARAM)) {
    if (!name || !msgproc)
        return 0;
    RegisteredMode &mode = Modes().emplace_back();
    mode.id = NextId();
    mode.name = name;
    mode.spec = MFDMODESPECEX{&mode.name[0], key, context, msgproc};
    Event("display mode \"%s\" registered (id %d)", name, mode.id);
    return mode.id;
}

} // namespace

const RegisteredMode *FindModeByName(const std::string &name) {
    for (const RegisteredMode &m : Modes())
        if (SameTextIgnoringCase(m.name, name))
            return &m;
    return nullptr;
}

RegisteredMode *FirstMode() {
    return Modes().empty() ? nullptr : &Modes().front();
}

} // namespace host

int oapiRegisterMFDMode(MFDMODESPEC &spec) {
    return host::Register(spec.name, spec.key, nullptr, spec.msgproc);
}

int oapiRegisterMFDMode(MFDMODESPECEX &spec) {
    return host::Register(spec.name, spec.key, spec.context, spec.msgproc);
}

bool oapiUnregisterMFDMode(int mode) {
    std::list<host::RegisteredMode> &modes = host::Modes();
    for (auto it = modes.begin(); it != modes.end(); ++it) {
        if (it->id == mode) {
            host::Event("display mode \"%s\" unregistered", it->name.c_str());
            modes.erase(it);
            return true;
        }
    }
    return false;
}
