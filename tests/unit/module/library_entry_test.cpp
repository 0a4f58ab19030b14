// The plug-in's own entry routine, seen from a host that loads and unloads it.
#include "display/mode_registry.h"

#include "scratch_directory.h"

#include <dlfcn.h>

using LibraryEntry = ScratchDirectory;

TEST_F(LibraryEntry, LoadingInitialisesTheModuleAndUnloadingExitsIt) {
    void *library = dlopen(TARSEL_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const host::RegisteredMode *mode = host::FindModeByName("Tarsel");
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->key, 0x24u);
    EXPECT_FALSE(std::filesystem::exists("Modules/Plugin/TarselMFD.ini"));

    auto version = reinterpret_cast<int (*)()>(dlsym(library, "GetModuleVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version(), 60425);

    ASSERT_EQ(dlclose(library), 0);
    EXPECT_EQ(host::FindModeByName("Tarsel"), nullptr);
    EXPECT_TRUE(std::filesystem::exists("Modules/Plugin/TarselMFD.ini"));
}
