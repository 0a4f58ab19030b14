// Date2Int, and the real plug-in loaded by tarsel-sim as the simulator loads
// it: a plug-in imports the simulator's API from the program that loads it,
// so only that program can load it.
#include "api/library_glue.h"
#include "scratch_directory.h"
#include "sim_program.h"

#include <regex>
#include <sstream>
#include <vector>

TEST(Date2Int, ReadsTheCompilerDateFormAndNothingElse) {
    EXPECT_EQ(Date2Int(std::string("Apr 25 2006").data()), 60425);
    EXPECT_EQ(Date2Int(std::string("Jan  1 2000").data()), 101);
    EXPECT_EQ(Date2Int(std::string("Dec 31 1999").data()), 991231);
    for (const char *bad :
         {"", "Apr 25 06", "apr 25 2006", "Foo 25 2006", "Apr 32 2006", "Apr 00 2006",
          "Apr  x 2006", "Apr 25  206", "Apr 25 2006 ", "Apr-25-2006", "Apr    2006"})
        EXPECT_EQ(Date2Int(std::string(bad).data()), 0) << '"' << bad << '"';
    EXPECT_EQ(Date2Int(nullptr), 0);
}

// Loading runs InitModule (the mode is registered) and writes the plug-in's
// build date once: it defines ORBITER_MODULE in one source, so it carries
// the compiler's __DATE__, whatever day that was. Unloading runs ExitModule:
// the mode goes and the settings file is written.
TEST_F(ScratchDirectory, ThePlugInLoadsAndUnloadsAsInTheSimulator) {
    WriteFile("idle.scn", "BEGIN_BODIES\nEarth MASS 6e24 SIZE 6.4e6 POS 0 0 0\nEND_BODIES\n"
                          "BEGIN_FLIGHT\nRUN 1\nEND_FLIGHT\n");
    const SimOutcome o = RunSim("--root root --module " TARSEL_MODULE " idle.scn");
    ASSERT_EQ(o.status, 0) << o.output;
    std::vector<std::string> lines;
    std::istringstream events(o.output);
    for (std::string line; std::getline(events, line);)
        lines.push_back(line.substr(line.find("] ") + 2));
    ASSERT_GE(lines.size(), 3u) << o.output;
    EXPECT_EQ(lines.front(), "display mode \"Tarsel\" registered (id 100)");
    EXPECT_EQ(lines.back(), "display mode \"Tarsel\" unregistered");
    const std::regex dateLine(R"re(^module date "([A-Z][a-z]{2} [ 0-9][0-9] [0-9]{4})"$)re");
    std::vector<std::string> dates;
    for (const std::string &line : lines) {
        std::smatch m;
        if (std::regex_match(line, m, dateLine))
            dates.push_back(m[1]);
    }
    ASSERT_EQ(dates.size(), 1u) << o.output;
    EXPECT_NE(Date2Int(&dates[0][0]), 0) << dates[0];
    EXPECT_TRUE(std::filesystem::exists("root/Modules/Plugin/TarselMFD.ini"));
}
