// Binding to the sound library: a missing library or a missing export leaves
// the vessel silent with a log entry saying why (the flights with SOUND OFF,
// NO_REPLACE, NO_ID, XRSOUND_OLD, XRSOUND_NULL and BOTH show those libraries
// in their transcripts: stress/closed_with_box_open, time_steps,
// every_keyword, xrsound_old, xrsound_null, sound_both; xrsound_sounds shows
// XRSound serving).
#include "module_world.h"
#include "sound/xr_sound.h"

namespace {

const char kHeader[] = "Orbiter Sound Log Started\n*****************************\n\n";
const char kSeparator[] = "--------------------------------------\n";
const char kNotInstalled[] = "ERR01= Vessel->ConnectToOrbiterSoundDLL3: Unable to connect to "
                             "OrbiterSound 3.0 - not installed or activated";

class ConnectTest : public ModuleWorldTest {
protected:
    // The module writes the log as text, with the platform's line ends ("\r\n"
    // on Windows); read as text, lines end in "\n" on every platform.
    static std::string ReadLog() {
        std::ifstream in("OrbiterSound_Log.txt");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

// A vessel without a handle is refused, and the log says so (the old
// libraries' entries: the transcripts of time_steps and every_keyword).
TEST_F(ConnectTest, ANullHandleIsLoggedAndRefused) {
    LoadSound();
    EXPECT_EQ(ConnectToOrbiterSoundDLL3(nullptr), -1);
    EXPECT_EQ(ReadLog(), std::string(kHeader) + kSeparator +
                             "ERR01= Vessel->ConnectToOrbiterSoundDLL3: A vessel passed a NULL "
                             "handle to this function\n\n");
}

TEST_F(ConnectTest, ALogFromAnEarlierRunIsKeptAndExtended) {
    std::ofstream("OrbiterSound_Log.txt", std::ios::binary)
        << kHeader << kSeparator << "an earlier entry\n\n";
    EXPECT_EQ(ConnectToOrbiterSoundDLL3(host::Handle(AddVessel("Ship"))), -1);
    WriteSoundLog("first only", nullptr);
    WriteSoundLog(nullptr, "second only");
    EXPECT_EQ(ReadLog(), std::string(kHeader) + kSeparator + "an earlier entry\n\n" + kSeparator +
                             kNotInstalled + "\n\n" + kSeparator + "first only\n" + kSeparator +
                             "second only\n");
}

// The entry counter lives as long as the module is loaded, so the test runs
// in a fresh process of its own.
TEST_F(ConnectTest, TheLogTakesAtMostOneHundredAndOneEntries) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            for (int i = 0; i < 120; ++i)
                WriteSoundLog("entry", "");
            const int written = Count(ReadLog(), kSeparator);
            std::exit(written == 101 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// Without OrbiterSound, XRSound serves: each vessel its own engine, asked for
// its version once, its waves loaded with their slots as ids. The connection
// ends with the run.
TEST_F(ConnectTest, WithXRSoundAloneEachVesselGetsItsEngine) {
    LoadSound({"", "full", ""});
    const OBJHANDLE first = host::Handle(AddVessel("First")),
                    second = host::Handle(AddVessel("Second"));
    TakeTranscript();
    const int id = ConnectToOrbiterSoundDLL3(first);
    EXPECT_EQ(id, kFirstXRSoundId);
    EXPECT_EQ(ConnectToOrbiterSoundDLL3(second), kFirstXRSoundId + 1);
    EXPECT_EQ(ConnectToOrbiterSoundDLL3(first), id) << "the same engine, the same id";
    EXPECT_EQ(TakeTranscript(), "[   0.000] sound XRSound GetXRSoundEngineInstance -> engine=0\n"
                                "[   0.000] sound XRSound GetVersion engine=0 -> 3.00\n"
                                "[   0.000] sound XRSound GetXRSoundEngineInstance -> engine=1\n"
                                "[   0.000] sound XRSound GetVersion engine=1 -> 3.00\n"
                                "[   0.000] sound XRSound GetXRSoundEngineInstance -> engine=0\n"
                                "[   0.000] sound XRSound GetVersion engine=0 -> 3.00\n");
    EXPECT_FALSE(std::filesystem::exists("OrbiterSound_Log.txt"));
    ForgetSoundConnections();
    EXPECT_EQ(PlayWave(id, 51, 0, 255, 0), 0);
    EXPECT_EQ(ConnectToOrbiterSoundDLL3(host::Handle(AddVessel("Third"))), kFirstXRSoundId);
}

// A wave XRSound cannot load (its file is missing) stays silent, and the log
// says so once; the vessel's other waves play, loop and stop.
TEST_F(ConnectTest, AWaveXRSoundCannotLoadIsSilentAndLogged) {
    LoadSound({"", "full", ""});
    WriteFile("Sound/TarselMFD/engage.wav", "RIFF");
    const int id = ConnectToOrbiterSoundDLL3(host::Handle(AddVessel("Ship")));
    char engage[] = "Sound\\TarselMFD\\engage.wav", cancel[] = "Sound\\TarselMFD\\cancel.wav";
    EXPECT_EQ(LoadWave(id, 51, engage, 0), 1);
    EXPECT_EQ(LoadWave(id, 55, cancel, 0), 0);
    TakeTranscript();
    EXPECT_EQ(PlayWave(id, 51, 1, 255, 0), 1);
    EXPECT_EQ(PlayWave(id, 55, 0, 255, 0), 0);
    EXPECT_EQ(StopWave(id, 55), 0);
    EXPECT_EQ(StopWave(id, 51), 1);
    EXPECT_EQ(PlayWave(id, 61, 0, 255, 0), 0);
    EXPECT_EQ(TakeTranscript(),
              "[   0.000] sound XRSound PlayWav engine=0 id=51 loop=1 volume=1.000\n"
              "[   0.000] sound XRSound StopWav engine=0 id=51\n");
    EXPECT_EQ(ReadLog(), std::string(kHeader) + kSeparator +
                             "ERR08= Vessel->LoadWav: XRSound could not load "
                             "Sound\\TarselMFD\\cancel.wav\n\n");
}

// Calls reach the library only for a bound export, an id 0..59 and a slot
// 1..60 (and then with their arguments unchanged, as every flight's
// transcript shows); an id of -1 is a vessel without sound.
TEST_F(ConnectTest, OutOfRangeIdsAndSlotsAreSkippedWithoutACall) {
    LoadSound();
    const int32_t id = ConnectToOrbiterSoundDLL3(host::Handle(AddVessel("Ship")));
    char wave[] = "Sound\\TarselMFD\\engage.wav";
    LoadWave(id, 1, wave, 0);
    LoadWave(id, 60, wave, 0);
    TakeTranscript();
    EXPECT_EQ(PlayWave(id, 0, 0, 255, 0), 0);
    EXPECT_EQ(PlayWave(id, 61, 0, 255, 0), 0);
    EXPECT_EQ(PlayWave(-1, 51, 0, 255, 0), 0);
    EXPECT_EQ(PlayWave(60, 51, 0, 255, 0), 0);
    EXPECT_EQ(StopWave(id, 0), 0);
    EXPECT_EQ(LoadWave(id, 61, wave, 0), 0);
    EXPECT_EQ(LoadWave(-1, 51, wave, 0), 0);
    EXPECT_EQ(Transcript(), "");
    EXPECT_EQ(PlayWave(id, 1, 0, 255, 0), 1);
    EXPECT_EQ(PlayWave(id, 60, 1, 255, 0), 1);
    // The highest id reaches the library, which has handed it to no vessel.
    PlayWave(59, 51, 0, 255, 0);
    EXPECT_NE(Transcript().find("sound PlayVesselWaveOBSound3 id=59 slot=51 "), std::string::npos);
}

} // namespace
