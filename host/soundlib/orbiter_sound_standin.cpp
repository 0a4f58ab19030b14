// Stand-in for the OrbiterSound 3.0 library: it plays nothing, but keeps the
// state a module relies on (sound ids, loaded waves) and reports every call
// to the transcript of the host that loaded it.
//
// Built three times: SOUNDLIB_FULL with all ten exports, SOUNDLIB_NO_REPLACE
// without "ReplaceStockOBSound3", SOUNDLIB_NO_ID without "GetVesselSoundID3".
#include "OrbiterAPI.h"
#include "platform/native_path.h"
#include "standin_report.h"

#include <cstdio>
#include <string>

#define SOUNDLIB_EXPORT DLLCLBK

namespace {

const int kIdCount = 60;   // sound ids 0..59
const int kSlotCount = 60; // wave slots 1..60

struct Wave {
    bool loaded = false;
    bool fileFound = false;
    std::string file;
};

#ifndef SOUNDLIB_NO_ID
const void *idOwners[kIdCount] = {}; // the vessel handle each sound id was given to
#endif
Wave waves[kIdCount][kSlotCount + 1];

bool ValidId(int id) {
    return id >= 0 && id < kIdCount;
}
bool ValidSlot(int slot) {
    return slot >= 1 && slot <= kSlotCount;
}

// Wave paths are relative to the working directory, with backslashes as separators.
bool FileExists(const char *path) {
    FILE *file = std::fopen(host::NativePath(path).c_str(), "rb");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

// " (bad id)", " (bad slot)", " (not loaded)" or "" for a slot that can play.
const char *SlotProblem(int id, int slot) {
    if (!ValidId(id))
        return " (bad id)";
    if (!ValidSlot(slot))
        return " (bad slot)";
    return waves[id][slot].loaded ? "" : " (not loaded)";
}

} // namespace

SOUNDLIB_EXPORT int LoadVesselWaveOBSound3(int id, int slot, char *file, int /*options*/) {
    const char *name = file ? file : "";
    if (!ValidId(id) || !ValidSlot(slot)) {
        Report("sound LoadVesselWaveOBSound3 id=%d slot=%d file=\"%s\"%s", id, slot, name,
               ValidId(id) ? " (bad slot)" : " (bad id)");
        return 0;
    }
    Wave &wave = waves[id][slot];
    wave.loaded = true;
    wave.file = name;
    wave.fileFound = FileExists(name);
    Report("sound LoadVesselWaveOBSound3 id=%d slot=%d file=\"%s\" (%s)", id, slot, name,
           wave.fileFound ? "found" : "missing");
    return 1;
}

// The last argument, the playing frequency, is written only when it asks
// for one (0 plays the wave at its own).
SOUNDLIB_EXPORT int PlayVesselWaveOBSound3(int id, int slot, int loop, int volume, int frequency) {
    const char *problem = SlotProblem(id, slot);
    char asked[32] = "";
    if (frequency != 0)
        std::snprintf(asked, sizeof asked, " frequency=%d", frequency);
    Report("sound PlayVesselWaveOBSound3 id=%d slot=%d loop=%d volume=%d%s%s", id, slot, loop,
           volume, asked, problem);
    return *problem ? 0 : 1;
}

SOUNDLIB_EXPORT int PlayVesselExclusiveWaveOBSound3(int id, int slot, int loop, int volume,
                                                    int /*extra*/) {
    const char *problem = SlotProblem(id, slot);
    Report("sound PlayVesselExclusiveWaveOBSound3 id=%d slot=%d loop=%d volume=%d%s", id, slot,
           loop, volume, problem);
    return *problem ? 0 : 1;
}

SOUNDLIB_EXPORT int StopVesselWave3(int id, int slot) {
    const char *problem = SlotProblem(id, slot);
    Report("sound StopVesselWave3 id=%d slot=%d%s", id, slot, problem);
    return *problem ? 0 : 1;
}

SOUNDLIB_EXPORT int IsPlayingVesselWave3(int id, int slot) {
    Report("sound IsPlayingVesselWave3 id=%d slot=%d", id, slot);
    return 0;
}

SOUNDLIB_EXPORT int IsPlayingRadioVesselWave(int id, int slot) {
    Report("sound IsPlayingRadioVesselWave id=%d slot=%d", id, slot);
    return 0;
}

SOUNDLIB_EXPORT int SoundOption3(int id, int option, int value) {
    Report("sound SoundOption3 id=%d option=%d value=%d", id, option, value);
    return 1;
}

SOUNDLIB_EXPORT int SetFrequency(int id, int slot, int frequency) {
    Report("sound SetFrequency id=%d slot=%d frequency=%d", id, slot, frequency);
    return 1;
}

#ifndef SOUNDLIB_NO_ID
// The same handle always gets the same id; a 61st vessel gets none.
SOUNDLIB_EXPORT int GetVesselSoundID3(void *vessel) {
    int id = -1;
    for (int i = 0; i < kIdCount && vessel; ++i) {
        if (idOwners[i] == vessel || !idOwners[i]) {
            idOwners[i] = vessel;
            id = i;
            break;
        }
    }
    Report("sound GetVesselSoundID3 -> id=%d", id);
    return id;
}
#endif

#ifndef SOUNDLIB_NO_REPLACE
SOUNDLIB_EXPORT int ReplaceStockOBSound3(int id, int stockSound, char *file) {
    Report("sound ReplaceStockOBSound3 id=%d stock=%d file=\"%s\"", id, stockSound,
           file ? file : "");
    return 1;
}
#endif
