// tarsel-sim run as a program: its options, exit status and output.
#include "scratch_directory.h"
#include "sim_program.h"

// Each test runs in a fresh working folder; "root" in it is made only by a flight.
using SimProgram = ScratchDirectory;
const std::string kRoot = "root";

// Line 15 expects the probe 1 m from where it is.
const std::string kMissedFlight = "BEGIN_DESC\nShort hop.\nEND_DESC\n"
                                  "BEGIN_BODIES\nEarth MASS 6e24 SIZE 6.4e6 POS 0 0 0\nEND_BODIES\n"
                                  "BEGIN_SHIPS\nProbe:Probe\nRVEL 1 0 0\nEND\nEND_SHIPS\n"
                                  "BEGIN_FLIGHT\nRUN 2\nPRINT VESSEL Probe\n"
                                  "EXPECT NEAR Probe 3 0 0 0.5\nEND_FLIGHT\n";

TEST_F(SimProgram, ExitStatusAndOutput) {
    const std::pair<const char *, std::string> badLines[] = {
        {"--frobnicate x.scn", "unknown option '--frobnicate'"},
        {"", "no scenario file given"},
        {"a.scn b.scn", "more than one scenario: 'a.scn' and 'b.scn'"},
        {"a.scn --root", "--root needs a value"}};
    for (const auto &[arguments, message] : badLines) {
        SimOutcome o = RunSim(arguments);
        EXPECT_EQ(o.status, 2) << arguments;
        EXPECT_EQ(o.output.rfind("tarsel-sim: " + message + "\nusage: tarsel-sim", 0), 0u)
            << o.output;
    }
    EXPECT_EQ(RunSim("--help").status, 0);

    EXPECT_EQ(RunSim("none.scn").output, "none.scn: cannot read the scenario file\n");
    WriteFile("bad.scn", kMissedFlight + "BEGIN_SHIPS\n");
    SimOutcome o = RunSim("--root " + kRoot + " bad.scn");
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.output, "bad.scn:17: second BEGIN_SHIPS block\n");
    EXPECT_FALSE(std::filesystem::exists(kRoot)) << "nothing is set up for a refused flight";

    WriteFile("hop.scn", kMissedFlight);
    o = RunSim("--module none.so --root " + kRoot + " hop.scn");
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.output.find("cannot load the module"), std::string::npos) << o.output;

    // --quiet leaves only the PRINT lines and the failures (failing/ flies the
    // failures and their exit status, every transcript the rest).
    o = RunSim("hop.scn --quiet --root " + kRoot + " --module " TARSEL_MODULE);
    EXPECT_EQ(o.status, 1) << o.output;
    EXPECT_EQ(o.output,
              "vessel Probe pos 2 0 0 vel 1 0 0 dir 0 0 1 status 0 tanks\n"
              "hop.scn:15: expectation failed: NEAR Probe 3 0 0 0.5: found 2 0 0, 1 m off\n");
}
