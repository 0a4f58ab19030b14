// Flying parsed scenarios in-process, without a module: world set-up, time,
// vessel commands, PRINT lines and checks.
#include "scenario/flight_runner.h"
#include "scenario/world_setup.h"
#include "scenario_test_support.h"
#include "world/simulation.h"
#include "world/transcript.h"
#include "world/world.h"

#include <sstream>

namespace {

struct Flown {
    std::string output;
    std::string errors;
    int failures = 0;
};

Flown Fly(const std::string &text) {
    scenario::Scenario s = MustParse(text);
    std::ostringstream out, errors;
    host::SetOutput(&out);
    host::SetQuiet(false);
    scenario::BuildWorld(s);
    Flown flown;
    flown.failures = scenario::Fly(s, ".", errors);
    host::SetOutput(nullptr);
    flown.output = out.str();
    flown.errors = errors.str();
    return flown;
}

// The PRINT lines of the output, without the time-stamped events.
std::string Printed(const std::string &output) {
    std::istringstream in(output);
    std::string line, printed;
    while (std::getline(in, line))
        if (line.empty() || line[0] != '[')
            printed += line + "\n";
    return printed;
}

std::string World(const std::string &environment, const std::string &flight) {
    return "BEGIN_ENVIRONMENT\n" + environment +
           "\nEND_ENVIRONMENT\n"
           "BEGIN_BODIES\n"
           "Earth MASS 5.9736e24 SIZE 6.371e6 POS 1e11 0 0 VEL 0 30000 0\n"
           "Moon MASS 7.35e22 SIZE 1.738e6 POS 1e11 3.8e8 0\n"
           "END_BODIES\n"
           "BEGIN_SHIPS\n"
           "Alpha:Glider\n"
           "  RPOS 7e6 0 0\n"
           "  RVEL 0 7500 0\n"
           "  TANK 100 40\n"
           "  PORTS 2\n"
           "END\n"
           "Beta:Tug\n"
           "  RPOS 7e6 0 100\n"
           "  DIR 0 1 0\n"
           "  PORTS 1\n"
           "  DOCK 0 Alpha 1\n"
           "END\n"
           "END_SHIPS\n"
           "BEGIN_FLIGHT\n" +
           flight + "\nEND_FLIGHT\n";
}

} // namespace

TEST(FlightRunner, StartStateRelativeToBodyZero) {
    Flown f = Fly(World("", "PRINT OBJECTS\nPRINT VESSEL Alpha\nPRINT VESSEL beta"));
    EXPECT_EQ(Printed(f.output), "object 0 Earth body\n"
                                 "object 1 Moon body\n"
                                 "object 2 Alpha Glider\n"
                                 "object 3 Beta Tug\n"
                                 "vessel Alpha pos 7000000 0 0 vel 0 7500 0 dir 0 0 1 status 2 "
                                 "tanks 40\n"
                                 "vessel Beta pos 7000000 0 100 vel 0 0 0 dir 0 1 0 status 2 "
                                 "tanks\n");
    EXPECT_EQ(f.failures, 0);
    EXPECT_EQ(host::World().cameraTarget, host::Handle(host::World().FindByName("Alpha")));
}

TEST(FlightRunner, EnvironmentReachesTheWorld) {
    Fly(World("STEP 0.5\nSTART 100\nGRAVITY ON\nAPERTURE 40\nCAMERA Moon", ""));
    const host::WorldState &world = host::World();
    EXPECT_EQ(world.stepLength, 0.5);
    EXPECT_EQ(world.simTime, 100.0);
    EXPECT_TRUE(world.gravity);
    EXPECT_NEAR(world.cameraAperture, 40.0 * 3.14159265358979 / 180.0, 1e-12);
    EXPECT_EQ(world.cameraTarget, host::Handle(world.FindByName("moon")));
}

TEST(FlightRunner, TimeAdvancesByWholeSteps) {
    Fly(World("STEP 0.1\nSTART 5", "RUN 0.26\nSTEPS 2\nUNTIL 6.04\nUNTIL 1"));
    EXPECT_EQ(host::World().stepCount, 3 + 2 + 5);
    EXPECT_DOUBLE_EQ(host::World().simTime, 6.0);
}

TEST(FlightRunner, WithoutGravityAVesselKeepsItsVelocity) {
    Flown f = Fly(World("", "RUN 10\n"
                            "EXPECT NEAR Alpha 7e6 75000 0 1e-3\n"
                            "EXPECT VEL Alpha 0 7500 0 1e-9\n"
                            "EXPECT NEAR Alpha 7e6 0 0 1"));
    EXPECT_EQ(f.failures, 1);
    EXPECT_NE(f.errors.find("t.scn:26: expectation failed: NEAR Alpha 7000000 0 0 1: found "
                            "7000000 75000 0, 75000 m off"),
              std::string::npos)
        << f.errors;
}

TEST(FlightRunner, TurnPointDockAndTanks) {
    Flown f = Fly(World("", "TURN Alpha 0 0 -2\n"
                            "PRINT VESSEL Alpha\n"
                            "POINT Alpha Moon\n"
                            "UNDOCK Beta 0\n"
                            "SETTANK Alpha 0 12.5\n"
                            "PRINT VESSEL Alpha\n"
                            "EXPECT TANK Alpha 0 12.5 0\n"
                            "DOCK Beta 0 Alpha 0\n"
                            "PRINT VESSEL Beta\n"
                            "DOCK Alpha 0 Beta 0"));
    std::string printed = Printed(f.output);
    EXPECT_NE(printed.find("vessel Alpha pos 7000000 0 0 vel 0 7500 0 dir 0 0 -1 status 2"),
              std::string::npos);
    // From (7e6, 0) the Moon at (0, 3.8e8) is nearly along +y, slightly towards -x.
    VECTOR3 forward = {{0, 0, 1}};
    VECTOR3 dir =
        host::MulMatrix(static_cast<Vessel *>(host::World().FindByName("Alpha"))->rot, forward);
    EXPECT_NEAR(dir.y, 1.0, 1e-3);
    EXPECT_LT(dir.x, 0.0);
    EXPECT_NE(printed.find(" status 0 tanks 12.5\n"), std::string::npos) << printed;
    EXPECT_NE(printed.find("vessel Beta pos 7000000 0 100 vel 0 0 0 dir 0 1 0 status 2 tanks\n"),
              std::string::npos);
    EXPECT_EQ(f.failures, 1) << "port 0 of both is taken again";
    EXPECT_NE(f.errors.find("t.scn:32: cannot dock Alpha port 0 to Beta port 0"), std::string::npos)
        << f.errors;
}

TEST(FlightRunner, DeleteCountAndPresence) {
    Flown f = Fly(World("", "EXPECT COUNT Tug 1\n"
                            "EXPECT COUNT BODY 2\n"
                            "DELETE beta\n"
                            "EXPECT GONE Beta\n"
                            "EXPECT COUNT Tug 0\n"
                            "EXPECT EXISTS Alpha\n"
                            "PRINT VESSEL Alpha\n"
                            "EXPECT EXISTS Beta\n"
                            "PRINT VESSEL Beta"));
    EXPECT_NE(f.output.find("vessel Beta deleted"), std::string::npos);
    EXPECT_NE(Printed(f.output).find("status 0"), std::string::npos) << "undocked by the deletion";
    EXPECT_EQ(f.failures, 2);
    EXPECT_NE(f.errors.find("t.scn:30: expectation failed: EXISTS Beta: no such object"),
              std::string::npos)
        << f.errors;
    EXPECT_NE(f.errors.find("t.scn:31: vessel Beta does not exist"), std::string::npos);
}

TEST(FlightRunner, RefusedCommandsAreReportedAndTheFlightGoesOn) {
    Flown f = Fly(World("", "KEY Alpha 0 J\nINPUT 5\nCANCEL\nCAMERA Nowhere\nECHO still here"));
    EXPECT_EQ(f.failures, 4);
    EXPECT_NE(f.errors.find("t.scn:23:"), std::string::npos);
    EXPECT_NE(f.errors.find("t.scn:26: no object named Nowhere"), std::string::npos);
    EXPECT_NE(f.output.find("] still here\n"), std::string::npos);
}

TEST(FlightRunner, EchoAndApertureGoToTheTranscript) {
    Flown f = Fly(World("STEP 0.5", "RUN 1.5\nECHO Hello there\nAPERTURE 10"));
    EXPECT_NE(f.output.find("[   1.500] Hello there\n"), std::string::npos) << f.output;
    EXPECT_NE(f.output.find("[   1.500] camera aperture 10.000 deg\n"), std::string::npos);
}
