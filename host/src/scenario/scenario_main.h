// The whole of tarsel-sim: command line, scenario, world, module, flight.
#ifndef HOST_SCENARIO_SCENARIO_MAIN_H
#define HOST_SCENARIO_SCENARIO_MAIN_H

#include "run/simulation.h"
#include "scenario/scenario.h"

namespace scenario {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1; // flown, but a check or a command failed
// bad command line or scenario, the module did not load, or it did what the
// simulator would not survive (the flight ends there)
constexpr int kExitInvalid = 2;

// The stand-in sound libraries for the scenario's SOUND line. A module built
// with another toolchain than the host's brings its own XRSound stand-in, in
// the folder "soundlib" beside it; the host's own serve otherwise.
host::SoundLibraries SoundLibrariesFor(SoundLibrary sound, const std::string &modulePath);

// defaultModule: the module's library when --module is not given.
int RunScenarioMain(int argc, const char *const *argv, const char *defaultModule);

} // namespace scenario

#endif
