// Binding to the sound library at run time: found among the libraries already
// loaded, never loaded by the module, so that the module runs silently
// without it. OrbiterSound comes first, as it always has; only without it is
// XRSound asked (sound/xr_sound.cpp).
#include "sound/sound_bridge.h"

#include "sound/xr_sound.h"

#include <cstddef>

namespace {

typedef int (*LoadWaveExport)(int, int, char *, int);
typedef int (*PlayWaveExport)(int, int, int, int, int);
typedef int (*StopWaveExport)(int, int);
typedef int (*SoundIdExport)(OBJHANDLE);

// Looked up in this order; every connect replaces all ten addresses.
const char *const kExportNames[] = {
    "LoadVesselWaveOBSound3", "PlayVesselWaveOBSound3", "PlayVesselExclusiveWaveOBSound3",
    "StopVesselWave3",        "IsPlayingVesselWave3",   "IsPlayingRadioVesselWave",
    "SoundOption3",           "SetFrequency",           "GetVesselSoundID3",
    "ReplaceStockOBSound3"};
const size_t kExportCount = sizeof kExportNames / sizeof kExportNames[0];
enum ExportIndex { LoadExport = 0, PlayExport = 1, StopExport = 3, SoundIdExportIndex = 8 };

HMODULE soundLibrary = nullptr;
FARPROC exports[kExportCount] = {};

// Through void(*)() so that the compiler accepts the change of signature.
template <typename Fn> Fn ExportAs(size_t index) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(exports[index]));
}

bool CallAllowed(size_t index, int soundId, int slot) {
    return exports[index] && soundId >= 0 && soundId <= 59 && slot >= 1 && slot <= 60;
}

} // namespace

int ConnectToOrbiterSoundDLL3(OBJHANDLE vessel) {
    if (!vessel) {
        WriteSoundLog("ERR01= Vessel->ConnectToOrbiterSoundDLL3: A vessel passed a NULL handle to "
                      "this function",
                      "");
        return -1;
    }
    soundLibrary = GetModuleHandleA("OrbiterSound.dll");
    if (!soundLibrary) {
        if (HMODULE xrSound = GetModuleHandleA("XRSound.dll"))
            return ConnectToXRSound(xrSound, vessel);
        WriteSoundLog("ERR01= Vessel->ConnectToOrbiterSoundDLL3: Unable to connect to "
                      "OrbiterSound 3.0 - not installed or activated",
                      "");
        return -1;
    }
    for (size_t i = 0; i < kExportCount; ++i)
        exports[i] = GetProcAddress(soundLibrary, kExportNames[i]);
    for (size_t i = 0; i < kExportCount; ++i) {
        if (i != SoundIdExportIndex && !exports[i]) {
            WriteSoundLog("ERR02= ConnectToOrbiterSoundDLL3: Unable to find routines missing "
                          "OrbiterSound3.0 ?",
                          "");
            return -1;
        }
    }
    if (!exports[SoundIdExportIndex]) {
        WriteSoundLog("ERR03= unable to connect to GetMyID, Older OrbiterSound.dll ?", "");
        return -1;
    }
    return ExportAs<SoundIdExport>(SoundIdExportIndex)(vessel);
}

void ForgetSoundConnections() {
    ForgetXRSoundEngines();
}

int LoadWave(int soundId, int slot, char *path, int options) {
    if (IsXRSoundId(soundId))
        return LoadXRSoundWave(soundId, slot, path);
    if (!CallAllowed(LoadExport, soundId, slot))
        return 0;
    return ExportAs<LoadWaveExport>(LoadExport)(soundId, slot, path, options);
}

int PlayWave(int soundId, int slot, int loop, int volume, int extra) {
    if (IsXRSoundId(soundId))
        return PlayXRSoundWave(soundId, slot, loop, volume);
    if (!CallAllowed(PlayExport, soundId, slot))
        return 0;
    return ExportAs<PlayWaveExport>(PlayExport)(soundId, slot, loop, volume, extra);
}

int StopWave(int soundId, int slot) {
    if (IsXRSoundId(soundId))
        return StopXRSoundWave(soundId, slot);
    if (!CallAllowed(StopExport, soundId, slot))
        return 0;
    return ExportAs<StopWaveExport>(StopExport)(soundId, slot);
}
