// Binding to the sound library: a missing library or a missing export leaves
// the vessel silent with a log entry saying why.
#include "module_world.h"

#include <fstream>
#include <iterator>

namespace {

const char kHeader[] = "Orbiter Sound Log Started\n*****************************\n\n";
const char kSeparator[] = "--------------------------------------\n";
const char kNotInstalled[] = "ERR01= Vessel->ConnectToOrbiterSoundDLL3: Unable to connect to "
                             "OrbiterSound 3.0 - not installed or activated";

class ConnectTest : public ModuleWorldTest {
protected:
    static OBJHANDLE NewVessel(const std::string &name) {
        return host::Handle(host::World().AddVessel(name, "TestShip"));
    }

    // The module writes the log as text, with the platform's line ends ("\r\n"
    // on Windows); read as text, lines end in "\n" on every platform.
    static std::string ReadLog() {
        std::ifstream in("OrbiterSound_Log.txt");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(ConnectTest, WithoutTheLibraryEachDriveLogsOnceUnderOneHeader) {
    EXPECT_EQ(ConnectToOrbiterSoundDLL3(NewVessel("First")), -1);
    EXPECT_EQ(ConnectToOrbiterSoundDLL3(NewVessel("Second")), -1);
    const std::string entry = std::string(kSeparator) + kNotInstalled + "\n\n";
    EXPECT_EQ(ReadLog(), kHeader + entry + entry);
    EXPECT_EQ(Transcript().find("sound "), std::string::npos);
}

TEST_F(ConnectTest, ANullHandleOrAnOldLibraryLogsWhy) {
    struct Case {
        const char *variant;
        bool nullHandle;
        const char *entry;
    };
    const Case cases[] = {
        {"full", true,
         "ERR01= Vessel->ConnectToOrbiterSoundDLL3: A vessel passed a NULL handle to this "
         "function"},
        {"no_replace", false,
         "ERR02= ConnectToOrbiterSoundDLL3: Unable to find routines missing OrbiterSound3.0 ?"},
        {"no_id", false, "ERR03= unable to connect to GetMyID, Older OrbiterSound.dll ?"},
    };
    for (const Case &c : cases) {
        std::filesystem::remove("OrbiterSound_Log.txt");
        LoadSound(c.variant);
        EXPECT_EQ(ConnectToOrbiterSoundDLL3(c.nullHandle ? nullptr : NewVessel("Ship")), -1);
        EXPECT_EQ(ReadLog(), std::string(kHeader) + kSeparator + c.entry + "\n\n") << c.variant;
        host::UnloadSoundLibrary();
    }
}

TEST_F(ConnectTest, TheCompleteLibraryHandsEachVesselItsOwnId) {
    LoadSound();
    OBJHANDLE first = NewVessel("First");
    OBJHANDLE second = NewVessel("Second");
    EXPECT_EQ(ConnectToOrbiterSoundDLL3(first), 0);
    EXPECT_EQ(ConnectToOrbiterSoundDLL3(second), 1);
    EXPECT_EQ(ConnectToOrbiterSoundDLL3(first), 0);
    EXPECT_FALSE(std::filesystem::exists("OrbiterSound_Log.txt"));
    EXPECT_EQ(Count(Transcript(), "sound GetVesselSoundID3 -> id="), 3);
}

TEST_F(ConnectTest, ALogFromAnEarlierRunIsKeptAndExtended) {
    std::ofstream("OrbiterSound_Log.txt", std::ios::binary)
        << kHeader << kSeparator << "an earlier entry\n\n";
    EXPECT_EQ(ConnectToOrbiterSoundDLL3(NewVessel("Ship")), -1);
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

} // namespace
