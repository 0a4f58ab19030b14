// Scenarios that must be refused, each with the file and line of the fault.
#include "scenario_test_support.h"

#include <tuple>
#include <vector>

namespace {

const std::string kBodies = "BEGIN_BODIES\nB MASS 1 SIZE 1 POS 0 0 0\nEND_BODIES\n";

std::string Env(const std::string &line) {
    return "BEGIN_ENVIRONMENT\n" + line + "\nEND_ENVIRONMENT\n" + kBodies;
}

std::string Ships(const std::string &lines) {
    return kBodies + "BEGIN_SHIPS\n" + lines + "\nEND_SHIPS\n";
}

// Each text is refused with "t.scn:LINE: message".
using Refusal = std::tuple<std::string, int, std::string>;

void ExpectRefusals(const std::vector<Refusal> &cases) {
    for (const auto &[text, line, message] : cases) {
        scenario::Scenario s;
        std::string error;
        EXPECT_FALSE(scenario::ParseScenario(text, "t.scn", &s, &error)) << text;
        EXPECT_EQ(error, "t.scn:" + std::to_string(line) + ": " + message) << text;
    }
}

} // namespace

TEST(ScenarioErrors, WorldBlocksAndFlightCommands) {
    const int at = kFirstFlightLine;
    ExpectRefusals({
        {"BEGIN_SHIPS\nEND_SHIPS\n", 2, "the scenario declares no bodies (BEGIN_BODIES)"},
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
        {Ships("b:X\nEND"), 5, "duplicate name 'b' (first declared on line 2)"},
        {Ships("A:X\nDIR 0 0 0\nEND"), 6, "DIR must not be the zero vector"},
        {Ships("A:X\nDIR 0 0 2\nUP 0 0 -1\nEND"), 8, "vessel A: UP is parallel to DIR"},
        {Ships("A:X\nPORTS 1\nDOCK 0 Z 0\nEND"), 7, "unknown vessel 'Z'"},
        {Ships("A:X\nPORTS 1\nDOCK 0 C 0\nEND\nC:X\nEND"), 7,
         "port 0 of C does not exist (PORTS 0)"},
        {WithFlight("RUN 1\nKEYS Alpha 0 J\nFLY"), at + 1, "unknown command 'KEYS'"},
        {WithFlight("RUN"), at, "missing seconds"},
        {WithFlight("RUN 1e300"), at, "too many steps (at most 1000000000)"},
        {WithFlight("OPEN Gamma 0"), at, "unknown vessel 'Gamma'"},
        {WithFlight("OPEN Alpha 0 0 256"), at, "width must be between 1 and 4096"},
        {WithFlight("KEY Alpha 0 JJ"), at, "key 'JJ' is neither a letter A-Z nor a number 0-255"},
        {WithFlight("INPUT"), at, "missing text (\"\" for an empty one)"},
        {WithFlight("TURN Alpha 1 0 0 UP -2 0 0"), at, "up axis is parallel to the direction"},
        {WithFlight("DOCK Alpha 2 Beta 0"), at, "port of Alpha must be between 0 and 1"},
    });
}
