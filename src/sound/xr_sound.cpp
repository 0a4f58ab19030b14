// Vessels whose sound goes through XRSound. Each gets the engine XRSound keeps
// for the vessel (GetXRSoundEngineInstance), where its waves play in the
// cockpit and near the vessel, positioned with it, rather than the module's
// own engine, whose sounds belong to no vessel. The waves keep their slot
// numbers as XRSound sound ids (50 to 55), so they play, loop and stop as
// through OrbiterSound. That engine is shared with the vessel's own code,
// whose sounds may use the same ids; XRSound's own lie at 10000 and above.
#include "sound/xr_sound.h"

#include "sound/sound_bridge.h"
#include "sound/xr_sound_engine.h"

#include <cstdint>
#include <cstdio>

namespace {

// Heard inside and outside the vessel, fading over a medium distance: the
// drive's hum, chimes and the jump are the vessel's own sounds.
constexpr XRPlaybackType kPlayback = XRPlaybackType::BothViewMedium;
constexpr float kRequiredVersion = 2.0f;
constexpr float kFullVolume = 255.0f; // the bridge's volume scale; XRSound's is 0 to 1
constexpr int kHighestSlot = 60;
// Vessels connected in one simulation run; each drive connects once.
constexpr int kEngineCapacity = 4096;

struct VesselEngine {
    XRSoundEngine *engine;
    uint64_t loaded; // bit slot - 1: that wave was loaded and can be played
};

VesselEngine engines[kEngineCapacity];
int engineCount = 0;

VesselEngine *EngineOf(int soundId) {
    return IsXRSoundId(soundId) ? &engines[soundId - kFirstXRSoundId] : nullptr;
}

// A slot's bit in VesselEngine::loaded; none for a slot out of range.
uint64_t SlotBit(int slot) {
    return slot >= 1 && slot <= kHighestSlot ? uint64_t{1} << (slot - 1) : 0;
}

// The engine, when the wave in that slot was loaded.
XRSoundEngine *Playable(int soundId, int slot) {
    const VesselEngine *entry = EngineOf(soundId);
    return entry && (entry->loaded & SlotBit(slot)) ? entry->engine : nullptr;
}

void Log(const char *message) {
    WriteSoundLog(message, "");
}

} // namespace

int ConnectToXRSound(HMODULE library, OBJHANDLE vessel) {
    const auto vesselEngine = reinterpret_cast<XRSoundVesselEngineExport>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "GetXRSoundEngineInstance")));
    if (!vesselEngine) {
        Log("ERR04= Vessel->ConnectToXRSound: XRSound.dll lacks GetXRSoundEngineInstance");
        return -1;
    }
    XRSoundEngine *engine = vesselEngine(vessel);
    if (!engine) {
        Log("ERR05= Vessel->ConnectToXRSound: XRSound gave no sound engine for the vessel");
        return -1;
    }
    const float version = engine->GetVersion();
    if (!(version >= kRequiredVersion)) {
        char message[128];
        std::snprintf(message, sizeof message,
                      "ERR06= Vessel->ConnectToXRSound: XRSound %.2f is older than 2.0, "
                      "the version needed",
                      static_cast<double>(version));
        Log(message);
        return -1;
    }
    for (int i = 0; i < engineCount; ++i)
        if (engines[i].engine == engine)
            return kFirstXRSoundId + i;
    if (engineCount >= kEngineCapacity) {
        Log("ERR07= Vessel->ConnectToXRSound: no room for more vessels with sound");
        return -1;
    }
    engines[engineCount] = VesselEngine{engine, 0};
    return kFirstXRSoundId + engineCount++;
}

void ForgetXRSoundEngines() {
    engineCount = 0;
}

bool IsXRSoundId(int soundId) {
    return soundId >= kFirstXRSoundId && soundId - kFirstXRSoundId < engineCount;
}

// A wave XRSound cannot load stays silent; the log says so, once per load.
int LoadXRSoundWave(int soundId, int slot, const char *path) {
    VesselEngine *entry = EngineOf(soundId);
    const uint64_t bit = SlotBit(slot);
    if (!entry || !bit)
        return 0;
    if (!entry->engine->LoadWav(slot, path, kPlayback)) {
        entry->loaded &= ~bit;
        char message[320];
        std::snprintf(message, sizeof message, "ERR08= Vessel->LoadWav: XRSound could not load %s",
                      path ? path : "");
        Log(message);
        return 0;
    }
    entry->loaded |= bit;
    return 1;
}

int PlayXRSoundWave(int soundId, int slot, int loop, int volume) {
    XRSoundEngine *engine = Playable(soundId, slot);
    return engine && engine->PlayWav(slot, loop != 0, static_cast<float>(volume) / kFullVolume);
}

int StopXRSoundWave(int soundId, int slot) {
    XRSoundEngine *engine = Playable(soundId, slot);
    return engine && engine->StopWav(slot);
}
