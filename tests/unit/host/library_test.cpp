// Date2Int, the loaded-library lookup, and loading the real plug-in.
#include "world_fixture.h"

#include "api/library_glue.h"
#include "display/mode_registry.h"

#include <dlfcn.h>
#include <regex>
#include <sstream>
#include <vector>

static bool Loaded(const std::string &path) {
    void *h = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    return h && dlclose(h) == 0; // let go of the reference the check took
}

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

TEST(LoadedLibraries, FindsALibraryAlreadyInTheProcessAndNeverLoadsOne) {
    const std::string path = TARSEL_SOUNDLIB_DIR "/full/OrbiterSound.so";
    ASSERT_EQ(GetModuleHandleA("OrbiterSound.dll"), nullptr);
    EXPECT_FALSE(Loaded(path));

    void *own = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(own, nullptr) << dlerror();
    HMODULE found = GetModuleHandleA("ORBITERSOUND.DLL");
    EXPECT_EQ(found, own);
    EXPECT_EQ(GetModuleHandleA("orbitersound"), own);
    dlclose(own);
    EXPECT_FALSE(Loaded(path)); // the lookup kept no reference of its own
}

// Loading runs InitModule (the mode is registered), a run passes through it,
// and unloading runs ExitModule (the mode is gone, the settings file written).
TEST_F(WorldTest, LoadingThePlugInRunsInitModuleAndUnloadingExitModule) {
    std::string error;
    ASSERT_TRUE(host::LoadModule(TARSEL_MODULE, &error)) << error;
    const host::RegisteredMode *mode = host::FindModeByName("Tarsel");
    ASSERT_NE(mode, nullptr);
    EXPECT_FALSE(std::filesystem::exists("Modules/Plugin/TarselMFD.ini"));

    world().AddBody("Earth", 6e24, 6.4e6, Vec(0, 0, 0), Vec(0, 0, 0));
    host::BeginRun();
    host::RunSteps(10);
    host::EndRun();

    host::UnloadModule();
    EXPECT_EQ(host::FindModeByName("Tarsel"), nullptr);
    EXPECT_TRUE(std::filesystem::exists("Modules/Plugin/TarselMFD.ini"));
}

// The plug-in defines ORBITER_MODULE in one source, so it carries its build
// date (the compiler's __DATE__, whatever day that was), and the host writes
// it once on loading.
TEST_F(WorldTest, LoadingThePlugInWritesItsBuildDate) {
    std::string error;
    ASSERT_TRUE(host::LoadModule(TARSEL_MODULE, &error)) << error;
    const std::regex line(
        R"re(^\[ *[-0-9.]+\] module date "([A-Z][a-z]{2} [ 0-9][0-9] [0-9]{4})"$)re");
    std::vector<std::string> dates;
    std::istringstream events(Transcript());
    for (std::string text; std::getline(events, text);) {
        std::smatch m;
        if (std::regex_match(text, m, line))
            dates.push_back(m[1]);
    }
    ASSERT_EQ(dates.size(), 1u) << Transcript();
    EXPECT_NE(Date2Int(&dates[0][0]), 0) << dates[0];
}
