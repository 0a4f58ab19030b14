// The host's world: object list, deletion, docking, motion and camera.
#include "world/world.h"

#include "platform/text_case.h"
#include "world/interface_places.h"

#include "world/transcript.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;
const double kGravityConstant = 6.67259e-11; // the simulator's value, m^3 kg^-1 s^-2

} // namespace

Vessel::Vessel() {
    isVessel = true;
}

double Vessel::TotalMass() const {
    double total = mass;
    for (const host::Tank &t : tanks)
        total += t.mass;
    return total;
}

bool Vessel::Docked() const {
    return std::any_of(ports.begin(), ports.end(),
                       [](const host::DockPort &p) { return p.other != nullptr; });
}

namespace host {

WorldState &World() {
    static WorldState world;
    return world;
}

Body *WorldState::AddBody(const std::string &name, double mass, double size, VECTOR3 pos,
                          VECTOR3 vel) {
    auto body = std::make_unique<Body>();
    Body *b = body.get();
    b->name = name;
    b->className = "body";
    b->mass = mass;
    b->size = size;
    b->pos = b->startPos = pos;
    b->vel = vel;
    known_.insert(Handle(b));
    owned_.push_back(std::move(body));
    // Bodies stand before every vessel in the object list.
    objects.insert(objects.begin() + bodies.size(), b);
    bodies.push_back(b);
    return b;
}

Vessel *WorldState::AddVessel(const std::string &name, const std::string &className) {
    Vessel *v = nullptr;
    if (reuseDeleted && !reusable_.empty()) {
        v = reusable_.back();
        reusable_.pop_back();
        auto it = std::find_if(graveyard_.begin(), graveyard_.end(),
                               [v](const std::unique_ptr<SimObject> &o) { return o.get() == v; });
        owned_.push_back(std::move(*it));
        graveyard_.erase(it);
        VESSEL *place = v->iface; // the interface goes with the vessel's place
        *v = Vessel();
        v->iface = place;
    } else {
        owned_.push_back(std::make_unique<Vessel>());
        v = static_cast<Vessel *>(owned_.back().get());
        known_.insert(Handle(v));
    }
    v->name = name;
    v->className = className;
    v->rot = IdentityMatrix();
    // Made once the handle is known, as the interface resolves it.
    if (v->iface)
        *v->iface = VESSEL(Handle(v));
    else
        v->iface = new (NewInterfacePlace()) VESSEL(Handle(v));
    objects.push_back(v);
    Event("vessel %s created (%s)", name.c_str(), className.c_str());
    return v;
}

SimObject *WorldState::FindByName(const std::string &name) const {
    for (SimObject *o : objects)
        if (SameTextIgnoringCase(o->name, name))
            return o;
    return nullptr;
}

SimObject *WorldState::FromHandle(const void *h) const {
    if (!h || known_.count(h) == 0)
        return nullptr;
    return static_cast<SimObject *>(const_cast<void *>(h));
}

Vessel *WorldState::VesselFromHandle(const void *h) const {
    SimObject *o = FromHandle(h);
    return o && o->isVessel ? static_cast<Vessel *>(o) : nullptr;
}

bool WorldState::IsLiveObject(const void *h) const {
    SimObject *o = FromHandle(h);
    return o && IndexOf(o) >= 0;
}

bool WorldState::IsLiveVessel(const void *h) const {
    SimObject *o = FromHandle(h);
    return o && o->isVessel && IndexOf(o) >= 0;
}

int WorldState::IndexOf(const SimObject *o) const {
    auto it = std::find(objects.begin(), objects.end(), o);
    return it == objects.end() ? -1 : static_cast<int>(it - objects.begin());
}

bool WorldState::RequestDelete(Vessel *v, OBJHANDLE fallback) {
    if (v && v->deletePending) {
        // Harmless here, but a module should ask once.
        Event("vessel %s: deletion requested again", v->name.c_str());
        return false;
    }
    if (!v || !IsLiveVessel(Handle(v)))
        return false;
    v->deletePending = true;
    v->cameraFallback = fallback;
    Event("vessel %s: deletion requested", v->name.c_str());
    return true;
}

void WorldState::MoveCameraFrom(const Vessel *v) {
    if (cameraTarget == static_cast<const void *>(v))
        cameraTarget = CameraReplacement(v);
}

// The camera's next target when `leaving` goes: the requested alternative if it
// stays, else the first vessel that stays, else the first body.
OBJHANDLE WorldState::CameraReplacement(const Vessel *leaving) const {
    SimObject *alt = FromHandle(leaving->cameraFallback);
    if (alt && alt != leaving && IsLiveObject(alt) &&
        !(alt->isVessel && static_cast<Vessel *>(alt)->deletePending))
        return Handle(alt);
    for (SimObject *o : objects)
        if (o->isVessel && !static_cast<Vessel *>(o)->deletePending)
            return Handle(o);
    return bodies.empty() ? nullptr : Handle(bodies.front());
}

void WorldState::Remove(Vessel *v) {
    for (size_t i = 0; i < v->ports.size(); ++i)
        Undock(v, static_cast<int>(i));
    objects.erase(std::find(objects.begin(), objects.end(), v));
    auto it = std::find_if(owned_.begin(), owned_.end(),
                           [v](const std::unique_ptr<SimObject> &o) { return o.get() == v; });
    graveyard_.push_back(std::move(*it));
    owned_.erase(it);
    reusable_.push_back(v);
    v->deletePending = false;
    Event("vessel %s deleted", v->name.c_str());
}

bool WorldState::Dock(Vessel *a, int portA, Vessel *b, int portB) {
    if (!a || !b || a == b || portA < 0 || portB < 0 ||
        portA >= static_cast<int>(a->ports.size()) || portB >= static_cast<int>(b->ports.size()))
        return false;
    DockPort &pa = a->ports[portA];
    DockPort &pb = b->ports[portB];
    if (pa.other || pb.other)
        return false;
    pa.other = b;
    pa.otherPort = portB;
    pb.other = a;
    pb.otherPort = portA;
    return true;
}

bool WorldState::Undock(Vessel *a, int port) {
    if (!a || port < 0 || port >= static_cast<int>(a->ports.size()) || !a->ports[port].other)
        return false;
    DockPort &p = a->ports[port];
    DockPort &q = p.other->ports[p.otherPort];
    q.other = nullptr;
    q.otherPort = -1;
    p.other = nullptr;
    p.otherPort = -1;
    return true;
}

// One step, kept simple and reproducible:
// - a vessel, when gravity is on, first takes vel += a * dt with the point-mass
//   pull of every body at its current place, a = sum G * M * (rb - r) / |rb - r|^3;
//   then pos += vel * dt (semi-implicit Euler). Gravity is taken from the bodies'
//   positions at the start of the step, before they move;
// - then the clock advances, computed from the step count, never summed, so
//   that long runs do not drift;
// - a body moves at its constant velocity: it stands at its start position
//   plus velocity times the new elapsed time.
// A landed vessel stays where it is: neither gravity nor its velocity moves it.
// Orientation and docking do not affect motion.
void WorldState::AdvanceStep() {
    const double dt = stepLength;
    for (SimObject *o : objects) {
        if (!o->isVessel || static_cast<Vessel *>(o)->status == 1)
            continue;
        if (gravity) {
            for (const Body *b : bodies) {
                VECTOR3 d = Sub(b->pos, o->pos);
                double r = Length(d);
                if (r > 0.0)
                    o->vel = Add(o->vel, Scale(d, dt * kGravityConstant * b->mass / (r * r * r)));
            }
        }
        o->pos = Add(o->pos, Scale(o->vel, dt));
    }
    ++stepCount;
    const double elapsed = static_cast<double>(stepCount) * stepLength;
    simTime = startTime + elapsed;
    for (Body *b : bodies)
        b->pos = Add(b->startPos, Scale(b->vel, elapsed));
}

void WorldState::SetCameraAperture(double rad) {
    if (std::isnan(rad))
        return;
    const double lowest = 0.1 * kPi / 180.0, highest = 80.0 * kPi / 180.0;
    double clamped = std::min(std::max(rad, lowest), highest);
    if (clamped == cameraAperture)
        return;
    cameraAperture = clamped;
    Event("camera aperture %.3f deg", clamped * 180.0 / kPi);
}

void WorldState::Reset() {
    for (auto &o : owned_)
        graveyard_.push_back(std::move(o));
    owned_.clear();
    objects.clear();
    bodies.clear();
    reusable_.clear();
    reuseDeleted = false;
    startTime = 0.0;
    stepLength = 0.1;
    stepCount = 0;
    simTime = 0.0;
    gravity = false;
    cameraTarget = nullptr;
    cameraAperture = kDefaultAperture;
}

} // namespace host
