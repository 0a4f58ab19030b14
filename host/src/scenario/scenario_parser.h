// Reading a scenario file into a Scenario, with every check that can be made
// before anything flies.
#ifndef HOST_SCENARIO_SCENARIO_PARSER_H
#define HOST_SCENARIO_SCENARIO_PARSER_H

#include "scenario/scenario.h"

#include <string>

namespace scenario {

// The most host steps one RUN, UNTIL or STEPS may ask for.
constexpr long long kMaxSteps = 1000000000;

// Parses the text of a scenario; fileName is used in messages only.
// On failure returns false with "FILE:LINE: message" in *error.
bool ParseScenario(const std::string &text, const std::string &fileName, Scenario *out,
                   std::string *error);

// Reads and parses the file at path.
bool LoadScenarioFile(const std::string &path, Scenario *out, std::string *error);

} // namespace scenario

#endif
