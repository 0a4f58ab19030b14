// The whole of tarsel-sim: command line, scenario, world, module, flight.
#ifndef HOST_SCENARIO_SCENARIO_MAIN_H
#define HOST_SCENARIO_SCENARIO_MAIN_H

#include "scenario/scenario.h"

namespace scenario {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1; // flown, but a check or a command failed
// bad command line or scenario, the module did not load, or it did what the
// simulator would not survive (the flight ends there)
constexpr int kExitInvalid = 2;

// The stand-in sound library's build for the scenario's SOUND line; null for none.
const char *SoundVariant(SoundLibrary sound);

// defaultModule: the module's library when --module is not given.
int RunScenarioMain(int argc, const char *const *argv, const char *defaultModule);

} // namespace scenario

#endif
