#include "mfd/drive_mfd.h"

#include "module/base/module_state.h"
#include "module/base/registries.h"
#include "sound/sound_bridge.h"

#include <cstdio>
#include <new>

namespace {

// Slots 50 to 55 in order.
const char *const kWaveFiles[] = {
    "Sound\\TarselMFD\\load.wav", "Sound\\TarselMFD\\engage.wav", "Sound\\TarselMFD\\woosh1.wav",
    "Sound\\TarselMFD\\bang.wav", "Sound\\TarselMFD\\woosh2.wav", "Sound\\TarselMFD\\cancel.wav",
};
constexpr int kFirstWaveSlot = 50;
// Charge loop, jump start, jump, end of flash: the slots the drive plays itself.
const int32_t kDriveSlots[4] = {50, 52, 53, 54};

int ConnectAndLoadWaves(VESSEL *vessel) {
    int soundId = ConnectToOrbiterSoundDLL3(vessel->GetHandle());
    int slot = kFirstWaveSlot;
    for (const char *file : kWaveFiles) {
        char path[64];
        std::snprintf(path, sizeof path, "%s", file);
        LoadWave(soundId, slot++, path, 0);
    }
    return soundId;
}

// Null when an allocation fails.
DriveUnit *CreateDrive(VESSEL *vessel, int soundId) {
    const int cells = DriveSettings.Capacitors;
    if (cells < 1)
        return nullptr;
    double *ranges = new (std::nothrow) double[cells];
    if (!ranges)
        return nullptr;
    ranges[0] = DriveSettings.JumpRange;
    for (int i = 1; i < cells; ++i)
        ranges[i] = ranges[i - 1] * DriveSettings.JumpRangeScaling;
    DriveParams params{vessel,
                       &savedAperture,
                       cells,
                       soundId,
                       kDriveSlots,
                       DriveSettings.JumpVelocity,
                       ranges,
                       DriveSettings.FlashOffset,
                       DriveSettings.CellReloadTime,
                       DriveSettings.CellCapacity};
    DriveUnit *drive = new (std::nothrow) DriveUnit(params);
    if (!drive)
        delete[] ranges;
    return drive;
}

// The value, entered in the registry under the key; null when there is no
// value or the registry cannot hold it, and then the value is freed.
template <typename T> T *Registered(KeyedTable *registry, const char *key, T *value) {
    bool stored = false;
    if (value)
        registry->Insert(key, reinterpret_cast<uintptr_t>(value), &stored);
    if (stored)
        return value;
    delete value;
    return nullptr;
}

uint32_t OwnIndex(VESSEL *vessel) {
    OBJHANDLE own = vessel->GetHandle();
    DWORD count = oapiGetObjectCount();
    for (DWORD i = 0; i < count; ++i)
        if (oapiGetObjectByIndex(static_cast<int>(i)) == own)
            return i;
    return 0;
}

} // namespace

DriveMFD::DriveMFD(DWORD w, DWORD h, VESSEL *vessel, UINT position)
    : MFD(w, h, vessel), vessel(vessel), charWidth(static_cast<int32_t>(w / 35)),
      lineHeight(static_cast<int32_t>(h / 28)) {
    // A drive or state that no registry holds would never be stepped or freed.
    if (!vessel || !driveRegistry || !stateRegistry || !driveRegistry->Allocated() ||
        !stateRegistry->Allocated())
        return;
    char key[kRegistryKeySize];
    MakeDriveKey(vessel, key);
    drive = reinterpret_cast<DriveUnit *>(driveRegistry->Find(key));
    if (drive) {
        soundId = drive->GetSoundId();
    } else {
        soundId = ConnectAndLoadWaves(vessel);
        drive = Registered(driveRegistry, key, CreateDrive(vessel, soundId));
        if (!drive)
            return;
    }

    MakeStateKey(vessel, position, key);
    state = reinterpret_cast<MFDState *>(stateRegistry->Find(key));
    if (!state) {
        state = Registered(stateRegistry, key, new (std::nothrow) MFDState);
        if (!state)
            return;
        state->targetIndex = OwnIndex(vessel);
    }
    state->drive = drive;
    state->vessel = vessel;
    state->soundId = soundId;
    state->display = this;
}

// Owns nothing; only lets the state forget it.
DriveMFD::~DriveMFD() {
    if (state && state->display == this)
        state->display = nullptr;
}

// The simulator writes into the object it gets for OAPI_MSG_MFD_OPENED at
// once, unchecked: a display without its drive or state is still one (it
// says so and refuses every command). Only when not even that can be had is
// there nothing to give.
OAPI_MSGTYPE DriveMFD::MsgProc(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam) {
    if (msg != OAPI_MSG_MFD_OPENED)
        return 0;
    DriveMFD *display = new (std::nothrow)
        DriveMFD(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<VESSEL *>(lparam), mfd);
    return reinterpret_cast<OAPI_MSGTYPE>(display);
}
