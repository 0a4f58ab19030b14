// The whole of tarsel-sim: command line, scenario, world, module, flight.
#ifndef HOST_SCENARIO_SCENARIO_MAIN_H
#define HOST_SCENARIO_SCENARIO_MAIN_H

#include "scenario/scenario.h"

namespace scenario {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;  // flown, but a check or a command failed
constexpr int kExitInvalid = 2; // bad command line or scenario, or the module did not load

// The stand-in sound library's build for the scenario's SOUND line; null for none.
const char *SoundVariant(SoundLibrary sound);

// defaultModule: the module's library when --module is not given.
int RunScenarioMain(int argc, const char *const *argv, const char *defaultModule);

} // namespace scenario

#endif
