// Building the host's world from a scenario's declarations.
#ifndef HOST_SCENARIO_WORLD_SETUP_H
#define HOST_SCENARIO_WORLD_SETUP_H

#include "scenario/scenario.h"

namespace scenario {

// Empties the world, then sets the clock, gravity and camera and adds the
// bodies and vessels in order, with their tanks, ports and docks.
void BuildWorld(const Scenario &s);

} // namespace scenario

#endif
