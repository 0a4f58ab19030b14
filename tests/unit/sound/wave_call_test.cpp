// Loading, playing and stopping waves: calls reach the library only for a
// bound export, an id 0..59 and a slot 1..60.
#include "module_world.h"

namespace {

class WaveCallTest : public ModuleWorldTest {
protected:
    void SetUp() override {
        ModuleWorldTest::SetUp();
        LoadSound();
        id = ConnectToOrbiterSoundDLL3(host::Handle(host::World().AddVessel("Ship", "TestShip")));
    }
    int32_t id = -1;
};

char kEngageWave[] = "Sound\\TarselMFD\\engage.wav";

TEST_F(WaveCallTest, CallsReachTheLibraryWithTheirArgumentsUnchanged) {
    ASSERT_EQ(id, 0);
    EXPECT_EQ(LoadWave(id, 51, kEngageWave, 0), 1);
    EXPECT_EQ(PlayWave(id, 51, 0, 255, 0), 1);
    EXPECT_EQ(StopWave(id, 51), 1);
    const std::string t = Transcript();
    EXPECT_NE(t.find("sound LoadVesselWaveOBSound3 id=0 slot=51 "
                     "file=\"Sound\\TarselMFD\\engage.wav\" (missing)"),
              std::string::npos);
    EXPECT_NE(t.find("sound PlayVesselWaveOBSound3 id=0 slot=51 loop=0 volume=255\n"),
              std::string::npos);
    EXPECT_NE(t.find("sound StopVesselWave3 id=0 slot=51\n"), std::string::npos);
}

// An id of -1 is a vessel without sound.
TEST_F(WaveCallTest, OutOfRangeIdsAndSlotsAreSkippedWithoutACall) {
    LoadWave(id, 1, kEngageWave, 0);
    LoadWave(id, 60, kEngageWave, 0);
    transcript.str("");
    EXPECT_EQ(PlayWave(id, 0, 0, 255, 0), 0);
    EXPECT_EQ(PlayWave(id, 61, 0, 255, 0), 0);
    EXPECT_EQ(PlayWave(-1, 51, 0, 255, 0), 0);
    EXPECT_EQ(PlayWave(60, 51, 0, 255, 0), 0);
    EXPECT_EQ(StopWave(id, 0), 0);
    EXPECT_EQ(LoadWave(id, 61, kEngageWave, 0), 0);
    EXPECT_EQ(LoadWave(-1, 51, kEngageWave, 0), 0);
    EXPECT_EQ(Transcript(), "");
    EXPECT_EQ(PlayWave(id, 1, 0, 255, 0), 1);
    EXPECT_EQ(PlayWave(id, 60, 1, 255, 0), 1);
    // The highest id reaches the library, which has handed it to no vessel.
    PlayWave(59, 51, 0, 255, 0);
    EXPECT_NE(Transcript().find("sound PlayVesselWaveOBSound3 id=59 slot=51 "), std::string::npos);
}

} // namespace
