// Library glue, the loaded-library lookup, and loading the sound library and the module.
#include "world_fixture.h"

#include "api/library_glue.h"
#include "display/mode_registry.h"
#include "world/simulation.h"

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

int DateValue(const char *text) {
    std::string copy(text);
    return Date2Int(&copy[0]);
}

bool Loaded(const std::string &path) {
    void *h = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (h)
        dlclose(h);
    return h != nullptr;
}

const std::string kSoundDir = TARSEL_SOUNDLIB_DIR;

} // namespace

TEST(Date2Int, ReadsTheCompilerDateForm) {
    EXPECT_EQ(DateValue("Apr 25 2006"), 60425);
    EXPECT_EQ(DateValue("Jan  1 2000"), 101);
    EXPECT_EQ(DateValue("Dec 31 1999"), 991231);
    EXPECT_EQ(DateValue("Sep  9 2024"), 240909);
}

TEST(Date2Int, RejectsOtherTexts) {
    for (const char *bad : {"", "Apr 25 06", "apr 25 2006", "Foo 25 2006", "Apr 32 2006",
                            "Apr 00 2006", "Apr  x 2006", "Apr 25  206", "Apr 25 2006 ",
                            "2006-04-25 ", "Apr-25-2006", "Apr    2006"})
        EXPECT_EQ(DateValue(bad), 0) << '"' << bad << '"';
    EXPECT_EQ(Date2Int(nullptr), 0);
}

TEST(LoadedLibraries, FindsALibraryAlreadyInTheProcessByItsWindowsName) {
    const std::string path = kSoundDir + "/full/OrbiterSound.so";
    void *own = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(own, nullptr) << dlerror();
    HMODULE found = GetModuleHandleA("ORBITERSOUND.DLL");
    EXPECT_EQ(found, own);
    EXPECT_EQ(GetModuleHandleA("orbitersound"), own);
    EXPECT_NE(GetProcAddress(found, "PlayVesselWaveOBSound3"), nullptr);
    EXPECT_EQ(GetProcAddress(found, "NoSuchExport"), nullptr);
    dlclose(own);
    EXPECT_FALSE(Loaded(path)); // the lookup kept no reference of its own
}

TEST(LoadedLibraries, NeverLoadsALibrary) {
    const std::string path = kSoundDir + "/no_id/OrbiterSound.so";
    if (GetModuleHandleA("OrbiterSound.dll"))
        GTEST_SKIP() << "a sound library is loaded by another test";
    EXPECT_EQ(GetModuleHandleA("OrbiterSound.dll"), nullptr);
    EXPECT_FALSE(Loaded(path));
    EXPECT_EQ(GetModuleHandleA("NoSuchLibrary.dll"), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "InitModule"), nullptr);
}

TEST(LoadedLibraries, NoNameStandsForTheProgram) {
    HMODULE self = GetModuleHandleA(nullptr);
    ASSERT_NE(self, nullptr);
    EXPECT_NE(GetProcAddress(self, "HostTranscriptEvent"), nullptr);
}

TEST(SoundLibrary, LoadsEachVariantAndRefusesUnknownOnes) {
    std::string error;
    EXPECT_FALSE(host::LoadSoundLibrary("loud", &error));
    EXPECT_NE(error.find("loud"), std::string::npos);
    for (const char *variant : {"full", "no_replace", "no_id"}) {
        ASSERT_TRUE(host::LoadSoundLibrary(variant, &error)) << error;
        HMODULE lib = GetModuleHandleA("OrbiterSound.dll");
        ASSERT_NE(lib, nullptr);
        EXPECT_EQ(GetProcAddress(lib, "ReplaceStockOBSound3") != nullptr,
                  std::string(variant) != "no_replace");
        EXPECT_EQ(GetProcAddress(lib, "GetVesselSoundID3") != nullptr,
                  std::string(variant) != "no_id");
    }
    host::UnloadSoundLibrary();
    EXPECT_EQ(GetModuleHandleA("OrbiterSound.dll"), nullptr);
}

TEST(ModuleLoading, RefusesALibraryWithoutTheEntryPoints) {
    std::string error;
    EXPECT_FALSE(host::LoadModule("/no/such/TarselMFD.so", &error));
    EXPECT_NE(error.find("cannot load the module"), std::string::npos);
    EXPECT_FALSE(host::LoadModule(kSoundDir + "/full/OrbiterSound.so", &error));
    EXPECT_EQ(error, "the module lacks opcPreStep");
    EXPECT_EQ(GetModuleHandleA("OrbiterSound.dll"), nullptr); // released again
}

// The real plug-in: loading runs InitModule (the mode is registered), a run
// passes through it, and unloading runs ExitModule (the mode is gone).
class PluginTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        char dirTemplate[] = "/tmp/tarsel-host-XXXXXX";
        ASSERT_NE(mkdtemp(dirTemplate), nullptr);
        dir = dirTemplate;
        ASSERT_EQ(getcwd(oldDir, sizeof oldDir), oldDir);
        ASSERT_EQ(chdir(dir.c_str()), 0); // the module writes its files here
    }
    void TearDown() override {
        EXPECT_EQ(chdir(oldDir), 0);
        std::string cleanup = "rm -rf '" + dir + "'";
        EXPECT_EQ(std::system(cleanup.c_str()), 0);
        WorldTest::TearDown();
    }
    std::string dir;
    char oldDir[4096];
};

TEST_F(PluginTest, LoadingRunsInitModuleAndUnloadingExitModule) {
    std::string error;
    ASSERT_TRUE(host::LoadModule(TARSEL_MODULE, &error)) << error;
    EXPECT_NE(host::FindModeByName("Tarsel"), nullptr);

    world().AddBody("Earth", 5.97e24, 6.37e6, host::Vec(0, 0, 0), host::Vec(0, 0, 0));
    host::BeginRun();
    host::RunSteps(10);
    host::EndRun();
    EXPECT_DOUBLE_EQ(oapiGetSimTime(), 1.0);

    host::UnloadModule();
    EXPECT_EQ(host::FindModeByName("Tarsel"), nullptr);
}
