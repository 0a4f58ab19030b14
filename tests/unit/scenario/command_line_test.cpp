// tarsel-sim run as a program: its options, exit status and output.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace {

struct Outcome {
    int status = -1;
    std::string output; // standard output and error together
};

Outcome Sim(const std::string &arguments) {
    Outcome outcome;
    FILE *pipe = popen((std::string(TARSEL_SIM) + " " + arguments + " 2>&1").c_str(), "r");
    if (!pipe)
        return outcome;
    std::array<char, 4096> buffer;
    for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        outcome.output.append(buffer.data(), n);
    int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

// Each test flies in a fresh folder; "root" in it is made only by a flight.
class SimProgram : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Write(const std::string &name, const std::string &text) {
        std::string path = (dir_ / name).string();
        std::ofstream(path) << text;
        return path;
    }

    const std::filesystem::path dir_ =
        std::filesystem::temp_directory_path() /
        ("tarsel-cli-" + std::to_string(::getpid()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    const std::string root_ = (dir_ / "root").string();
};

// Line 15 expects the probe 1 m from where it is.
const std::string kMissedFlight = "BEGIN_DESC\nShort hop.\nEND_DESC\n"
                                  "BEGIN_BODIES\nEarth MASS 6e24 SIZE 6.4e6 POS 0 0 0\nEND_BODIES\n"
                                  "BEGIN_SHIPS\nProbe:Probe\nRVEL 1 0 0\nEND\nEND_SHIPS\n"
                                  "BEGIN_FLIGHT\nRUN 2\nPRINT VESSEL Probe\n"
                                  "EXPECT NEAR Probe 3 0 0 0.5\nEND_FLIGHT\n";

} // namespace

TEST_F(SimProgram, RefusalsExit2AndFlyNothing) {
    const std::pair<const char *, std::string> badLines[] = {
        {"--frobnicate x.scn", "unknown option '--frobnicate'"},
        {"", "no scenario file given"},
        {"a.scn b.scn", "more than one scenario: 'a.scn' and 'b.scn'"},
        {"a.scn --root", "--root needs a value"}};
    for (const auto &[arguments, message] : badLines) {
        Outcome o = Sim(arguments);
        EXPECT_EQ(o.status, 2) << arguments;
        EXPECT_EQ(o.output.rfind("tarsel-sim: " + message + "\nusage: tarsel-sim", 0), 0u)
            << o.output;
    }
    EXPECT_EQ(Sim("--help").status, 0);

    std::string missing = (dir_ / "none.scn").string();
    EXPECT_EQ(Sim(missing).output, missing + ": cannot read the scenario file\n");
    std::string bad = Write("bad.scn", kMissedFlight + "BEGIN_SHIPS\n");
    Outcome o = Sim("--root " + root_ + " " + bad);
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.output, bad + ":17: second BEGIN_SHIPS block\n");
    EXPECT_FALSE(std::filesystem::exists(root_)) << "nothing is set up for a refused flight";

    std::string good = Write("ok.scn", kMissedFlight);
    o = Sim("--module " + (dir_ / "none.so").string() + " --root " + root_ + " " + good);
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.output.find("cannot load the module"), std::string::npos) << o.output;
}

TEST_F(SimProgram, FailedCheckExits1AndQuietLeavesOnlyPrintsAndFailures) {
    std::string path = Write("fail.scn", kMissedFlight);
    const std::string printed = "vessel Probe pos 2 0 0 vel 1 0 0 dir 0 0 1 status 0 tanks\n";
    const std::string failed =
        path + ":15: expectation failed: NEAR Probe 3 0 0 0.5: found 2 0 0, 1 m off\n";
    Outcome o = Sim(path + " --out " + root_ + " --root " + root_);
    EXPECT_EQ(o.status, 1) << o.output;
    EXPECT_NE(o.output.find("[   0.000] Short hop.\n"), std::string::npos) << o.output;
    EXPECT_NE(o.output.find("\n" + printed), std::string::npos) << o.output;
    o = Sim("--quiet --root " + root_ + " --module " TARSEL_MODULE " " + path);
    EXPECT_EQ(o.status, 1) << o.output;
    EXPECT_EQ(o.output, printed + failed);
}
