// What the fuzz targets share: the module attached to the host in the same
// program (as the unit tests attach it), a scratch folder that each input
// starts empty, a transcript that is thrown away, and the check that stops
// the run on a broken promise.
#ifndef FUZZ_MODULE_H
#define FUZZ_MODULE_H

#include "display/displays.h"
#include "module_entry.h"
#include "platform/page_png.h"
#include "platform/platform_setup.h"
#include "run/simulation.h"
#include "world/transcript.h"
#include "world/world.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace fuzz {

// A broken promise is a finding: libFuzzer keeps the input that caused it.
inline void Require(bool holds, const char *what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

// The program's own folder under the system's temporary folder, removed at exit.
inline const std::filesystem::path &ScratchRoot() {
    static const std::filesystem::path root = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarsel-fuzz-XXXXXX");
        Require(mkdtemp(pattern.data()) != nullptr, "a scratch folder");
        std::atexit([] { std::filesystem::remove_all(ScratchRoot()); });
        return std::filesystem::path(pattern);
    }();
    return root;
}

// Every input: an empty scratch folder as the simulator's root (with the
// plug-in folder, as the simulator's has it), an empty world, and no output.
inline void StartInput() {
    static std::ostringstream discarded;
    discarded.str("");
    host::SetOutput(&discarded);
    std::filesystem::current_path(ScratchRoot());
    for (const auto &entry : std::filesystem::directory_iterator(ScratchRoot()))
        std::filesystem::remove_all(entry.path());
    std::filesystem::create_directories(ScratchRoot() / "Modules" / "Plugin");
    host::World().Reset();
}

// With the module attached and its run begun: Earth, and the ship Scout
// 1000 m from its centre with three tanks of 1000 kg and the mode open on
// display 0 (256 x 256). Null when the display could not be opened.
inline Vessel *OpenScout() {
    host::World().AddBody("Earth", 5.97e24, 6.371e6, VECTOR3{}, VECTOR3{});
    Vessel *scout = host::World().AddVessel("Scout", "Fuzz");
    scout->mass = 10000.0;
    scout->size = 10.0;
    scout->pos = host::Vec(1000.0, 0.0, 0.0);
    scout->rot = host::RotationFromAxes(host::Vec(0, 0, 1), host::Vec(0, 1, 0));
    for (int i = 0; i < 3; ++i)
        scout->tanks.push_back(host::Tank{1000.0, 1000.0});
    std::string error;
    return host::OpenDisplay(scout, 0, 256, 256, &error) ? scout : nullptr;
}

inline std::string ReadWhole(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace fuzz

// Before the first input: the host's platform, as tarsel-sim has it, and one run that opens, draws
// and pictures a page, so that the fonts' one-time caches exist before libFuzzer starts to count
// what each input allocates and leaves.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    host::PreparePlatform();
    fuzz::StartInput();
    host::AttachModule(ModuleEntry());
    host::BeginRun();
    host::Page page;
    std::string error;
    if (Vessel *scout = fuzz::OpenScout()) {
        host::DrawPage(scout, 0, &page, &error);
        host::WritePagePng(page, "warm-up.png", &error);
    }
    host::EndRun();
    host::UnloadModule();
    return 0;
}

#endif
