// Loading, playing and stopping waves: calls reach the library only for a
// bound export, an id 0..59 and a slot 1..60.
#include "sound_harness.h"

namespace {

class WaveCallTest : public SoundTest {
protected:
    int32_t Connect() {
        LoadLibrary("full");
        return ConnectToOrbiterSoundDLL3(NewVessel("Ship"));
    }
};

char kEngageWave[] = "Sound\\TarselMFD\\engage.wav";

TEST_F(WaveCallTest, CallsReachTheLibraryWithTheirArgumentsUnchanged) {
    const int32_t id = Connect();
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

TEST_F(WaveCallTest, TheLibraryFindsWaveFilesUnderTheWorkingDirectory) {
    std::filesystem::create_directories("Sound/TarselMFD");
    std::ofstream("Sound/TarselMFD/engage.wav") << "RIFF";
    const int32_t id = Connect();
    LoadWave(id, 51, kEngageWave, 0);
    EXPECT_NE(Transcript().find("engage.wav\" (found)"), std::string::npos);
}

TEST_F(WaveCallTest, PlayingAnEmptySlotIsReportedAsNotLoaded) {
    const int32_t id = Connect();
    EXPECT_EQ(PlayWave(id, 52, 0, 255, 0), 0);
    EXPECT_NE(Transcript().find("sound PlayVesselWaveOBSound3 id=0 slot=52 loop=0 volume=255 "
                                "(not loaded)"),
              std::string::npos);
}

TEST_F(WaveCallTest, OutOfRangeIdsAndSlotsAreSkippedWithoutACall) {
    const int32_t id = Connect();
    LoadWave(id, 1, kEngageWave, 0);
    LoadWave(id, 60, kEngageWave, 0);
    transcript.str("");
    EXPECT_EQ(PlayWave(id, 0, 0, 255, 0), 0);
    EXPECT_EQ(PlayWave(id, 61, 0, 255, 0), 0);
    EXPECT_EQ(PlayWave(-1, 51, 0, 255, 0), 0);
    EXPECT_EQ(PlayWave(60, 51, 0, 255, 0), 0);
    EXPECT_EQ(StopWave(id, 0), 0);
    EXPECT_EQ(LoadWave(id, 61, kEngageWave, 0), 0);
    EXPECT_EQ(Transcript(), "");
    EXPECT_EQ(PlayWave(id, 1, 0, 255, 0), 1);
    EXPECT_EQ(PlayWave(id, 60, 1, 255, 0), 1);
}

TEST_F(WaveCallTest, AVesselWithoutSoundIsSilentEvenWhenTheLibraryIsBound) {
    Connect();
    EXPECT_EQ(LoadWave(-1, 51, kEngageWave, 0), 0);
    EXPECT_EQ(PlayWave(-1, 51, 0, 255, 0), 0);
    EXPECT_EQ(Count(Transcript(), "sound "), 1) << "only the id request";
}

} // namespace
