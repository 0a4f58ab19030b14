// The simulated world of the headless host: bodies, vessels, clock, camera.
// OBJHANDLE values given to modules are pointers to SimObject; objects are
// never freed while the host runs (deleted ones move to a graveyard), so
// reading through a handle of a deleted object stays safe. Such a handle
// never comes back as the handle of a new object, unless reuseDeleted asks
// for the simulator's memory reuse: then a new vessel takes the place (the
// handle and interface address) of the vessel deleted most recently.
#ifndef HOST_WORLD_H
#define HOST_WORLD_H

#include "Orbitersdk.h"

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class Vessel;

namespace host {

// A vessel of a class the host has no figures for: a scenario ship without
// MASS or SIZE, or one made at run time.
constexpr double kDefaultVesselMass = 10000.0; // kg
constexpr double kDefaultVesselSize = 10.0;    // m

struct SimObject {
    virtual ~SimObject() = default;
    std::string name;
    std::string className; // "body" for bodies
    double mass = 0.0;     // kg; a vessel's empty mass (see Vessel::TotalMass)
    double size = 0.0;     // mean radius, m
    VECTOR3 pos{};         // global frame, m
    VECTOR3 vel{};         // global frame, m/s
    bool isVessel = false;
};

struct Body : SimObject {
    VECTOR3 startPos{}; // position at the start time of the run
};

struct Tank {
    double capacity = 0.0;
    double mass = 0.0;
};

struct DockPort {
    Vessel *other = nullptr; // docked vessel, null when free
    int otherPort = -1;
};

VECTOR3 Vec(double x, double y, double z);
VECTOR3 Add(const VECTOR3 &a, const VECTOR3 &b);
VECTOR3 Sub(const VECTOR3 &a, const VECTOR3 &b);
VECTOR3 Scale(const VECTOR3 &a, double s);
double Dot(const VECTOR3 &a, const VECTOR3 &b);
double Length(const VECTOR3 &a);
VECTOR3 Cross(const VECTOR3 &a, const VECTOR3 &b);
VECTOR3 MulMatrix(const MATRIX3 &m, const VECTOR3 &v);
MATRIX3 IdentityMatrix();
// Rotation (vessel frame -> global frame) whose +z axis is forward and whose
// +y axis is up made square to forward; a zero or parallel up picks any
// square axis, a zero forward gives the identity.
MATRIX3 RotationFromAxes(const VECTOR3 &forward, const VECTOR3 &up);
// Euler angles of the simulator's convention and back:
// alpha = atan2(R23, R33), beta = -asin(R13), gamma = atan2(R12, R11).
VECTOR3 EulerFromRotation(const MATRIX3 &r);
MATRIX3 RotationFromEuler(const VECTOR3 &arot);

} // namespace host

class Vessel : public host::SimObject {
public:
    Vessel();
    MATRIX3 rot{};                     // vessel frame -> global frame
    std::vector<host::Tank> tanks;     // PROPELLANT_HANDLE = &tanks[i]; fixed once flown
    std::vector<host::DockPort> ports; // DOCKHANDLE = &ports[i]; fixed once flown
    VECTOR3 cameraOffset{};
    std::vector<BEACONLIGHTSPEC *> beacons; // caller-owned records
    double visLimit = -1.0, spotLimit = -1.0;
    int status = 0; // 0 flying, 1 landed
    bool deletePending = false;
    OBJHANDLE cameraFallback = nullptr; // where the camera goes when this vessel is removed
    VESSEL *iface = nullptr;            // the interface given to modules; made by AddVessel
    double TotalMass() const;
    bool Docked() const;
};

namespace host {

inline OBJHANDLE Handle(SimObject *o) {
    return static_cast<void *>(o);
}

// Everything the host simulates. One instance, reachable through World().
class WorldState {
public:
    // Object list order: bodies first (in their order), then vessels in creation order.
    std::vector<SimObject *> objects;
    std::vector<Body *> bodies; // in scenario order; bodies[0] is the reference of positions

    double startTime = 0.0;
    double stepLength = 0.1;
    long long stepCount = 0;
    double simTime = 0.0; // startTime + stepCount * stepLength, computed
    bool gravity = false;
    bool reuseDeleted = false; // new vessels take the places of deleted ones, last deleted first

    static constexpr double kDefaultAperture = 20.0 * 3.14159265358979323846 / 180.0; // rad
    OBJHANDLE cameraTarget = nullptr;
    double cameraAperture = kDefaultAperture; // rad

    Body *AddBody(const std::string &name, double mass, double size, VECTOR3 pos, VECTOR3 vel);
    // Appends a vessel (empty mass 0, no tanks or ports) and logs its creation;
    // with reuseDeleted, in the place of the vessel deleted most recently whose
    // place is not taken yet, reset to a fresh state.
    Vessel *AddVessel(const std::string &name, const std::string &className);
    SimObject *FindByName(const std::string &name) const; // case-insensitive, first match

    // Any handle the host ever gave out (live, or deleted and in the graveyard) resolves;
    // anything else gives null.
    SimObject *FromHandle(const void *h) const;
    Vessel *VesselFromHandle(const void *h) const;
    bool IsLiveObject(const void *h) const;
    bool IsLiveVessel(const void *h) const; // still in the object list, deletion pending or not
    int IndexOf(const SimObject *o) const;  // -1 when absent

    // Deletion as the simulator does it: marked now, removed at the end of a
    // frame by host::FlushDeletions. A second request for a vessel already
    // marked, or for one not live, is refused (false).
    bool RequestDelete(Vessel *v, OBJHANDLE cameraFallback = nullptr);
    // A camera that follows v moves to the alternative target given with the
    // request when that is live and stays, else to the first vessel that
    // stays, else to body 0.
    void MoveCameraFrom(const Vessel *v);
    // Undocks every port of v and takes it out of the object list.
    void Remove(Vessel *v);

    // False when a port index is out of range, a port is taken, or a == b.
    bool Dock(Vessel *a, int portA, Vessel *b, int portB);
    bool Undock(Vessel *a, int port); // false when out of range or free

    // Moves every object over one step of stepLength seconds, then advances
    // the clock: stepCount + 1, simTime = startTime + stepCount * stepLength
    // (see world.cpp).
    void AdvanceStep();
    // Clamped to 0.1..80 degrees; logged when the value changes; NaN is ignored.
    void SetCameraAperture(double rad);

    // Empties the world for a new run (objects go to the graveyard) and
    // restores the clock and camera defaults.
    void Reset();

private:
    OBJHANDLE CameraReplacement(const Vessel *leaving) const;

    std::vector<std::unique_ptr<SimObject>> owned_;
    std::vector<std::unique_ptr<SimObject>> graveyard_;
    std::unordered_set<const void *> known_;
    std::vector<Vessel *> reusable_; // deleted vessels in the graveyard, last deleted last
};

WorldState &World();

} // namespace host

#endif
