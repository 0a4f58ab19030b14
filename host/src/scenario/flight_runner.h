// Flying the commands of a scenario in the world that BuildWorld made, with
// the module loaded and its run begun.
#ifndef HOST_SCENARIO_FLIGHT_RUNNER_H
#define HOST_SCENARIO_FLIGHT_RUNNER_H

#include "scenario/scenario.h"

#include <ostream>
#include <string>

namespace scenario {

// Runs every command in order. Failed checks and commands the world refuses
// (a display that is not open, a vessel that is gone, ...) are written to
// errors as "FILE:LINE: ..." and the flight goes on. Relative SNAPSHOT names
// are taken under outDir. Returns the number of failures.
int Fly(const Scenario &s, const std::string &outDir, std::ostream &errors);

} // namespace scenario

#endif
