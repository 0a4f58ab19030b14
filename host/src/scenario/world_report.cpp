// Printed states of vessels and of the object list.
#include "scenario/world_report.h"

#include <cstdio>

namespace scenario {

namespace {

const host::SimObject &Reference() {
    return *host::World().bodies.front();
}

} // namespace

std::string FormatNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string FormatTriple(const VECTOR3 &v) {
    return FormatNumber(v.x) + " " + FormatNumber(v.y) + " " + FormatNumber(v.z);
}

Vessel *FindLiveVessel(const std::string &name) {
    host::SimObject *o = host::World().FindByName(name);
    return o && o->isVessel ? static_cast<Vessel *>(o) : nullptr;
}

VECTOR3 RelativePos(const host::SimObject &o) {
    return host::Sub(o.pos, Reference().pos);
}

VECTOR3 RelativeVel(const host::SimObject &o) {
    return host::Sub(o.vel, Reference().vel);
}

std::string VesselLine(const Vessel &v) {
    VECTOR3 forward = {{0.0, 0.0, 1.0}};
    std::string line = "vessel " + v.name + " pos " + FormatTriple(RelativePos(v)) + " vel " +
                       FormatTriple(RelativeVel(v)) + " dir " +
                       FormatTriple(host::MulMatrix(v.rot, forward)) + " status " +
                       std::to_string(v.iface->GetFlightStatus()) + " tanks";
    for (const host::Tank &tank : v.tanks)
        line += " " + FormatNumber(tank.mass);
    return line;
}

std::vector<std::string> ObjectLines() {
    std::vector<std::string> lines;
    const std::vector<host::SimObject *> &objects = host::World().objects;
    for (size_t i = 0; i < objects.size(); ++i)
        lines.push_back("object " + std::to_string(i) + " " + objects[i]->name + " " +
                        objects[i]->className);
    return lines;
}

} // namespace scenario
