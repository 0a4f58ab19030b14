// Flying parsed scenarios in-process, without a module: the commands and
// checks that fail while the flight goes on, and a mode the simulator would
// not survive (the PRINT lines and the world's set-up: the transcripts of
// vessel_commands, constant_velocity and landed_vessel).
#include "scenario/flight_runner.h"
#include "scenario/world_setup.h"
#include "scenario_test_support.h"
#include "world/simulation.h"
#include "world/transcript.h"

#include <sstream>

namespace {

struct Flown {
    std::string output, errors;
    int failures = 0;
    bool fatal = false;
};

Flown Fly(const std::string &flight) {
    scenario::Scenario s = MustParse(WithFlight(flight));
    std::ostringstream out, errors;
    host::SetOutput(&out);
    host::SetQuiet(false);
    scenario::BuildWorld(s);
    const scenario::FlightOutcome outcome = scenario::Fly(s, ".", errors);
    host::SetOutput(nullptr);
    return {out.str(), errors.str(), outcome.failures, outcome.fatal};
}

} // namespace

// Each row with a message fails, each failure reported with its line; the flight goes on.
TEST(FlightRunner, FailuresAreReportedAndTheFlightGoesOn) {
    const std::pair<std::string, std::string> rows[] = {
        {"EXPECT NEAR Alpha 7e6 10 0 1",
         "expectation failed: NEAR Alpha 7000000 10 0 1: found 7000000 0 0, 10 m off"},
        {"EXPECT VEL Alpha 0 7500 1 0.5",
         "expectation failed: VEL Alpha 0 7500 1 0.5: found 0 7500 0, 1 m/s off"},
        {"EXPECT TANK Alpha 1 49 0.5", "expectation failed: TANK Alpha 1 49 0.5: found 50 kg"},
        {"EXPECT COUNT Tug 2", "expectation failed: COUNT Tug 2: found 1"},
        {"EXPECT GONE Beta", "expectation failed: GONE Beta: object 3 is Beta (Tug)"},
        {"EXPECT EXISTS Nowhere", "expectation failed: EXISTS Nowhere: no such object"},
        {"EXPECT LINE Alpha 0 Fuel \"\"",
         "expectation failed: LINE Alpha 0: display Alpha 0 is not open"},
        {"KEY Alpha 0 J", "display Alpha 0 is not open"},
        {"INPUT 5", "no input box is open"},
        {"CAMERA Nowhere", "no object named Nowhere"},
        {"DOCK Alpha 0 Beta 0", "cannot dock Alpha port 0 to Beta port 0: a port is taken"},
        {"; comment and blank lines count too", ""},
        {"DELETE Beta", ""},
        {"DELETE Beta", "vessel Beta does not exist"},
    };
    std::string flight, expected;
    int line = kFirstFlightLine, failures = 0;
    for (const auto &[command, error] : rows) {
        flight += command + "\n";
        if (!error.empty())
            expected += "t.scn:" + std::to_string(line) + ": " + error + "\n", ++failures;
        ++line;
    }
    Flown f = Fly(flight + "ECHO still here");
    EXPECT_EQ(f.errors, expected);
    EXPECT_EQ(f.failures, failures);
    EXPECT_NE(f.output.find("] still here\n"), std::string::npos);
}

// The simulator writes into the answer to OAPI_MSG_MFD_OPENED at once, so a
// null answer would crash it: the flight ends there, with an error that says so.
TEST(FlightRunner, ANullDisplayForTheOpenedMessageEndsTheFlight) {
    MFDMODESPEC spec{const_cast<char *>("Null"), OAPI_KEY_N,
                     [](UINT, UINT, WPARAM, LPARAM) -> OAPI_MSGTYPE { return 0; }};
    const int mode = oapiRegisterMFDMode(spec);
    Flown f = Fly("ECHO before\nOPEN Alpha 0\nECHO after");
    oapiUnregisterMFDMode(mode);
    EXPECT_EQ(f.errors, "t.scn:" + std::to_string(kFirstFlightLine + 1) +
                            ": mode \"Null\" answered OAPI_MSG_MFD_OPENED with no display "
                            "object, where the simulator would crash; the flight ends here\n");
    EXPECT_TRUE(f.fatal);
    EXPECT_NE(f.output.find("] before\n"), std::string::npos);
    EXPECT_EQ(f.output.find("] after\n"), std::string::npos);
}
