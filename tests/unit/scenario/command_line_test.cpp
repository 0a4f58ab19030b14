// The command line of tarsel-sim, parsed and run as a program.
#include "scenario/command_line.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

using scenario::Options;

namespace {

bool Parse(std::vector<const char *> args, Options *options, std::string *error) {
    args.insert(args.begin(), "tarsel-sim");
    return scenario::ParseCommandLine(static_cast<int>(args.size()), args.data(), options, error);
}

struct Outcome {
    int status = -1;
    std::string output; // standard output and error together
};

// Runs tarsel-sim with the arguments in a fresh folder.
Outcome Sim(const std::string &arguments) {
    Outcome outcome;
    std::string command = std::string(TARSEL_SIM) + " " + arguments + " 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return outcome;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        outcome.output.append(buffer.data(), n);
    int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

class SimProgram : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("tarsel-cli-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Write(const std::string &name, const std::string &text) {
        std::string path = (dir_ / name).string();
        std::ofstream(path) << text;
        return path;
    }

    std::string Root() const { return (dir_ / "root").string(); }

    std::filesystem::path dir_;
};

const char *const kShortFlight = "BEGIN_DESC\nShort hop.\nEND_DESC\n"
                                 "BEGIN_BODIES\nEarth MASS 6e24 SIZE 6.4e6 POS 0 0 0\nEND_BODIES\n"
                                 "BEGIN_SHIPS\nProbe:Probe\nRVEL 1 0 0\nEND\nEND_SHIPS\n"
                                 "BEGIN_FLIGHT\nRUN 2\nPRINT VESSEL Probe\n"
                                 "EXPECT NEAR Probe 2 0 0 1e-9\nEND_FLIGHT\n";

} // namespace

TEST(CommandLine, OptionsInAnyOrder) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"--quiet", "a.scn", "--out", "pics", "--root", "sim", "--module", "m.so"},
                      &o, &error))
        << error;
    EXPECT_EQ(o.scenario, "a.scn");
    EXPECT_EQ(o.out, "pics");
    EXPECT_EQ(o.root, "sim");
    EXPECT_EQ(o.module, "m.so");
    EXPECT_TRUE(o.quiet);
    ASSERT_TRUE(Parse({"b.scn"}, &o, &error));
    EXPECT_EQ(o.root, ".");
    EXPECT_EQ(o.out, ".");
    EXPECT_EQ(o.module, "");
    EXPECT_FALSE(o.quiet);
}

TEST(CommandLine, Refusals) {
    Options o;
    std::string error;
    EXPECT_FALSE(Parse({}, &o, &error));
    EXPECT_EQ(error, "no scenario file given");
    EXPECT_FALSE(Parse({"a.scn", "b.scn"}, &o, &error));
    EXPECT_EQ(error, "more than one scenario: 'a.scn' and 'b.scn'");
    EXPECT_FALSE(Parse({"a.scn", "--root"}, &o, &error));
    EXPECT_EQ(error, "--root needs a value");
    EXPECT_FALSE(Parse({"--loud", "a.scn"}, &o, &error));
    EXPECT_EQ(error, "unknown option '--loud'");
}

TEST_F(SimProgram, BadCommandLineExitsWithUsage) {
    Outcome o = Sim("--frobnicate x.scn");
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.output.find("unknown option '--frobnicate'"), std::string::npos);
    EXPECT_NE(o.output.find("usage: tarsel-sim"), std::string::npos);
    EXPECT_EQ(Sim("").status, 2);
    EXPECT_EQ(Sim("--help").status, 0);
}

TEST_F(SimProgram, InvalidScenarioFliesNothing) {
    std::string path = Write("bad.scn", std::string(kShortFlight) + "BEGIN_SHIPS\n");
    Outcome o = Sim("--root " + Root() + " " + path);
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.output, path + ":17: second BEGIN_SHIPS block\n");
    EXPECT_FALSE(std::filesystem::exists(Root())) << "nothing is set up for a refused flight";
}

TEST_F(SimProgram, MissingModuleExits2) {
    std::string path = Write("ok.scn", kShortFlight);
    Outcome o = Sim("--module " + (dir_ / "none.so").string() + " --root " + Root() + " " + path);
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.output.find("cannot load the module"), std::string::npos) << o.output;
}

TEST_F(SimProgram, FliesWithTheBuiltModule) {
    std::string path = Write("ok.scn", kShortFlight);
    Outcome o = Sim("--root " + Root() + " " + path);
    EXPECT_EQ(o.status, 0) << o.output;
    EXPECT_NE(o.output.find("[   0.000] Short hop.\n"), std::string::npos) << o.output;
    EXPECT_NE(o.output.find("\nvessel Probe pos 2 0 0 vel 1 0 0 dir 0 0 1 status 0 tanks\n"),
              std::string::npos)
        << o.output;
}

TEST_F(SimProgram, QuietLeavesOnlyPrintsAndFailures) {
    std::string path = Write(
        "fail.scn", std::string(kShortFlight)
                        .replace(std::string(kShortFlight).find("2 0 0 1e-9"), 10, "3 0 0 0.5"));
    Outcome o = Sim("--quiet --root " + Root() + " " + path);
    EXPECT_EQ(o.status, 1) << o.output;
    EXPECT_EQ(o.output,
              "vessel Probe pos 2 0 0 vel 1 0 0 dir 0 0 1 status 0 tanks\n" + path +
                  ":15: expectation failed: NEAR Probe 3 0 0 0.5: found 2 0 0, 1 m off\n");
}
