// Deleting whatever has docked to a vessel, outermost vessels first.
//
// The docking ports form any graph (chains, rings, lattices), so the walk
// keeps the vessels it has reached and enters each one once: its cost grows
// with vessels and ports, and every vessel is asked for deletion once. It is
// depth-first on an explicit stack, so a long chain cannot exhaust the
// simulator's call stack; a vessel is deleted when everything first reached
// through it has been deleted.
#include "drive/drive_unit.h"

#include "drive/vessel_walk.h"

namespace {

// The object docked at a port of the vessel with that interface; null when
// the port is free or there is no such port (`more` false).
OBJHANDLE DockedAt(const VESSEL &v, UINT port, bool *more) {
    DOCKHANDLE dock = v.GetDockHandle(port);
    *more = dock != nullptr;
    return dock ? v.GetDockStatus(dock) : nullptr;
}

// Without room for the walk only what is docked to the vessel itself goes.
void RemoveNeighbours(const VESSEL &v, OBJHANDLE from) {
    bool more = true;
    for (UINT port = 0; more; ++port) {
        OBJHANDLE docked = DockedAt(v, port, &more);
        if (docked && docked != from)
            oapiDeleteVessel(docked, nullptr);
    }
}

} // namespace

void DriveUnit::RemoveDockedStack(VESSEL *v, OBJHANDLE from) {
    const OBJHANDLE root = v->GetHandle();
    VesselWalk walk(oapiGetObjectCount() + 2);
    if (!walk.Ready()) {
        RemoveNeighbours(*v, from);
        return;
    }
    // Neither the vessel itself nor the one the walk came from is entered again.
    walk.Reach(from);
    walk.Reach(root);
    walk.Push(root);
    while (VesselWalk::Frame *top = walk.Top()) {
        bool more = false;
        OBJHANDLE docked;
        if (top->vessel == root) {
            docked = DockedAt(*v, top->nextPort++, &more);
        } else {
            const VESSEL here(top->vessel, 1);
            docked = DockedAt(here, top->nextPort++, &more);
        }
        if (!more) {
            const OBJHANDLE done = top->vessel;
            walk.Pop();
            if (done != root)
                oapiDeleteVessel(done, nullptr);
        } else if (docked && walk.Reach(docked)) {
            walk.Push(docked);
        }
    }
}
