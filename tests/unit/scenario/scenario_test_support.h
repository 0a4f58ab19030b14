// Helpers for the scenario tests: one shared world, parsed from text.
#ifndef SCENARIO_TEST_SUPPORT_H
#define SCENARIO_TEST_SUPPORT_H

#include "scenario/scenario_parser.h"

#include <gtest/gtest.h>

#include <string>

// Two bodies, body 0 moving, and two docked vessels; then the given flight lines.
inline std::string WithFlight(const std::string &flight, const std::string &environment = "") {
    return "BEGIN_ENVIRONMENT\n" + environment +
           "\nEND_ENVIRONMENT\n"
           "BEGIN_BODIES\n"
           "Earth MASS 5.9736e24 SIZE 6.371e6 POS 1e11 0 0 VEL 0 30000 0\n"
           "Moon MASS 7.35e22 SIZE 1.738e6 POS 1e11 3.8e8 0\n"
           "END_BODIES\n"
           "BEGIN_SHIPS\n"
           "Alpha:Glider\n  RPOS 7e6 0 0\n  RVEL 0 7500 0\n"
           "  TANK 100 40\n  TANK 50 50\n  PORTS 2\nEND\n"
           "Beta:Tug\n  RPOS 7e6 0 100\n  DIR 0 1 0\n  PORTS 1\n  DOCK 0 Alpha 1\nEND\n"
           "END_SHIPS\n"
           "BEGIN_FLIGHT\n" +
           flight + "\nEND_FLIGHT\n";
}

// Line of the first flight command in WithFlight's text.
constexpr int kFirstFlightLine = 24;

inline scenario::Scenario MustParse(const std::string &text) {
    scenario::Scenario s;
    std::string error;
    EXPECT_TRUE(scenario::ParseScenario(text, "t.scn", &s, &error)) << error;
    return s;
}

#endif
