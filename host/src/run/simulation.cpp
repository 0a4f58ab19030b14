// Module loading and the run loop.
#include "run/simulation.h"

#include "display/displays.h"
#include "platform/libraries.h"
#include "world/module_logs.h"
#include "world/transcript.h"
#include "world/world.h"

#include <utility>

#ifndef TARSEL_SOUNDLIB_DIR
#define TARSEL_SOUNDLIB_DIR "soundlib"
#endif

namespace host {

namespace {

void *moduleLibrary = nullptr;
void *orbiterSoundLibrary = nullptr;
void *xrSoundLibrary = nullptr;
ModuleEntryPoints module;

const double kMjdAtTimeZero = 51544.5; // 2000-01-01 12:00

void SetError(std::string *error, const std::string &text) {
    if (error)
        *error = text;
}

template <typename F> bool Resolve(void *library, const char *name, F *out, std::string *error) {
    *out = reinterpret_cast<F>(LibrarySymbol(library, name));
    if (!*out)
        SetError(error, std::string("the module lacks ") + name);
    return *out != nullptr;
}

// A module built with ORBITER_MODULE tells its build date.
void ReportModuleDate(void *library) {
    auto date = reinterpret_cast<char *(*)()>(LibrarySymbol(library, "ModuleDate"));
    const char *text = date ? date() : nullptr;
    if (text)
        Event("module date \"%s\"", text);
}

// The renderer's reading: every field of every beacon record, and the
// position and colour they point to, every frame, as the simulator draws
// them; a record freed by its owner shows up here under the sanitizers.
void DrawBeacons() {
    volatile double seen = 0.0;
    for (SimObject *o : World().objects) {
        if (!o->isVessel)
            continue;
        for (const BEACONLIGHTSPEC *b : static_cast<Vessel *>(o)->beacons) {
            seen = seen + b->shape + b->pos->x + b->pos->y + b->pos->z + b->col->x + b->col->y +
                   b->col->z + b->falloff + b->period + b->duration + b->tofs + b->active;
            Event("beacon %s size %g", o->name.c_str(), b->size);
        }
    }
}

} // namespace

bool LoadSoundLibraries(const SoundLibraries &wanted, std::string *error) {
    UnloadSoundLibraries();
    const bool orbiterSoundKnown = wanted.orbiterSound.empty() || wanted.orbiterSound == "full" ||
                                   wanted.orbiterSound == "no_replace" ||
                                   wanted.orbiterSound == "no_id";
    const bool xrSoundKnown = wanted.xrSound.empty() || wanted.xrSound == "full" ||
                              wanted.xrSound == "old" || wanted.xrSound == "null";
    if (!orbiterSoundKnown || !xrSoundKnown) {
        SetError(error, "unknown sound library variant '" +
                            (orbiterSoundKnown ? wanted.xrSound : wanted.orbiterSound) + "'");
        return false;
    }
    const std::string xrFolder =
        wanted.xrSoundFolder.empty() ? TARSEL_SOUNDLIB_DIR : wanted.xrSoundFolder;
    const std::pair<void **, std::string> libraries[] = {
        {&orbiterSoundLibrary, wanted.orbiterSound.empty()
                                   ? ""
                                   : std::string(TARSEL_SOUNDLIB_DIR) + "/" + wanted.orbiterSound +
                                         "/OrbiterSound" + kLibrarySuffix},
        {&xrSoundLibrary, wanted.xrSound.empty() ? ""
                                                 : xrFolder + "/xrsound-" + wanted.xrSound +
                                                       "/XRSound" + kLibrarySuffix},
    };
    for (const auto &[handle, path] : libraries) {
        if (path.empty())
            continue;
        std::string reason;
        *handle = OpenLibrary(path, &reason);
        if (!*handle) {
            SetError(error, "cannot load the sound library: " + reason);
            UnloadSoundLibraries();
            return false;
        }
    }
    return true;
}

void UnloadSoundLibraries() {
    for (void **handle : {&orbiterSoundLibrary, &xrSoundLibrary}) {
        if (*handle)
            CloseLibrary(*handle);
        *handle = nullptr;
    }
}

bool LoadModule(const std::string &path, std::string *error) {
    UnloadModule();
    WatchModuleLogs();
    std::string reason;
    void *library = OpenLibrary(path, &reason);
    if (!library) {
        SetError(error, "cannot load the module: " + reason);
        return false;
    }
    ModuleEntryPoints entry;
    if (!Resolve(library, "opcPreStep", &entry.preStep, error) ||
        !Resolve(library, "opcOpenRenderViewport", &entry.openRenderViewport, error) ||
        !Resolve(library, "opcCloseRenderViewport", &entry.closeRenderViewport, error)) {
        CloseLibrary(library);
        return false;
    }
    entry.deleteVessel =
        reinterpret_cast<void (*)(OBJHANDLE)>(LibrarySymbol(library, "opcDeleteVessel"));
    moduleLibrary = library;
    module = entry;
    ReportModuleDate(library);
    return true;
}

void AttachModule(const ModuleEntryPoints &entry) {
    UnloadModule();
    module = entry;
    if (module.initModule)
        module.initModule(nullptr);
}

void UnloadModule() {
    if (moduleLibrary)
        CloseLibrary(moduleLibrary);
    else if (module.exitModule)
        module.exitModule(nullptr);
    moduleLibrary = nullptr;
    module = ModuleEntryPoints{};
}

void BeginRun() {
    if (module.openRenderViewport)
        module.openRenderViewport(nullptr, 1024, 768, FALSE);
}

void RunSteps(long long n) {
    WorldState &world = World();
    for (long long i = 0; i < n; ++i) {
        // The module sees the state before the step and the step about to be taken.
        if (module.preStep)
            module.preStep(world.simTime, world.stepLength,
                           kMjdAtTimeZero + world.simTime / 86400.0);
        world.AdvanceStep();
        DrawBeacons();
        FlushDeletions();
        RefreshDisplays();
        ReportModuleLogs();
    }
}

void FlushDeletions() {
    WorldState &world = World();
    // Removing the vessel at i shifts only the indices already passed.
    for (size_t i = world.objects.size(); i-- > 0;) {
        SimObject *o = world.objects[i];
        if (!o->isVessel || !static_cast<Vessel *>(o)->deletePending)
            continue;
        Vessel *v = static_cast<Vessel *>(o);
        world.MoveCameraFrom(v);
        if (module.deleteVessel)
            module.deleteVessel(Handle(v));
        CloseDisplaysOf(v);
        world.Remove(v);
    }
}

bool DeleteNow(Vessel *v) {
    if (!World().RequestDelete(v))
        return false;
    FlushDeletions();
    return true;
}

void EndRun() {
    CloseAllDisplays();
    if (module.closeRenderViewport)
        module.closeRenderViewport();
    // The module has freed its drives: a record still held would be a
    // dangling one. Said, then dropped unread.
    for (SimObject *o : World().objects) {
        if (!o->isVessel)
            continue;
        std::vector<BEACONLIGHTSPEC *> &beacons = static_cast<Vessel *>(o)->beacons;
        if (beacons.empty())
            continue;
        // %zu is unknown to the formatting the Windows build checks against.
        Event("vessel %s keeps %llu beacon records after the run", o->name.c_str(),
              static_cast<unsigned long long>(beacons.size()));
        beacons.clear();
    }
}

} // namespace host
