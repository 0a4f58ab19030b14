// The EXPECT checks of a flight.
#ifndef HOST_SCENARIO_FLIGHT_CHECKS_H
#define HOST_SCENARIO_FLIGHT_CHECKS_H

#include "scenario/scenario.h"

#include <string>

namespace scenario {

// True when the check holds; otherwise *failure tells what was checked and
// what was found instead.
bool CheckHolds(const Command &check, std::string *failure);

} // namespace scenario

#endif
