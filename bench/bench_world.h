// A run of the module as the benchmarks need it: linked into the program
// and attached to the host, in a scratch folder with its own settings file,
// the transcript thrown away, and ships with the mode open.
#ifndef BENCH_WORLD_H
#define BENCH_WORLD_H

#include "display/displays.h"
#include "module_entry.h"
#include "world/transcript.h"
#include "world/world.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

class BenchRun {
public:
    // settings: the text of the module's settings file, empty for none.
    explicit BenchRun(const std::string &settings) : previous_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarsel-bench-XXXXXX");
        if (!mkdtemp(pattern.data()))
            std::abort();
        root_ = pattern;
        std::filesystem::current_path(root_);
        if (!settings.empty()) {
            std::filesystem::create_directories("Modules/Plugin");
            std::FILE *file = std::fopen("Modules/Plugin/TarselMFD.ini", "w");
            std::fputs(settings.c_str(), file);
            std::fclose(file);
        }
        host::SetOutput(&discarded_);
        host::World().Reset();
        host::AttachModule(ModuleEntry());
        host::BeginRun();
        host::World().AddBody("Earth", 5.97e24, 6.371e6, VECTOR3{}, VECTOR3{});
    }

    ~BenchRun() {
        host::EndRun();
        host::UnloadModule();
        host::World().Reset();
        host::SetOutput(nullptr);
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(root_);
    }

    // A ship 1000 km apart from the last, with a tank of 20 t and the mode
    // open on display 0, w x h pixels; the key is pressed once.
    Vessel *AddShip(DWORD key = 0, DWORD size = 256) {
        const int n = static_cast<int>(ships_.size());
        Vessel *v = host::World().AddVessel("Ship" + std::to_string(n), "Bench");
        v->pos = VECTOR3{{7e6 + 1e6 * n, 0.0, 0.0}};
        v->rot = host::RotationFromAxes(VECTOR3{{0, 0, 1}}, VECTOR3{{0, 1, 0}});
        v->tanks.push_back(host::Tank{20000.0, 20000.0});
        std::string error;
        bool consumed = false;
        if (!host::OpenDisplay(v, 0, size, size, &error) ||
            (key && !host::SendKey(v, 0, key, &consumed, &error)))
            std::abort();
        ships_.push_back(v);
        return v;
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path root_;
    std::ostringstream discarded_;
    std::vector<Vessel *> ships_;
};

#endif
