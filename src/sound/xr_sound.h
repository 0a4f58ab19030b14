// The sound bridge's second library, XRSound, which the current simulator
// ships: the bridge's operations for a vessel whose sound goes through it.
// Such a vessel's sound id is kFirstXRSoundId or more, apart from the ids
// 0 to 59 that OrbiterSound hands out.
#ifndef TARSEL_XR_SOUND_H
#define TARSEL_XR_SOUND_H

#include "Orbitersdk.h"

constexpr int kFirstXRSoundId = 1000;

// The vessel's sound id through the loaded XRSound library, or -1 (the
// reason logged) when it gives the vessel no usable engine.
int ConnectToXRSound(HMODULE library, OBJHANDLE vessel);

// The run has ended, and with it every drive that held a sound id.
void ForgetXRSoundEngines();

bool IsXRSoundId(int soundId);
int LoadXRSoundWave(int soundId, int slot, const char *path);
int PlayXRSoundWave(int soundId, int slot, int loop, int volume);
int StopXRSoundWave(int soundId, int slot);

#endif
