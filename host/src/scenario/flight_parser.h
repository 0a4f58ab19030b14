// Parsing one line of the BEGIN_FLIGHT block against the declared world.
#ifndef HOST_SCENARIO_FLIGHT_PARSER_H
#define HOST_SCENARIO_FLIGHT_PARSER_H

#include "scenario/scenario.h"
#include "scenario/scenario_text.h"

namespace scenario {

// Throws ScenarioError for unknown commands, bad values and names that
// cannot be meant (undeclared vessels, bodies where a vessel is needed).
Command ParseFlightLine(const Line &line, const Scenario &declared);

// The scan code of a KEY word: a letter A-Z, or a number 0-255.
// Returns -1 when the word is neither.
int KeyCodeOf(const std::string &word);

} // namespace scenario

#endif
