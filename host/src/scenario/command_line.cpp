// tarsel-sim [--root DIR] [--module PATH] [--out DIR] [--quiet] SCENARIO.scn
#include "scenario/command_line.h"

namespace scenario {

const char *const kUsage =
    "usage: tarsel-sim [--root DIR] [--module PATH] [--out DIR] [--quiet] SCENARIO.scn\n"
    "  --root DIR     the simulator's root folder (default: the current directory)\n"
    "  --module PATH  the module's shared library (default: the one built with the host)\n"
    "  --out DIR      where SNAPSHOT pictures with relative names go (default: .)\n"
    "  --quiet        print only PRINT output and errors\n"
    "exit status: 0 flown and every check held, 1 a check or command failed,\n"
    "             2 invalid command line or scenario, or the module did not load\n";

bool ParseCommandLine(int argc, const char *const *argv, Options *options, std::string *error) {
    Options parsed;
    bool haveScenario = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        std::string *value = nullptr;
        if (arg == "--root")
            value = &parsed.root;
        else if (arg == "--module")
            value = &parsed.module;
        else if (arg == "--out")
            value = &parsed.out;
        if (value) {
            if (i + 1 == argc || std::string(argv[i + 1]).empty()) {
                *error = arg + " needs a value";
                return false;
            }
            *value = argv[++i];
        } else if (arg == "--quiet") {
            parsed.quiet = true;
        } else if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            *error = "unknown option '" + arg + "'";
            return false;
        } else if (haveScenario) {
            *error = "more than one scenario: '" + parsed.scenario + "' and '" + arg + "'";
            return false;
        } else {
            parsed.scenario = arg;
            haveScenario = true;
        }
    }
    if (!haveScenario && !parsed.help) {
        *error = "no scenario file given";
        return false;
    }
    *options = parsed;
    return true;
}

} // namespace scenario
