// The options of tarsel-sim.
#ifndef HOST_SCENARIO_COMMAND_LINE_H
#define HOST_SCENARIO_COMMAND_LINE_H

#include <string>

namespace scenario {

struct Options {
    std::string root = ".";
    std::string module; // empty: the one built with the host
    std::string out = ".";
    bool quiet = false;
    bool help = false;
    std::string scenario;
};

extern const char *const kUsage;

// False with a message when the arguments are not a valid command line.
bool ParseCommandLine(int argc, const char *const *argv, Options *options, std::string *error);

} // namespace scenario

#endif
