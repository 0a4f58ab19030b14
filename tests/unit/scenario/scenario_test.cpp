// The scenario language: what the parser makes of the world blocks and of
// flight commands whose effect a flight does not show, the scenarios it
// refuses, each with the file and line of the fault (and those of
// tests/scenarios/invalid), and, flown in-process without a module, a mode
// the simulator would not survive. The PRINT lines, the world's set-up and
// the commands and checks that fail while the flight goes on are flown by
// vessel_commands, constant_velocity, landed_vessel and failing/.
#include "run/simulation.h"
#include "scenario/flight_parser.h"
#include "scenario/flight_runner.h"
#include "scenario/scenario_parser.h"
#include "scenario/world_setup.h"
#include "world/transcript.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

using scenario::Command;

namespace {

// Two bodies, body 0 moving, and two docked vessels; then the given flight lines.
std::string WithFlight(const std::string &flight, const std::string &environment = "") {
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

scenario::Scenario MustParse(const std::string &text) {
    scenario::Scenario s;
    std::string error;
    EXPECT_TRUE(scenario::ParseScenario(text, "t.scn", &s, &error)) << error;
    return s;
}

Command One(const std::string &line) {
    scenario::Scenario s = MustParse(WithFlight(line));
    EXPECT_EQ(s.flight.size(), 1u) << line;
    return s.flight.empty() ? Command() : s.flight[0];
}

const std::string kBodies = "BEGIN_BODIES\nB MASS 1 SIZE 1 POS 0 0 0\nEND_BODIES\n";

std::string Env(const std::string &line) {
    return "BEGIN_ENVIRONMENT\n" + line + "\nEND_ENVIRONMENT\n" + kBodies;
}

std::string Ships(const std::string &lines) {
    return kBodies + "BEGIN_SHIPS\n" + lines + "\nEND_SHIPS\n";
}

} // namespace

// What no flight shows of the world blocks (every_keyword.scn flies the
// rest, with Windows line ends and the blocks in any order): the camera's
// target, the memory reuse (off unless asked), a body's velocity, a ship's
// up axis and eye point.
TEST(ScenarioBlocks, WhatNoFlightShows) {
    const scenario::Scenario s = MustParse(
        "BEGIN_ENVIRONMENT\nCAMERA alpha\nREUSE ON\nEND_ENVIRONMENT\n"
        "BEGIN_BODIES\nMoon MASS 7.3e22 SIZE 1.7e6 POS 3.8e8 0 0 VEL 0 1000 0\nEND_BODIES\n"
        "BEGIN_SHIPS\nAlpha:X\n  DIR 1 0 0\n  UP 0 0 1\n  CAMOFS 0 1.5 6\nEND\nEND_SHIPS\n");
    EXPECT_EQ(std::tie(s.environment.camera, s.environment.reuse), std::make_tuple("alpha", true));
    EXPECT_FALSE(MustParse(WithFlight("")).environment.reuse) << "off unless asked";
    EXPECT_EQ(std::make_tuple(s.bodies[0].vel.y, s.ships[0].up.z, s.ships[0].cameraOffset.z),
              std::make_tuple(1000.0, 1.0, 6.0));
}

// KEY takes a letter or a number (a display's default size, a name in the
// declared spelling, a button's default event: display_commands.scn).
TEST(FlightCommands, KeyForms) {
    const std::pair<const char *, int> keys[] = {
        {"J", OAPI_KEY_J}, {"A", OAPI_KEY_A}, {"Z", OAPI_KEY_Z}, {"0x24", 0x24}, {"46", 46},
        {"c", OAPI_KEY_C}, {"1.5", -1},       {"-1", -1},        {"Ä", -1},      {"0x100", -1}};
    for (const auto &[word, code] : keys)
        EXPECT_EQ(scenario::KeyCodeOf(word), code) << word;
}

TEST(FlightCommands, InputTakesTheRestOfTheLine) {
    EXPECT_EQ(One("INPUT 1.5e9").text, "1.5e9");
    EXPECT_EQ(One("INPUT   Moon base  ; comment").text, "Moon base");
    EXPECT_EQ(One("INPUT \"\"").text, "");
    EXPECT_EQ(One("INPUT \"a; \\\"b\\\"\"").text, "a; \"b\"");
    EXPECT_EQ(One("INPUT \"two\" words").text, "\"two\" words");
    EXPECT_EQ(One("ECHO  Charging: 3 cells ").text, "Charging: 3 cells");
}

TEST(ScenarioErrors, WorldBlocksAndFlightCommands) {
    const int at = kFirstFlightLine;
    // Each text is refused with "t.scn:LINE: message".
    const std::tuple<std::string, int, std::string> refusals[] = {
        {"BEGIN_BODIES\nB MASS 1 SIZE 1 POS 0 0 0\n", 1, "BEGIN_BODIES has no END_BODIES"},
        {kBodies + "BEGIN_FLIGHT\nRUN 1\nBEGIN_SHIPS\n", 6,
         "BEGIN_SHIPS inside BEGIN_FLIGHT (missing END_FLIGHT?)"},
        {kBodies + "BEGIN_SHIPS\nA:X\nEND_SHIPS\n", 5, "vessel A has no END"},
        {kBodies + "BEGIN_FLIGHT\nECHO \"open\nEND_FLIGHT\n", 5, "unterminated quoted text"},
        {kBodies + "begin_flight\n", 4, "unknown keyword 'begin_flight'"},
        {Env("WIND 3"), 2, "unknown environment keyword 'WIND'"},
        {Ships("A:X\nTHRUST 1\nEND"), 6, "unknown vessel keyword 'THRUST'"},
        {Env("STEP"), 2, "missing step length"},
        {Env("STEP 1 2"), 2, "unexpected '2'"},
        {Env("STEP nan"), 2, "step length: 'nan' is not a finite number"},
        {Env("STEP 0.1s"), 2, "step length: '0.1s' is not a finite number"},
        {Env("CAMERA Nobody"), 2, "unknown camera target 'Nobody'"},
        {Ships("A:X\nDIR 0 0 0\nEND"), 6, "DIR must not be the zero vector"},
        {Ships("A:X\nDIR 0 0 2\nUP 0 0 -1\nEND"), 8, "vessel A: UP is parallel to DIR"},
        {Ships("A:X\nPORTS 1\nDOCK 0 Z 0\nEND"), 7, "unknown vessel 'Z'"},
        {Ships("A:X\nPORTS 1\nDOCK 0 C 0\nEND\nC:X\nEND"), 7,
         "port 0 of C does not exist (PORTS 0)"},
        {WithFlight("RUN 1e300"), at, "too many steps (at most 1000000000)"},
        {WithFlight("OPEN Alpha 0 0 256"), at, "width must be between 1 and 4096"},
        {WithFlight("KEY Alpha 0 JJ"), at, "key 'JJ' is neither a letter A-Z nor a number 0-255"},
        {WithFlight("INPUT"), at, "missing text (\"\" for an empty one)"},
        {WithFlight("TURN Alpha 1 0 0 UP -2 0 0"), at, "up axis is parallel to the direction"},
        {WithFlight("DOCK Alpha 2 Beta 0"), at, "port of Alpha must be between 0 and 1"},
    };
    for (const auto &[text, line, message] : refusals) {
        scenario::Scenario s;
        std::string error;
        EXPECT_FALSE(scenario::ParseScenario(text, "t.scn", &s, &error)) << text;
        EXPECT_EQ(error, "t.scn:" + std::to_string(line) + ": " + message) << text;
    }
}

// The simulator writes into the answer to OAPI_MSG_MFD_OPENED at once, so a
// null answer would crash it: the flight ends there, with an error that says so.
TEST(FlightRunner, ANullDisplayForTheOpenedMessageEndsTheFlight) {
    MFDMODESPEC spec{const_cast<char *>("Null"), OAPI_KEY_N,
                     [](UINT, UINT, WPARAM, LPARAM) -> OAPI_MSGTYPE { return 0; }};
    const int mode = oapiRegisterMFDMode(spec);
    scenario::Scenario s = MustParse(WithFlight("ECHO before\nOPEN Alpha 0\nECHO after"));
    std::ostringstream out, errors;
    host::SetOutput(&out);
    scenario::BuildWorld(s);
    const scenario::FlightOutcome outcome = scenario::Fly(s, ".", errors);
    host::SetOutput(nullptr);
    oapiUnregisterMFDMode(mode);
    EXPECT_EQ(errors.str(), "t.scn:" + std::to_string(kFirstFlightLine + 1) +
                                ": mode \"Null\" answered OAPI_MSG_MFD_OPENED with no display "
                                "object, where the simulator would crash; the flight ends here\n");
    EXPECT_TRUE(outcome.fatal);
    EXPECT_TRUE(out.str().find("] before\n") != std::string::npos &&
                out.str().find("] after\n") == std::string::npos);
}
