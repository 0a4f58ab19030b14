// The plug-in as the simulator loads it: what its own library entry routine
// gives, which the statically linked module of the other tests lacks.
#include "platform/libraries.h"
#include "scratch_directory.h"

using PlugIn = SimulatorFolder;

// The version of the SDK the module was built for, from the SDK's date
// "Apr 25 2006", the same at every call.
TEST_F(PlugIn, GivesTheVersionOfItsSdk) {
    std::string error;
    void *plugIn = host::OpenLibrary(TARSEL_MODULE, &error);
    ASSERT_NE(plugIn, nullptr) << error;
    const auto version =
        reinterpret_cast<int (*)()>(host::LibrarySymbol(plugIn, "GetModuleVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version(), 60425);
    EXPECT_EQ(version(), 60425);
    host::CloseLibrary(plugIn);
}
