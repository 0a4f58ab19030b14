// The simulator's free API functions for objects, vessels, camera and time.
#include "api/vessel_status.h"
#include "world/world.h"

#include <algorithm>
#include <cstring>
#include <vector>

using host::World;

namespace {

// Vessel classes the host knows without a configuration file.
struct ClassDefaults {
    double mass;
    double size;
};

ClassDefaults DefaultsFor(const char *className) {
    if (std::strcmp(className, "Hyperspace") == 0)
        return {1.0, 1.0}; // the drive's flash marker: tiny, no tanks, no ports
    return {host::kDefaultVesselMass, host::kDefaultVesselSize};
}

} // namespace

DWORD oapiGetObjectCount() {
    return static_cast<DWORD>(World().objects.size());
}

OBJHANDLE oapiGetObjectByIndex(int index) {
    const auto &objects = World().objects;
    if (index < 0 || index >= static_cast<int>(objects.size()))
        return nullptr;
    return host::Handle(objects[index]);
}

OBJHANDLE oapiGetObjectByName(char *name) {
    if (!name)
        return nullptr;
    host::SimObject *o = World().FindByName(name);
    return o ? host::Handle(o) : nullptr;
}

// strncpy's contract, as the simulator copies: a name of n characters or more
// fills the buffer without a terminating zero; a shorter one is padded with zeros.
void oapiGetObjectName(OBJHANDLE hObj, char *name, int n) {
    if (!name || n <= 0)
        return;
    host::SimObject *o = World().FromHandle(hObj);
    std::strncpy(name, o ? o->name.c_str() : "", static_cast<size_t>(n));
}

double oapiGetMass(OBJHANDLE hObj) {
    host::SimObject *o = World().FromHandle(hObj);
    if (!o)
        return 0.0;
    return o->isVessel ? static_cast<Vessel *>(o)->TotalMass() : o->mass;
}

double oapiGetSize(OBJHANDLE hObj) {
    host::SimObject *o = World().FromHandle(hObj);
    return o ? o->size : 0.0;
}

// The simulator counts its gravitating bodies heaviest first; bodies of equal
// mass keep their scenario order.
OBJHANDLE oapiGetGbodyByIndex(int index) {
    std::vector<host::Body *> bodies = World().bodies;
    if (index < 0 || index >= static_cast<int>(bodies.size()))
        return nullptr;
    std::stable_sort(bodies.begin(), bodies.end(),
                     [](const host::Body *a, const host::Body *b) { return a->mass > b->mass; });
    return host::Handle(bodies[index]);
}

void oapiGetRelativePos(OBJHANDLE hObj, OBJHANDLE hRef, VECTOR3 *pos) {
    if (!pos)
        return;
    host::SimObject *o = World().FromHandle(hObj), *ref = World().FromHandle(hRef);
    *pos = o && ref ? host::Sub(o->pos, ref->pos) : VECTOR3{};
}

void oapiGetRelativeVel(OBJHANDLE hObj, OBJHANDLE hRef, VECTOR3 *vel) {
    if (!vel)
        return;
    host::SimObject *o = World().FromHandle(hObj), *ref = World().FromHandle(hRef);
    *vel = o && ref ? host::Sub(o->vel, ref->vel) : VECTOR3{};
}

VESSEL *oapiGetVesselInterface(OBJHANDLE hVessel) {
    Vessel *v = World().VesselFromHandle(hVessel);
    return v ? v->iface : nullptr;
}

bool oapiIsVessel(OBJHANDLE hVessel) {
    return World().IsLiveVessel(hVessel);
}

OBJHANDLE oapiCreateVesselEx(const char *name, const char *classname, const void *status) {
    const auto *vs = static_cast<const VESSELSTATUS2 *>(status);
    if (!name || !classname || !vs || vs->version != 2)
        return nullptr;
    if (vs->rbody && !World().FromHandle(vs->rbody))
        return nullptr;
    Vessel *v = World().AddVessel(name, classname);
    ClassDefaults defaults = DefaultsFor(classname);
    v->mass = defaults.mass;
    v->size = defaults.size;
    host::ApplyStatus(*v, *vs);
    return host::Handle(v);
}

bool oapiDeleteVessel(OBJHANDLE hVessel, OBJHANDLE hAlternativeCameraTarget) {
    return World().RequestDelete(World().VesselFromHandle(hVessel), hAlternativeCameraTarget);
}

OBJHANDLE oapiCameraTarget() {
    return World().cameraTarget;
}

double oapiCameraAperture() {
    return World().cameraAperture;
}

void oapiCameraSetAperture(double aperture) {
    World().SetCameraAperture(aperture);
}

double oapiGetSimTime() {
    return World().simTime;
}
