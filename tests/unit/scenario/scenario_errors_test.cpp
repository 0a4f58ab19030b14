// Scenarios that must be refused, each with the file and line of the fault.
#include "scenario_test_support.h"

namespace {

const std::string kBodies = "BEGIN_BODIES\nB MASS 1 SIZE 1 POS 0 0 0\nEND_BODIES\n";

struct Refusal {
    std::string text;
    std::string message; // the whole "FILE:LINE: message"
};

void ExpectRefusals(const std::vector<Refusal> &cases) {
    for (const Refusal &c : cases)
        EXPECT_EQ(RefusalOf(c.text), c.message) << c.text;
}

std::string Flight(const std::string &line) {
    return WithFlight(line);
}

std::string AtFlight(const std::string &message) {
    return "t.scn:" + std::to_string(kFirstFlightLine) + ": " + message;
}

} // namespace

TEST(ScenarioErrors, Structure) {
    ExpectRefusals({
        {"", "t.scn:1: the scenario declares no bodies (BEGIN_BODIES)"},
        {"BEGIN_SHIPS\nEND_SHIPS\n", "t.scn:2: the scenario declares no bodies (BEGIN_BODIES)"},
        {"BEGIN_BODIES\nB MASS 1 SIZE 1 POS 0 0 0\n", "t.scn:1: BEGIN_BODIES has no END_BODIES"},
        {"BEGIN_DESC\ntext\n", "t.scn:1: BEGIN_DESC has no END_DESC"},
        {kBodies + "BEGIN_FLIGHT\nRUN 1\nBEGIN_SHIPS\n",
         "t.scn:6: BEGIN_SHIPS inside BEGIN_FLIGHT (missing END_FLIGHT?)"},
        {kBodies + "BEGIN_BODIES\nEND_BODIES\n", "t.scn:4: second BEGIN_BODIES block"},
        {kBodies + "BEGIN_WORLD\nEND_WORLD\n", "t.scn:4: unknown keyword 'BEGIN_WORLD'"},
        {kBodies + "STEP 1\n", "t.scn:4: unknown keyword 'STEP'"},
        {kBodies + "begin_flight\n", "t.scn:4: unknown keyword 'begin_flight'"},
        {kBodies + "BEGIN_FLIGHT now\nEND_FLIGHT\n", "t.scn:4: unexpected 'now'"},
        {kBodies + "BEGIN_SHIPS\nA:X\nEND_SHIPS\n", "t.scn:5: vessel A has no END"},
        {kBodies + "BEGIN_SHIPS\nA\nEND_SHIPS\n",
         "t.scn:5: expected NAME:CLASS or END_SHIPS, found 'A'"},
        {kBodies + "BEGIN_SHIPS\nA:\nEND\nEND_SHIPS\n", "t.scn:5: 'A:' needs a name and a class"},
        {kBodies + "BEGIN_FLIGHT\nECHO \"open\nEND_FLIGHT\n", "t.scn:5: unterminated quoted text"},
    });
}

TEST(ScenarioErrors, Environment) {
    auto env = [](const std::string &line) {
        return "BEGIN_ENVIRONMENT\n" + line + "\nEND_ENVIRONMENT\n" + kBodies;
    };
    ExpectRefusals({
        {env("STEP 0"), "t.scn:2: STEP must be more than 0"},
        {env("STEP -0.1"), "t.scn:2: STEP must be more than 0"},
        {env("STEP inf"), "t.scn:2: step length: 'inf' is not a finite number"},
        {env("STEP nan"), "t.scn:2: step length: 'nan' is not a finite number"},
        {env("STEP 1e999"), "t.scn:2: step length: '1e999' is not a finite number"},
        {env("STEP 0.1s"), "t.scn:2: step length: '0.1s' is not a finite number"},
        {env("STEP"), "t.scn:2: missing step length"},
        {env("STEP 1 2"), "t.scn:2: unexpected '2'"},
        {env("STEP 1\nSTEP 2"), "t.scn:3: STEP given twice"},
        {env("GRAVITY on"), "t.scn:2: GRAVITY must be one of ON, OFF, not 'on'"},
        {env("SOUND LOUD"), "t.scn:2: SOUND must be one of ON, OFF, NO_REPLACE, NO_ID, not 'LOUD'"},
        {env("APERTURE 0"), "t.scn:2: APERTURE must be more than 0 degrees"},
        {env("CAMERA Nobody"), "t.scn:2: unknown camera target 'Nobody'"},
        {env("WIND 3"), "t.scn:2: unknown environment keyword 'WIND'"},
    });
}

TEST(ScenarioErrors, BodiesAndShips) {
    auto ships = [](const std::string &lines) {
        return kBodies + "BEGIN_SHIPS\n" + lines + "\nEND_SHIPS\n";
    };
    ExpectRefusals({
        {"BEGIN_BODIES\nB MASS 1 SIZE 1\nEND_BODIES\n", "t.scn:2: body B has no POS"},
        {"BEGIN_BODIES\nB MASS x SIZE 1 POS 0 0 0\nEND_BODIES\n",
         "t.scn:2: body mass: 'x' is not a finite number"},
        {"BEGIN_BODIES\nB MASS 1 SIZE 1 POS 0 0\nEND_BODIES\n", "t.scn:2: missing position z"},
        {"BEGIN_BODIES\nB MASS 1 SIZE 1 POS 0 0 0 SPIN 1\nEND_BODIES\n",
         "t.scn:2: unknown body keyword 'SPIN' (MASS, SIZE, POS, VEL)"},
        {"BEGIN_BODIES\nB MASS -1 SIZE 1 POS 0 0 0\nEND_BODIES\n",
         "t.scn:2: body mass must not be negative"},
        {"BEGIN_BODIES\nEarth MASS 1 SIZE 1 POS 0 0 0\nEARTH MASS 1 SIZE 1 POS 0 0 0\n"
         "END_BODIES\n",
         "t.scn:3: duplicate name 'EARTH' (first declared on line 2)"},
        {ships("b:X\nEND"), "t.scn:5: duplicate name 'b' (first declared on line 2)"},
        {ships("A:X\nEND\na:Y\nEND"), "t.scn:7: duplicate name 'a' (first declared on line 5)"},
        {ships("A:X\nRPOS 1 2\nEND"), "t.scn:6: missing position z"},
        {ships("A:X\nMASS 1\nMASS 2\nEND"), "t.scn:7: MASS given twice"},
        {ships("A:X\nDIR 0 0 0\nEND"), "t.scn:6: DIR must not be the zero vector"},
        {ships("A:X\nDIR 0 0 2\nUP 0 0 -1\nEND"), "t.scn:8: vessel A: UP is parallel to DIR"},
        {ships("A:X\nTANK 10 11\nEND"), "t.scn:6: the tank holds more than its capacity"},
        {ships("A:X\nTANK 10\nEND"), "t.scn:6: missing tank content"},
        {ships("A:X\nPORTS 1.5\nEND"), "t.scn:6: number of ports must be a whole number"},
        {ships("A:X\nPORTS -1\nEND"), "t.scn:6: number of ports must be between 0 and 64"},
        {ships("A:X\nTHRUST 1\nEND"), "t.scn:6: unknown vessel keyword 'THRUST'"},
        {ships("A:X\nPORTS 1\nDOCK 0 Z 0\nEND"), "t.scn:7: unknown vessel 'Z'"},
        {ships("A:X\nPORTS 1\nDOCK 0 B 0\nEND"), "t.scn:7: 'B' is a body, not a vessel"},
        {ships("A:X\nPORTS 2\nDOCK 0 a 1\nEND"), "t.scn:7: a vessel cannot dock to itself"},
        {ships("A:X\nPORTS 1\nDOCK 1 C 0\nEND\nC:X\nPORTS 1\nEND"),
         "t.scn:7: port 1 of A does not exist (PORTS 1)"},
        {ships("A:X\nPORTS 1\nDOCK 0 C 0\nEND\nC:X\nEND"),
         "t.scn:7: port 0 of C does not exist (PORTS 0)"},
        {ships("A:X\nPORTS 1\nDOCK 0 C 0\nEND\nC:X\nPORTS 2\nDOCK 1 A 0\nEND"),
         "t.scn:11: port 0 of A is already docked"},
        {ships("A:X\nPORTS 2\nDOCK 0 C 0\nDOCK 1 C 0\nEND\nC:X\nPORTS 1\nEND"),
         "t.scn:8: port 0 of C is already docked"},
    });
}

TEST(ScenarioErrors, FlightCommands) {
    ExpectRefusals({
        {Flight("KEYS Alpha 0 J"), AtFlight("unknown command 'KEYS'")},
        {Flight("run 1"), AtFlight("unknown command 'run'")},
        {Flight("RUN"), AtFlight("missing seconds")},
        {Flight("RUN ten"), AtFlight("seconds: 'ten' is not a finite number")},
        {Flight("RUN -1"), AtFlight("seconds must not be negative")},
        {Flight("RUN 1e300"), AtFlight("too many steps (at most 1000000000)")},
        {Flight("UNTIL 1e300"), AtFlight("too many steps (at most 1000000000)")},
        {Flight("STEPS 2.5"), AtFlight("step count must be a whole number")},
        {Flight("RUN 1 2"), AtFlight("unexpected '2'")},
        {Flight("OPEN Gamma 0"), AtFlight("unknown vessel 'Gamma'")},
        {Flight("OPEN Earth 0"), AtFlight("'Earth' is a body, not a vessel")},
        {Flight("OPEN Alpha 12"), AtFlight("display position must be between 0 and 11")},
        {Flight("OPEN Alpha -1"), AtFlight("display position must be between 0 and 11")},
        {Flight("OPEN Alpha 0 256"), AtFlight("missing height")},
        {Flight("OPEN Alpha 0 0 256"), AtFlight("width must be between 1 and 4096")},
        {Flight("CLOSE Alpha"), AtFlight("missing display position")},
        {Flight("KEY Alpha 0 JJ"), AtFlight("key 'JJ' is neither a letter A-Z nor a number 0-255")},
        {Flight("KEY Alpha 0 0x100"),
         AtFlight("key '0x100' is neither a letter A-Z nor a number 0-255")},
        {Flight("KEY Alpha 0"), AtFlight("missing key")},
        {Flight("BUTTON Alpha 0 x"), AtFlight("button: 'x' is not a finite number")},
        {Flight("INPUT"), AtFlight("missing text (\"\" for an empty one)")},
        {Flight("CANCEL now"), AtFlight("unexpected 'now'")},
        {Flight("APERTURE 0"), AtFlight("aperture must be more than 0 degrees")},
        {Flight("TURN Alpha 0 0 0"), AtFlight("direction must not be the zero vector")},
        {Flight("TURN Alpha 1 0 0 DOWN 0 1 0"), AtFlight("expected UP x y z after the direction")},
        {Flight("TURN Alpha 1 0 0 UP -2 0 0"), AtFlight("up axis is parallel to the direction")},
        {Flight("POINT Alpha alpha"), AtFlight("a vessel cannot point at itself")},
        {Flight("DOCK Alpha 2 Beta 0"), AtFlight("port of Alpha must be between 0 and 1")},
        {Flight("DOCK Alpha 0 Beta 1"), AtFlight("port of Beta must be between 0 and 0")},
        {Flight("DOCK Alpha 0 Alpha 1"), AtFlight("a vessel cannot dock to itself")},
        {Flight("DOCK Alpha 0 Earth 0"), AtFlight("'Earth' is a body, not a vessel")},
        {Flight("UNDOCK Alpha"), AtFlight("missing port of Alpha")},
        {Flight("SETTANK Alpha 2 1"), AtFlight("tank index of Alpha must be between 0 and 1")},
        {Flight("SETTANK Beta 0 1"), AtFlight("vessel 'Beta' has no tanks")},
        {Flight("SETTANK Alpha 0 101"), AtFlight("tank 0 of Alpha holds at most 100 kg")},
        {Flight("SETTANK Alpha 0 -1"), AtFlight("propellant mass must not be negative")},
        {Flight("DELETE Earth"), AtFlight("'Earth' is a body, not a vessel")},
        {Flight("PRINT"), AtFlight("missing what to PRINT (VESSEL, OBJECTS, PAGE, BUTTONS)")},
        {Flight("PRINT SHIPS"), AtFlight("unknown PRINT item 'SHIPS'")},
        {Flight("PRINT VESSEL"), AtFlight("missing vessel name")},
        {Flight("PRINT OBJECTS Alpha"), AtFlight("unexpected 'Alpha'")},
        {Flight("SNAPSHOT Alpha 0"), AtFlight("missing file name")},
        {Flight("EXPECT"), AtFlight("missing what to EXPECT")},
        {Flight("EXPECT NEARBY Alpha"), AtFlight("unknown check 'NEARBY'")},
        {Flight("EXPECT LINE Alpha 0 \"Range\""), AtFlight("missing text")},
        {Flight("EXPECT NEAR Alpha 1 2 3"), AtFlight("missing tolerance")},
        {Flight("EXPECT VEL Alpha 1 2 3 -1"), AtFlight("tolerance must not be negative")},
        {Flight("EXPECT TANK Beta 0 1 1"), AtFlight("vessel 'Beta' has no tanks")},
        {Flight("EXPECT COUNT Glider"), AtFlight("missing count")},
        {Flight("EXPECT EXISTS"), AtFlight("missing object name")},
        {Flight("EXPECT GONE \"Alpha\""), AtFlight("object name must be one word without quotes")},
    });
}

TEST(ScenarioErrors, ReportsTheFirstFaultOnly) {
    std::string error = RefusalOf(Flight("RUN 1\nKEYS Alpha 0 J\nFLY"));
    EXPECT_EQ(error, "t.scn:" + std::to_string(kFirstFlightLine + 1) + ": unknown command 'KEYS'");
}

TEST(ScenarioErrors, UnreadableFile) {
    scenario::Scenario s;
    std::string error;
    EXPECT_FALSE(scenario::LoadScenarioFile("/nonexistent/x.scn", &s, &error));
    EXPECT_EQ(error, "/nonexistent/x.scn: cannot read the scenario file");
}
