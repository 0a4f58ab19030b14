// Helpers for the scenario tests: parsing texts and flying them in-process.
#ifndef SCENARIO_TEST_SUPPORT_H
#define SCENARIO_TEST_SUPPORT_H

#include "scenario/scenario_parser.h"

#include <gtest/gtest.h>

#include <string>

// A world of one body and two vessels, then the given flight lines.
inline std::string WithFlight(const std::string &flight) {
    return "BEGIN_BODIES\n"
           "Earth MASS 6e24 SIZE 6.4e6 POS 0 0 0\n"
           "END_BODIES\n"
           "BEGIN_SHIPS\n"
           "Alpha:Glider\n"
           "  RPOS 7e6 0 0\n"
           "  TANK 100 40\n"
           "  TANK 50 50\n"
           "  PORTS 2\n"
           "END\n"
           "Beta:Tug\n"
           "  RPOS 7e6 0 100\n"
           "  PORTS 1\n"
           "END\n"
           "END_SHIPS\n"
           "BEGIN_FLIGHT\n" +
           flight + "\nEND_FLIGHT\n";
}

// Line of the first flight command in WithFlight's text.
constexpr int kFirstFlightLine = 17;

inline scenario::Scenario MustParse(const std::string &text) {
    scenario::Scenario s;
    std::string error;
    EXPECT_TRUE(scenario::ParseScenario(text, "t.scn", &s, &error)) << error;
    return s;
}

// The message of a scenario that must be refused ("" when it was accepted).
inline std::string RefusalOf(const std::string &text) {
    scenario::Scenario s;
    std::string error;
    if (scenario::ParseScenario(text, "t.scn", &s, &error))
        return "";
    return error;
}

#endif
