// Deleting whatever has docked to a vessel, outermost vessels first.
#include "drive/drive_unit.h"

namespace {

// The vessels between the jumping vessel and the one being walked. A docked
// vessel on this path is never entered again, so that a ring of docked
// vessels ends the walk instead of recursing for ever.
struct WalkPath {
    OBJHANDLE vessel;
    const WalkPath *previous;
};

bool OnPath(const WalkPath *path, OBJHANDLE h) {
    for (; path; path = path->previous)
        if (path->vessel == h)
            return true;
    return false;
}

void RemoveStack(VESSEL *v, const WalkPath *path) {
    const WalkPath here{v->GetHandle(), path};
    for (UINT port = 0;; ++port) {
        DOCKHANDLE dock = v->GetDockHandle(port);
        if (!dock)
            return;
        OBJHANDLE docked = v->GetDockStatus(dock);
        if (!docked || OnPath(&here, docked))
            continue;
        {
            VESSEL neighbour(docked, 1);
            RemoveStack(&neighbour, &here);
        }
        oapiDeleteVessel(docked, nullptr);
    }
}

} // namespace

void DriveUnit::RemoveDockedStack(VESSEL *v, OBJHANDLE from) {
    const WalkPath start{from, nullptr};
    RemoveStack(v, from ? &start : nullptr);
}
