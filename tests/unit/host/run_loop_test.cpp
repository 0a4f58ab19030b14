// The run loop: clock, body motion, the step hook, camera aperture and the transcript.
#include "module_world.h"
#include "world/module_logs.h"

using WorldTest = ModuleWorldTest;

static const double kDeg = 3.14159265358979323846 / 180.0;
// What the step hook saw: the time it was given and where a vessel moving at
// 10 m/s (1 m a step) stood then.
static std::vector<std::pair<double, double>> seen;
static Vessel *mover = nullptr;

// The hook gets the time of the state before the step, the first one the
// start time, and the length of the step about to be taken; the clock
// advances after the objects have moved. Gravity on vessels is flown by
// tests/scenarios/gravity_fall.scn.
TEST_F(WorldTest, EachStepPassesTheTimeBeforeItAndBodiesMoveWithoutDrift) {
    seen.clear();
    host::Body *b =
        host::World().AddBody("Moon", 7e22, 1.7e6, Vec(1e8, 0, 0), Vec(0.1, -1023.7, 3.3));
    mover = AddVessel("Mover");
    mover->vel = Vec(10, 0, 0);
    host::ModuleEntryPoints entry;
    entry.preStep = [](double simt, double simdt, double mjd) {
        seen.push_back({simt, mover->pos.x});
        EXPECT_EQ(oapiGetSimTime(), simt);
        EXPECT_EQ(simdt, 0.1);
        EXPECT_DOUBLE_EQ(mjd, 51544.5 + simt / 86400.0);
    };
    host::AttachModule(entry);
    host::World().startTime = host::World().simTime = 100.0;
    host::World().stepLength = 0.1;
    host::RunSteps(3);
    host::RunSteps(0);
    host::RunSteps(-4);
    EXPECT_EQ(seen, (std::vector<std::pair<double, double>>{
                        {100.0, 0.0}, {100.0 + 1 * 0.1, 1.0}, {100.0 + 2 * 0.1, 2.0}}));
    EXPECT_EQ(oapiGetSimTime(), 100.0 + 3 * 0.1);
    EXPECT_EQ(mover->pos.x, 3.0);
    host::RunSteps(100000);
    EXPECT_EQ(seen.back().first, 100.0 + 100002 * 0.1);
    EXPECT_EQ(oapiGetSimTime(), 100.0 + 100003 * 0.1);
    const double t = 100003 * 0.1;
    EXPECT_EQ(b->pos.x, 1e8 + 0.1 * t);
    EXPECT_EQ(b->pos.y, -1023.7 * t);
    EXPECT_EQ(b->pos.z, 3.3 * t);
}

// No aperture is taken for NaN (the clamp to 0.1 ... 80 degrees, each change
// logged once: vessel_commands.scn). Each transcript line carries the
// simulation time, however wide.
TEST_F(WorldTest, NoApertureIsNaNAndEachLineCarriesTheTime) {
    host::World().cameraAperture = 0.1 * kDeg;
    oapiCameraSetAperture(std::nan(""));
    EXPECT_DOUBLE_EQ(oapiCameraAperture(), 0.1 * kDeg);
    host::World().simTime = 12.3;
    host::Event("text %d", 7);
    host::World().simTime = -1.5;
    HostTranscriptEvent("sound call");
    HostTranscriptEvent(nullptr);
    host::World().simTime = 123456.7894;
    host::Event("late");
    host::Print("object 0 Earth body");
    EXPECT_EQ(Transcript(), "[  12.300] text 7\n"
                            "[  -1.500] sound call\n"
                            "[123456.789] late\n"
                            "object 0 Earth body\n");
}

TEST_F(WorldTest, LinesAModuleAddsToItsLogReachTheTranscriptOnce) {
    WriteFile("OrbiterSound_Log.txt", "from an earlier run\n");
    host::WatchModuleLogs();
    WriteFile("OrbiterSound_Log.txt", "from an earlier run\n-----\nERR01= first\n\npart");
    host::ReportModuleLogs();
    host::ReportModuleLogs();
    EXPECT_EQ(Transcript(), "[   0.000] log OrbiterSound_Log.txt: -----\n"
                            "[   0.000] log OrbiterSound_Log.txt: ERR01= first\n");
    WriteFile("OrbiterSound_Log.txt", "new\n");
    host::ReportModuleLogs();
    EXPECT_NE(Transcript().find("log OrbiterSound_Log.txt: new\n"), std::string::npos);
}
