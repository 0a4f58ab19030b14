// The host's GetModuleHandleA over the dynamic loader (Windows has its own).
#include <gtest/gtest.h>

#include "Orbitersdk.h"

#include <dlfcn.h>
#include <string>

static bool Loaded(const std::string &path) {
    void *h = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    return h && dlclose(h) == 0; // let go of the reference the check took
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
