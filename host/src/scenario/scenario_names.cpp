// Name look-ups among a scenario's declarations.
#include "scenario/scenario_names.h"

#include "platform/text_case.h"

namespace scenario {

bool SameName(const std::string &a, const std::string &b) {
    return host::SameTextIgnoringCase(a, b);
}

const ShipEntry *FindShip(const Scenario &s, const std::string &name) {
    for (const ShipEntry &ship : s.ships)
        if (SameName(ship.name, name))
            return &ship;
    return nullptr;
}

const BodyEntry *FindBody(const Scenario &s, const std::string &name) {
    for (const BodyEntry &body : s.bodies)
        if (SameName(body.name, name))
            return &body;
    return nullptr;
}

} // namespace scenario
