// The same flights heard through OrbiterSound and through XRSound: every
// load, play and stop reaches the library with the same vessel, slot, loop
// and volume, at the same moment and in the same order, and nothing else of
// the flight changes.
#include "scratch_directory.h"
#include "sim_program.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <utility>

// Each library's report of a load, play or stop, with the vessel's number
// (the OrbiterSound id; the XRSound engine), as one form; XRSound's version
// check is its own. The rest of the transcript stays as it is.
static std::string SoundEvents(const std::string &transcript) {
    const std::pair<std::regex, std::string> forms[] = {
        {std::regex(R"(sound GetVesselSoundID3 -> id=(\d+))"), "connect $1"},
        {std::regex(R"(sound XRSound GetXRSoundEngineInstance -> engine=(\d+))"), "connect $1"},
        {std::regex(R"(\[ *[0-9.]+\] sound XRSound GetVersion engine=\d+ -> 3\.00\n)"), ""},
        {std::regex(R"(sound LoadVesselWaveOBSound3 id=(\d+) slot=(\d+) (file=.*))"),
         "load $1 $2 $3"},
        {std::regex(R"(sound XRSound LoadWav engine=(\d+) id=(\d+) (file=\S*) type=3 (.*))"),
         "load $1 $2 $3 $4"},
        {std::regex(R"(sound PlayVesselWaveOBSound3 id=(\d+) slot=(\d+) loop=(\d) volume=255)"),
         "play $1 $2 loop=$3 full volume"},
        {std::regex(R"(sound XRSound PlayWav engine=(\d+) id=(\d+) loop=(\d) volume=1\.000)"),
         "play $1 $2 loop=$3 full volume"},
        {std::regex(R"(sound StopVesselWave3 id=(\d+) slot=(\d+))"), "stop $1 $2"},
        {std::regex(R"(sound XRSound StopWav engine=(\d+) id=(\d+))"), "stop $1 $2"},
    };
    std::string events = transcript;
    for (const auto &[pattern, form] : forms)
        events = std::regex_replace(events, pattern, form);
    return events;
}

// The scenario file with its SOUND option set, flown by tarsel-sim in a
// simulator folder holding the package's six waves; its transcript.
static std::string Fly(const std::string &file, const std::string &sound,
                       const std::string &folder) {
    // Both flights declare an environment.
    std::ifstream in(std::string(TARSEL_SOURCE_DIR) + "/" + file);
    const std::string text = std::regex_replace(
        std::regex_replace(std::string(std::istreambuf_iterator<char>(in), {}),
                           std::regex(R"(\n *SOUND [A-Z_]+)"), ""),
        std::regex("BEGIN_ENVIRONMENT\n"), "BEGIN_ENVIRONMENT\nSOUND " + sound + "\n");
    std::filesystem::create_directories(folder + "/Sound/TarselMFD");
    for (const char *wave : {"load", "engage", "woosh1", "bang", "woosh2", "cancel"})
        std::ofstream(folder + "/Sound/TarselMFD/" + wave + ".wav") << "RIFF";
    std::ofstream(folder + "/flight.scn") << text;
    // Pictures go to one folder, so that the transcripts name the same paths.
    const SimOutcome flown =
        RunSim("--root " + folder + " --out pictures " + folder + "/flight.scn");
    EXPECT_EQ(flown.status, 0) << file << " with SOUND " << sound << ":\n" << flown.output;
    return flown.output;
}

using XRSoundFlight = ScratchDirectory;

TEST_F(XRSoundFlight, TheDemoAndEverySoundOfTheDriveAreHeardAlikeThroughEitherLibrary) {
    for (const char *file : {"scenarios/demo.scn", "tests/scenarios/xrsound_sounds.scn"}) {
        const std::string orbiterSound = Fly(file, "ON", "orbitersound");
        const std::string xrSound = Fly(file, "XRSOUND", "xrsound");
        EXPECT_EQ(SoundEvents(xrSound), SoundEvents(orbiterSound)) << file;
        // Each library heard every kind of call, and only its own.
        for (const char *call : {"LoadWav", "PlayWav", "StopWav"})
            EXPECT_NE(xrSound.find(std::string("sound XRSound ") + call), std::string::npos)
                << call;
        EXPECT_EQ(xrSound.find("OBSound3"), std::string::npos);
        EXPECT_EQ(orbiterSound.find("XRSound"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists("xrsound/OrbiterSound_Log.txt")) << "nothing to say";
    }
}
