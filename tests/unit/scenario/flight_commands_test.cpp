// Every flight command and what the parser makes of it.
#include "scenario/flight_parser.h"
#include "scenario_test_support.h"

using scenario::Command;
using scenario::Op;

namespace {

Command One(const std::string &line) {
    scenario::Scenario s = MustParse(WithFlight(line));
    EXPECT_EQ(s.flight.size(), 1u) << line;
    return s.flight.empty() ? Command() : s.flight[0];
}

} // namespace

TEST(FlightCommands, TimeCommands) {
    Command run = One("RUN 2.5");
    EXPECT_EQ(run.op, Op::Run);
    EXPECT_EQ(run.value, 2.5);
    EXPECT_EQ(run.line, kFirstFlightLine);
    EXPECT_EQ(One("UNTIL -3").value, -3.0);
    EXPECT_EQ(One("STEPS 40").steps, 40);
    EXPECT_EQ(One("STEPS 4e1").steps, 40);
}

TEST(FlightCommands, DisplayCommands) {
    Command open = One("OPEN alpha 3");
    EXPECT_EQ(open.op, Op::Open);
    EXPECT_EQ(open.vessel, "Alpha") << "names take the declared spelling";
    EXPECT_EQ(open.position, 3);
    EXPECT_EQ(open.width, 256);
    EXPECT_EQ(open.height, 256);
    Command sized = One("OPEN Alpha 11 320 200");
    EXPECT_EQ(sized.width, 320);
    EXPECT_EQ(sized.height, 200);
    EXPECT_EQ(One("CLOSE ALPHA 0").op, Op::Close);
    Command button = One("BUTTON Alpha 0 5");
    EXPECT_EQ(button.index, 5);
    EXPECT_EQ(button.index2, PANEL_MOUSE_LBDOWN);
    EXPECT_EQ(One("BUTTON Alpha 0 5 0x10").index2, PANEL_MOUSE_LBUP);
    EXPECT_EQ(One("CANCEL").op, Op::Cancel);
}

TEST(FlightCommands, KeyIsALetterOrANumber) {
    EXPECT_EQ(One("KEY Alpha 0 J").index, OAPI_KEY_J);
    EXPECT_EQ(One("KEY Alpha 0 A").index, OAPI_KEY_A);
    EXPECT_EQ(One("KEY Alpha 0 Z").index, OAPI_KEY_Z);
    EXPECT_EQ(One("KEY Alpha 0 0x24").index, 0x24);
    EXPECT_EQ(One("KEY Alpha 0 46").index, 46);
    EXPECT_EQ(scenario::KeyCodeOf("c"), OAPI_KEY_C);
    EXPECT_EQ(scenario::KeyCodeOf("M"), OAPI_KEY_M);
    EXPECT_EQ(scenario::KeyCodeOf("1.5"), -1);
    EXPECT_EQ(scenario::KeyCodeOf("-1"), -1);
    EXPECT_EQ(scenario::KeyCodeOf("Ä"), -1);
}

TEST(FlightCommands, InputTakesTheRestOfTheLine) {
    EXPECT_EQ(One("INPUT 1.5e9").text, "1.5e9");
    EXPECT_EQ(One("INPUT   Moon base  ; comment").text, "Moon base");
    EXPECT_EQ(One("INPUT \"\"").text, "");
    EXPECT_EQ(One("INPUT \"a; \\\"b\\\"\"").text, "a; \"b\"");
    EXPECT_EQ(One("INPUT \"two\" words").text, "\"two\" words");
    EXPECT_EQ(One("ECHO  Charging: 3 cells ").text, "Charging: 3 cells");
    EXPECT_EQ(One("ECHO").text, "");
}

TEST(FlightCommands, ObjectsMayBeMadeDuringTheFlight) {
    EXPECT_EQ(One("CAMERA Hyperspace").name, "Hyperspace");
    EXPECT_EQ(One("EXPECT EXISTS Hyperspace").op, Op::ExpectExists);
    EXPECT_EQ(One("EXPECT GONE hyperspace").name, "hyperspace");
    EXPECT_EQ(One("POINT Alpha Hyperspace").name, "Hyperspace");
    EXPECT_EQ(One("DELETE Hyperspace").name, "Hyperspace");
    Command count = One("EXPECT COUNT Hyperspace 2");
    EXPECT_EQ(count.name, "Hyperspace");
    EXPECT_EQ(count.index, 2);
}

TEST(FlightCommands, VesselCommands) {
    Command turn = One("TURN Alpha 1 0 0");
    EXPECT_EQ(turn.vec.x, 1.0);
    EXPECT_FALSE(turn.hasUp);
    Command turnUp = One("TURN Alpha 1 0 0 UP 0 0 1");
    EXPECT_TRUE(turnUp.hasUp);
    EXPECT_EQ(turnUp.up.z, 1.0);
    Command dock = One("DOCK Alpha 1 beta 0");
    EXPECT_EQ(dock.index, 1);
    EXPECT_EQ(dock.name, "Beta");
    EXPECT_EQ(dock.index2, 0);
    EXPECT_EQ(One("UNDOCK Alpha 1").index, 1);
    Command setTank = One("SETTANK Alpha 1 12.5");
    EXPECT_EQ(setTank.index, 1);
    EXPECT_EQ(setTank.value, 12.5);
    EXPECT_EQ(One("APERTURE 35").value, 35.0);
}

TEST(FlightCommands, PrintsAndSnapshots) {
    EXPECT_EQ(One("PRINT VESSEL Beta").op, Op::PrintVessel);
    EXPECT_EQ(One("PRINT OBJECTS").op, Op::PrintObjects);
    EXPECT_EQ(One("PRINT PAGE Alpha 1").op, Op::PrintPage);
    EXPECT_EQ(One("PRINT BUTTONS Alpha 1").op, Op::PrintButtons);
    Command snap = One("SNAPSHOT Alpha 0 pages/first.png");
    EXPECT_EQ(snap.op, Op::Snapshot);
    EXPECT_EQ(snap.name, "pages/first.png");
}

TEST(FlightCommands, Checks) {
    Command line = One("EXPECT LINE Alpha 0 \"Dist\" \"1.5 M°\"");
    EXPECT_EQ(line.op, Op::ExpectLine);
    EXPECT_EQ(line.text, "Dist");
    EXPECT_EQ(line.expected, "1.5 M°");
    EXPECT_EQ(One("EXPECT LINE Alpha 0 Fuel \"\"").expected, "");
    Command near = One("EXPECT NEAR Alpha 7e6 0 0 1");
    EXPECT_EQ(near.vec.x, 7e6);
    EXPECT_EQ(near.tolerance, 1.0);
    EXPECT_EQ(One("EXPECT VEL Alpha 0 0 0 0.1").op, Op::ExpectVel);
    Command tank = One("EXPECT TANK Alpha 0 40 0.5");
    EXPECT_EQ(tank.value, 40.0);
    EXPECT_EQ(tank.tolerance, 0.5);
}

TEST(FlightCommands, CommentsAndBlankLinesAreSkipped) {
    scenario::Scenario s = MustParse(WithFlight("; nothing\n\n   \nRUN 1 ; one second"));
    ASSERT_EQ(s.flight.size(), 1u);
    EXPECT_EQ(s.flight[0].line, kFirstFlightLine + 3);
}
