// Flying the commands of a scenario in the world that BuildWorld made, with
// the module loaded and its run begun.
#ifndef HOST_SCENARIO_FLIGHT_RUNNER_H
#define HOST_SCENARIO_FLIGHT_RUNNER_H

#include "scenario/scenario.h"

#include <ostream>
#include <string>

namespace scenario {

struct FlightOutcome {
    int failures = 0;
    // A fault the simulator would not survive ended the flight early.
    bool fatal = false;
};

// Runs every command in order. Failed checks and commands the world refuses
// (a display that is not open, a vessel that is gone, ...) are written to
// errors as "FILE:LINE: ..." and the flight goes on; a fatal fault of the
// module (host/src/world/fatal_fault.h) is written so and ends it. Relative
// SNAPSHOT names are taken under outDir.
FlightOutcome Fly(const Scenario &s, const std::string &outDir, std::ostream &errors);

} // namespace scenario

#endif
