// tarsel-sim run as a program from a test, in the test's working folder.
#ifndef TEST_SIM_PROGRAM_H
#define TEST_SIM_PROGRAM_H

#include "platform/host_paths.h"

#include <cstdio>
#include <string>
#ifndef _WIN32
#include <sys/wait.h>
#endif

struct SimOutcome {
    int status = -1;
    std::string output; // standard output and error together
};

// Arguments as a shell (POSIX) or cmd.exe (Windows) takes them.
inline SimOutcome RunSim(const std::string &arguments) {
    const std::string command = host::SystemPath(TARSEL_SIM).string() + " " + arguments + " 2>&1";
    SimOutcome outcome;
#ifdef _WIN32
    FILE *pipe = _popen(command.c_str(), "rb");
#else
    FILE *pipe = popen(command.c_str(), "r");
#endif
    for (int c; pipe && (c = std::fgetc(pipe)) != EOF;)
        outcome.output += static_cast<char>(c);
#ifdef _WIN32
    outcome.status = pipe ? _pclose(pipe) : -1;
#else
    const int status = pipe ? pclose(pipe) : -1;
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    return outcome;
}

#endif
