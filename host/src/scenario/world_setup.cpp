// The world at the start of a flight.
#include "scenario/world_setup.h"

#include "world/world.h"

namespace scenario {

namespace {

const double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

void AddShip(const ShipEntry &ship, const host::Body &reference) {
    Vessel *v = host::World().AddVessel(ship.name, ship.className);
    v->pos = host::Add(reference.pos, ship.rpos);
    v->vel = host::Add(reference.vel, ship.rvel);
    v->rot = host::RotationFromAxes(ship.dir, ship.up);
    v->mass = ship.mass;
    v->size = ship.size;
    for (const TankEntry &tank : ship.tanks)
        v->tanks.push_back(host::Tank{tank.capacity, tank.mass});
    v->ports.resize(ship.ports);
    v->cameraOffset = ship.cameraOffset;
    v->status = ship.landed ? 1 : 0;
}

void DockShips(const Scenario &s) {
    host::WorldState &world = host::World();
    for (const ShipEntry &ship : s.ships)
        for (const DockEntry &dock : ship.docks)
            world.Dock(static_cast<Vessel *>(world.FindByName(ship.name)), dock.port,
                       static_cast<Vessel *>(world.FindByName(dock.other)), dock.otherPort);
}

} // namespace

void BuildWorld(const Scenario &s) {
    host::WorldState &world = host::World();
    world.Reset();
    const Environment &env = s.environment;
    world.startTime = env.start;
    world.stepLength = env.step;
    world.stepCount = 0;
    world.simTime = env.start;
    world.gravity = env.gravity;
    world.reuseDeleted = env.reuse;
    world.SetCameraAperture(env.aperture * kRadiansPerDegree);
    for (const BodyEntry &body : s.bodies)
        world.AddBody(body.name, body.mass, body.size, body.pos, body.vel);
    for (const ShipEntry &ship : s.ships)
        AddShip(ship, *world.bodies.front());
    DockShips(s);
    host::SimObject *camera = nullptr;
    if (!env.camera.empty())
        camera = world.FindByName(env.camera);
    else if (!s.ships.empty())
        camera = world.FindByName(s.ships.front().name);
    else
        camera = world.bodies.front();
    world.cameraTarget = host::Handle(camera);
}

} // namespace scenario
