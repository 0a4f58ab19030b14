// The simulated world of the headless host: bodies, vessels, clock, camera.
// OBJHANDLE values given to modules are pointers to SimObject; objects are
// never freed while the host runs (deleted ones move to a graveyard), so a
// handle of a deleted object never comes back as the handle of a new one.
#ifndef HOST_WORLD_H
#define HOST_WORLD_H

#include "Orbitersdk.h"

#include <memory>
#include <string>
#include <vector>

class Vessel;

namespace host {

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
    VECTOR3 startPos{}; // position at simulation time 0... moved at constant velocity
};

struct Tank {
    double capacity = 0.0;
    double mass = 0.0;
};

struct DockPort {
    Vessel *other = nullptr; // docked vessel, null when free
    int otherPort = -1;
};

VECTOR3 Add(const VECTOR3 &a, const VECTOR3 &b);
VECTOR3 Sub(const VECTOR3 &a, const VECTOR3 &b);
VECTOR3 Scale(const VECTOR3 &a, double s);
double Length(const VECTOR3 &a);
VECTOR3 Cross(const VECTOR3 &a, const VECTOR3 &b);
VECTOR3 MulMatrix(const MATRIX3 &m, const VECTOR3 &v);
// Rotation from forward (+z) and up (+y) axes; up is made square to forward.
MATRIX3 RotationFromAxes(const VECTOR3 &forward, const VECTOR3 &up);
// Euler angles of the simulator's convention and back.
VECTOR3 EulerFromRotation(const MATRIX3 &r);
MATRIX3 RotationFromEuler(const VECTOR3 &arot);

} // namespace host

class Vessel : public host::SimObject {
public:
    Vessel();
    MATRIX3 rot{};                 // vessel frame -> global frame
    std::vector<host::Tank> tanks; // PROPELLANT_HANDLE = &tanks[i]
    std::vector<host::DockPort> ports;
    VECTOR3 cameraOffset{};
    std::vector<BEACONLIGHTSPEC *> beacons; // caller-owned records
    double visLimit = -1.0, spotLimit = -1.0;
    int status = 0; // 0 flying, 1 landed
    bool deletePending = false;
    VESSEL iface; // the interface given to modules
    double TotalMass() const;
    bool Docked() const;
};

namespace host {

// Everything the host simulates. One instance, reachable through World().
class WorldState {
public:
    // Object list order: bodies first (in their order), then vessels.
    std::vector<SimObject *> objects;
    std::vector<Body *> bodies;

    double startTime = 0.0;
    double stepLength = 0.1;
    long long stepCount = 0;
    double simTime = 0.0; // startTime + stepCount * stepLength, computed
    bool gravity = false;

    OBJHANDLE cameraTarget = nullptr;
    double cameraAperture = 0.0; // rad

    Body *AddBody(const std::string &name, double mass, double size, VECTOR3 pos, VECTOR3 vel);
    Vessel *AddVessel(const std::string &name, const std::string &className);
    SimObject *FindByName(const std::string &name) const; // case-insensitive
    bool IsLiveVessel(const void *h) const;
    bool IsLiveObject(const void *h) const;
    int IndexOf(const SimObject *o) const; // -1 when absent

    // Deletion as the simulator does it: marked now, removed (ports undocked
    // first) by FlushDeletions at the end of the step.
    bool RequestDelete(Vessel *v);
    void FlushDeletions();

    void Dock(Vessel *a, int portA, Vessel *b, int portB);
    void Undock(Vessel *a, int port);

    // Moves bodies (constant velocity, from their start positions) and
    // vessels (velocity, plus gravity of every body when enabled) over one step.
    void MoveObjects(double dt);
    void SetCameraAperture(double rad); // clamped to 0.1..80 degrees, logged when it changes

    void Reset(); // empties the world for a new run (objects go to the graveyard)

private:
    std::vector<std::unique_ptr<SimObject>> owned_;
    std::vector<std::unique_ptr<SimObject>> graveyard_;
};

WorldState &World();

} // namespace host

#endif
