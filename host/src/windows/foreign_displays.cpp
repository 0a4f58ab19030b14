// The bridge to modules built with Microsoft's C++ ABI, as the simulator's own
// modules are (x64). Such a module imports the API from "orbiter.exe" by
// Microsoft's decorated names; this program, built as orbiter.exe, exports
// each of them (windows/orbiter.def) bound to a function of the same calling
// convention: on x64 a member function is an ordinary function whose first
// argument is `this`, so most names are bound straight to the host's own
// functions and members. What differs is handled here:
// - constructors return `this` under Microsoft's ABI;
// - the display object's virtual table has Microsoft's order (one deleting
//   destructor, then the functions in declaration order), so the host calls
//   such objects through that table (DisplayCalls, display/module_display.h).
// MFD (40 bytes) and VESSEL (16) have the same layout under both ABIs:
// virtual-table pointer, W, H, cw, ch, pV, the simulator's pointer; and the
// simulator's vessel pointer, flightmodel, version.
#include "platform/foreign_displays.h"
#include "windows/msvc_constructors.h"

#include "display/module_display.h"

#include <new>
#include <set>

namespace host {
namespace {

static_assert(sizeof(MFD) == 40 && sizeof(VESSEL) == 16, "the SDK's x64 layout");

// The display base class's virtual table in Microsoft's order.
struct MsvcDisplayTable {
    void *(*scalarDeletingDestructor)(MFD *display, unsigned flags); // bit 0: free it
    void (*update)(MFD *display, HDC hDC);
    bool (*consumeKeyBuffered)(MFD *display, DWORD key);
    bool (*consumeKeyImmediate)(MFD *display, char *kstate);
    bool (*consumeButton)(MFD *display, int button, int event);
    char *(*buttonLabel)(MFD *display, int button);
    int (*buttonMenu)(const MFD *display, const MFDBUTTONMENU **menu);
    void (*writeStatus)(const MFD *display, FILEHANDLE scn);
    void (*readStatus)(MFD *display, FILEHANDLE scn);
    void (*storeStatus)(const MFD *display);
    void (*recallStatus)(MFD *display);
};

const MsvcDisplayTable &TableOf(const MFD *display) {
    return **reinterpret_cast<const MsvcDisplayTable *const *>(display);
}

const DisplayCalls kMsvcCalls = {
    [](MFD *d, HDC hDC) { TableOf(d).update(d, hDC); },
    [](MFD *d, DWORD key) { return TableOf(d).consumeKeyBuffered(d, key); },
    [](MFD *d, int button, int event) { return TableOf(d).consumeButton(d, button, event); },
    [](MFD *d, int button) { return TableOf(d).buttonLabel(d, button); },
    [](const MFD *d, const MFDBUTTONMENU **menu) { return TableOf(d).buttonMenu(d, menu); },
    [](const MFD *d) { TableOf(d).storeStatus(d); },
    [](MFD *d) { TableOf(d).recallStatus(d); },
    [](MFD *d) { TableOf(d).scalarDeletingDestructor(d, 1); },
};

// The display objects whose base part the bridge constructed, until destroyed.
std::set<const MFD *> &MsvcDisplays() {
    static std::set<const MFD *> displays;
    return displays;
}

// The base part of a display object, made in place: the module's constructor
// then sets its own virtual table over this one's.
class BasePart : public MFD {
public:
    using MFD::MFD;
    void Update(HDC) override {}
};
static_assert(sizeof(BasePart) == sizeof(MFD), "nothing beyond the base class");

} // namespace

const DisplayCalls *ForeignDisplayCalls(const MFD *display) {
    return MsvcDisplays().count(display) ? &kMsvcCalls : nullptr;
}

} // namespace host

MFD *TarselMsvcMfdConstruct(MFD *self, DWORD w, DWORD h, VESSEL *vessel) {
    new (self) host::BasePart(w, h, vessel);
    host::MsvcDisplays().insert(self);
    return self;
}

void TarselMsvcMfdDestruct(MFD *self) {
    host::MsvcDisplays().erase(self);
    self->MFD::~MFD();
}

VESSEL *TarselMsvcVesselConstruct(VESSEL *self, OBJHANDLE hVessel, int fmodel) {
    return new (self) VESSEL(hVessel, fmodel);
}
