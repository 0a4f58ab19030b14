// From the command line to the exit status.
#include "scenario/scenario_main.h"

#include "platform/host_paths.h"
#include "run/simulation.h"
#include "scenario/command_line.h"
#include "scenario/flight_runner.h"
#include "scenario/scenario_parser.h"
#include "scenario/world_setup.h"
#include "world/transcript.h"

#include <filesystem>
#include <iostream>

namespace scenario {

namespace fs = std::filesystem;

host::SoundLibraries SoundLibrariesFor(SoundLibrary sound, const std::string &modulePath) {
    host::SoundLibraries wanted;
    switch (sound) {
    case SoundLibrary::Full:
        wanted.orbiterSound = "full";
        break;
    case SoundLibrary::NoReplace:
        wanted.orbiterSound = "no_replace";
        break;
    case SoundLibrary::NoId:
        wanted.orbiterSound = "no_id";
        break;
    case SoundLibrary::XRSound:
        wanted.xrSound = "full";
        break;
    case SoundLibrary::Both:
        wanted.orbiterSound = wanted.xrSound = "full";
        break;
    case SoundLibrary::XRSoundOld:
        wanted.xrSound = "old";
        break;
    case SoundLibrary::XRSoundNull:
        wanted.xrSound = "null";
        break;
    case SoundLibrary::None:
        break;
    }
    std::error_code ec;
    const fs::path beside = host::SystemPath(modulePath).parent_path() / "soundlib";
    if (!modulePath.empty() && fs::is_directory(beside, ec))
        wanted.xrSoundFolder = beside.generic_string();
    return wanted;
}

namespace {

// Paths given on the command line mean what they meant where the host was
// started, also after it has moved into the root folder.
void MakeAbsolute(Options *options) {
    for (std::string *path : {&options->out, &options->module, &options->root})
        *path = host::AbsolutePath(*path);
}

// The root laid out as the simulator's folder is: with the folder that holds
// its plug-ins (and their settings files).
bool EnterRoot(const std::string &root, std::string *error) {
    std::error_code ec;
    const fs::path folder = host::SystemPath(root);
    fs::create_directories(folder / "Modules" / "Plugin", ec);
    if (!ec)
        fs::current_path(folder, ec);
    if (ec)
        *error = "cannot use the root folder '" + root + "': " + ec.message();
    return !ec;
}

// World, sound library and module are in place; the run itself.
int Run(const Scenario &s, const Options &options) {
    for (const std::string &line : s.description)
        host::Event("%s", line.c_str());
    host::BeginRun();
    const FlightOutcome flown = Fly(s, options.out, std::cerr);
    host::EndRun();
    host::UnloadModule();
    host::UnloadSoundLibraries();
    if (flown.fatal)
        return kExitInvalid;
    return flown.failures ? kExitFailed : kExitOk;
}

int Prepare(const Options &given) {
    Options options = given;
    std::string error;
    Scenario s;
    if (!LoadScenarioFile(options.scenario, &s, &error)) {
        std::cerr << error << "\n";
        return kExitInvalid;
    }
    MakeAbsolute(&options);
    if (!EnterRoot(options.root, &error)) {
        std::cerr << "tarsel-sim: " << error << "\n";
        return kExitInvalid;
    }
    host::SetQuiet(options.quiet);
    // As in the simulator: the libraries first, then the scenario's world.
    if (!host::LoadSoundLibraries(SoundLibrariesFor(s.environment.sound, options.module), &error)) {
        std::cerr << "tarsel-sim: " << error << "\n";
        return kExitInvalid;
    }
    if (!host::LoadModule(options.module, &error)) {
        host::UnloadSoundLibraries();
        std::cerr << "tarsel-sim: " << error << "\n";
        return kExitInvalid;
    }
    BuildWorld(s);
    return Run(s, options);
}

} // namespace

int RunScenarioMain(int argc, const char *const *argv, const char *defaultModule) {
    Options options;
    std::string error;
    if (!ParseCommandLine(argc, argv, &options, &error)) {
        std::cerr << "tarsel-sim: " << error << "\n" << kUsage;
        return kExitInvalid;
    }
    if (options.help) {
        std::cout << kUsage;
        return kExitOk;
    }
    if (options.module.empty())
        options.module = defaultModule ? defaultModule : "";
    std::error_code ec;
    fs::path started = fs::current_path(ec);
    int status = Prepare(options);
    if (!ec)
        fs::current_path(started, ec);
    std::cout.flush();
    return status;
}

} // namespace scenario
