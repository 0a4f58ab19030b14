// Run-time binding to the optional sound library already loaded in the host.
#ifndef TARSEL_SOUND_BRIDGE_H
#define TARSEL_SOUND_BRIDGE_H

#include "Orbitersdk.h"

int ConnectToOrbiterSoundDLL3(OBJHANDLE vessel);
int LoadWave(int soundId, int slot, char *path, int options);
int PlayWave(int soundId, int slot, int loop, int volume, int extra);
int StopWave(int soundId, int slot);
void WriteSoundLog(const char *first, const char *second);

#endif
