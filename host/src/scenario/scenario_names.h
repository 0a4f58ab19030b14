// Looking up the bodies and vessels a scenario declares, by name without
// regard to case.
#ifndef HOST_SCENARIO_SCENARIO_NAMES_H
#define HOST_SCENARIO_SCENARIO_NAMES_H

#include "scenario/scenario.h"

#include <string>

namespace scenario {

const ShipEntry *FindShip(const Scenario &s, const std::string &name);
const BodyEntry *FindBody(const Scenario &s, const std::string &name);
bool SameName(const std::string &a, const std::string &b);

} // namespace scenario

#endif
