// The VESSEL interface: each call reads or changes the host's Vessel behind it.
// An interface made on a handle that is not a vessel does nothing and reads zero.
#include "api/vessel_status.h"
#include "world/transcript.h"
#include "world/world.h"

#include <algorithm>

using host::World;

namespace {

// Index of a handle into one of the vessel's own arrays, -1 when it is not one of them.
template <typename T> int IndexIn(const std::vector<T> &items, const void *h) {
    for (size_t i = 0; i < items.size(); ++i)
        if (&items[i] == h)
            return static_cast<int>(i);
    return -1;
}

} // namespace

VESSEL::VESSEL(OBJHANDLE hVessel, int fmodel)
    : vessel(World().VesselFromHandle(hVessel)), flightmodel(static_cast<short>(fmodel)),
      version(0) {}

// The SDK declares the result const; the definition has to repeat it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wignored-qualifiers"
const OBJHANDLE VESSEL::GetHandle() const {
    return vessel ? host::Handle(vessel) : nullptr;
}
#pragma GCC diagnostic pop

char *VESSEL::GetName() const {
    static char none[] = "";
    return vessel ? &vessel->name[0] : none;
}

char *VESSEL::GetClassName() const {
    static char none[] = "";
    return vessel ? &vessel->className[0] : none;
}

void VESSEL::GetRelativePos(OBJHANDLE hRef, VECTOR3 &pos) const {
    oapiGetRelativePos(GetHandle(), hRef, &pos);
}

void VESSEL::GetRelativeVel(OBJHANDLE hRef, VECTOR3 &vel) const {
    oapiGetRelativeVel(GetHandle(), hRef, &vel);
}

void VESSEL::GlobalRot(const VECTOR3 &rloc, VECTOR3 &rglob) const {
    rglob = vessel ? host::MulMatrix(vessel->rot, rloc) : VECTOR3{};
}

void VESSEL::GetGlobalOrientation(VECTOR3 &arot) const {
    arot = vessel ? host::EulerFromRotation(vessel->rot) : VECTOR3{};
}

void VESSEL::SetGlobalOrientation(const VECTOR3 &arot) const {
    if (vessel)
        vessel->rot = host::RotationFromEuler(arot);
}

DWORD VESSEL::GetFlightStatus() const {
    if (!vessel)
        return 0;
    return (vessel->status == 1 ? 0x1u : 0u) | (vessel->Docked() ? 0x2u : 0u);
}

void VESSEL::GetStatusEx(void *status) const {
    auto *vs = static_cast<VESSELSTATUS2 *>(status);
    if (vessel && vs && vs->version == 2)
        host::ReadStatus(*vessel, vs);
}

void VESSEL::DefSetStateEx(const void *status) const {
    const auto *vs = static_cast<const VESSELSTATUS2 *>(status);
    if (vessel && vs && vs->version == 2)
        host::ApplyStatus(*vessel, *vs);
}

DWORD VESSEL::GetPropellantCount() const {
    return vessel ? static_cast<DWORD>(vessel->tanks.size()) : 0;
}

PROPELLANT_HANDLE VESSEL::GetPropellantHandleByIndex(DWORD idx) const {
    if (!vessel || idx >= vessel->tanks.size())
        return nullptr;
    return &vessel->tanks[idx];
}

double VESSEL::GetPropellantMass(PROPELLANT_HANDLE ph) const {
    int i = vessel ? IndexIn(vessel->tanks, ph) : -1;
    return i < 0 ? 0.0 : vessel->tanks[i].mass;
}

// Stored as given, as the simulator does: keeping it within the tank is the caller's job.
void VESSEL::SetPropellantMass(PROPELLANT_HANDLE ph, double mass) const {
    int i = vessel ? IndexIn(vessel->tanks, ph) : -1;
    if (i >= 0)
        vessel->tanks[i].mass = mass;
}

DOCKHANDLE VESSEL::GetDockHandle(UINT n) const {
    if (!vessel || n >= vessel->ports.size())
        return nullptr;
    return &vessel->ports[n];
}

OBJHANDLE VESSEL::GetDockStatus(DOCKHANDLE hDock) const {
    int i = vessel ? IndexIn(vessel->ports, hDock) : -1;
    if (i < 0 || !vessel->ports[i].other)
        return nullptr;
    return host::Handle(vessel->ports[i].other);
}

void VESSEL::AddBeacon(BEACONLIGHTSPEC *bs) {
    if (!vessel || !bs)
        return;
    vessel->beacons.push_back(bs);
    host::Event("beacon added to %s size %g", vessel->name.c_str(), bs->size);
}

bool VESSEL::DelBeacon(BEACONLIGHTSPEC *bs) {
    if (!vessel)
        return false;
    auto found = std::find(vessel->beacons.begin(), vessel->beacons.end(), bs);
    if (found == vessel->beacons.end())
        return false;
    vessel->beacons.erase(found);
    host::Event("beacon removed from %s", vessel->name.c_str());
    return true;
}

void VESSEL::ClearBeacons() {
    if (!vessel)
        return;
    vessel->beacons.clear();
    host::Event("beacons cleared from %s", vessel->name.c_str());
}

void VESSEL::SetVisibilityLimit(double vislimit, double spotlimit) const {
    if (!vessel)
        return;
    vessel->visLimit = vislimit;
    vessel->spotLimit = spotlimit < 0.0 ? vislimit : spotlimit;
}

void VESSEL::GetCameraOffset(VECTOR3 &co) const {
    co = vessel ? vessel->cameraOffset : VECTOR3{};
}
