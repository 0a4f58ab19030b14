// Flying parsed scenarios in-process, without a module: world set-up, PRINT
// lines, and the commands and checks that fail while the flight goes on.
#include "run/simulation.h"
#include "scenario/flight_runner.h"
#include "scenario/world_setup.h"
#include "scenario_test_support.h"
#include "world/transcript.h"
#include "world/world.h"

#include <sstream>

namespace {

struct Flown {
    std::string output, errors;
    std::string printed; // the PRINT lines, without the time-stamped events
    int failures = 0;
    bool fatal = false;
};

Flown FlyScenario(const std::string &text) {
    scenario::Scenario s = MustParse(text);
    std::ostringstream out, errors;
    host::SetOutput(&out);
    host::SetQuiet(false);
    scenario::BuildWorld(s);
    Flown flown;
    const scenario::FlightOutcome outcome = scenario::Fly(s, ".", errors);
    flown.failures = outcome.failures;
    flown.fatal = outcome.fatal;
    host::SetOutput(nullptr);
    flown.output = out.str();
    flown.errors = errors.str();
    std::istringstream in(flown.output);
    for (std::string line; std::getline(in, line);)
        if (line.empty() || line[0] != '[')
            flown.printed += line + "\n";
    return flown;
}

Flown Fly(const std::string &flight, const std::string &environment = "") {
    return FlyScenario(WithFlight(flight, environment));
}

} // namespace

// Positions and velocities are relative to body 0, which moves.
TEST(FlightRunner, PrintedLinesFollowTheCommands) {
    Flown f = Fly("PRINT OBJECTS\nPRINT VESSEL Alpha\nPRINT VESSEL beta\n"
                  "TURN Alpha 0 0 -2\nSETTANK Alpha 0 12.5\nUNDOCK Beta 0\nPRINT VESSEL Alpha\n"
                  "DOCK Beta 0 Alpha 0\nPRINT VESSEL Alpha\nDELETE beta\nPRINT VESSEL Alpha\n"
                  "POINT Alpha Moon\nRUN 1.5\nECHO Hello there\nAPERTURE 10",
                  "APERTURE 40\nCAMERA moon");
    const std::string alpha = "vessel Alpha pos 7000000 0 0 vel 0 7500 0 dir 0 0 -1 status ";
    EXPECT_EQ(f.printed, "object 0 Earth body\n"
                         "object 1 Moon body\n"
                         "object 2 Alpha Glider\n"
                         "object 3 Beta Tug\n"
                         "vessel Alpha pos 7000000 0 0 vel 0 7500 0 dir 0 0 1 status 2 "
                         "tanks 40 50\n"
                         "vessel Beta pos 7000000 0 100 vel 0 0 0 dir 0 1 0 status 2 tanks\n" +
                             alpha + "0 tanks 12.5 50\n" + alpha + "2 tanks 12.5 50\n" + alpha +
                             "0 tanks 12.5 50\n")
        << "undocked, docked again, undocked by the deletion";
    EXPECT_EQ(f.failures, 0) << f.errors;
    EXPECT_EQ(host::World().cameraTarget, host::Handle(host::World().FindByName("Moon")));
    EXPECT_NE(f.output.find("[   0.000] camera aperture 40.000 deg\n"), std::string::npos)
        << f.output;
    EXPECT_NE(f.output.find("[   1.500] Hello there\n"), std::string::npos);
    EXPECT_NE(f.output.find("[   1.500] camera aperture 10.000 deg\n"), std::string::npos);
    // From (7e6, 0) the Moon at (0, 3.8e8) is nearly along +y, slightly towards -x.
    VECTOR3 dir = host::MulMatrix(static_cast<Vessel *>(host::World().FindByName("Alpha"))->rot,
                                  VECTOR3{{0, 0, 1}});
    EXPECT_NEAR(dir.y, 1.0, 1e-3);
    EXPECT_LT(dir.x, 0.0);
}

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

// A ship declared LANDED shows bit 0 of the flight status (with bit 1 when
// docked) and stays where it is, gravity or not.
TEST(FlightRunner, ALandedShipShowsStatusBitZeroAndStaysWhereItIs) {
    Flown f = FlyScenario("BEGIN_ENVIRONMENT\nGRAVITY ON\nEND_ENVIRONMENT\n"
                          "BEGIN_BODIES\nEarth MASS 6e24 SIZE 6.4e6 POS 0 0 0\nEND_BODIES\n"
                          "BEGIN_SHIPS\nBase:Base\nRPOS 6.4e6 0 0\nRVEL 0 400 0\nPORTS 1\n"
                          "LANDED\nEND\nRover:Rover\nRPOS 6.4e6 0 20\nLANDED\nPORTS 1\n"
                          "DOCK 0 Base 0\nEND\nEND_SHIPS\n"
                          "BEGIN_FLIGHT\nPRINT VESSEL Base\nUNDOCK Base 0\nRUN 5\n"
                          "PRINT VESSEL Base\nEND_FLIGHT\n");
    EXPECT_EQ(f.printed, "vessel Base pos 6400000 0 0 vel 0 400 0 dir 0 0 1 status 3 tanks\n"
                         "vessel Base pos 6400000 0 0 vel 0 400 0 dir 0 0 1 status 1 tanks\n");
    EXPECT_EQ(f.failures, 0) << f.errors;
}
