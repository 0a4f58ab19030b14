// Run-time binding to the optional sound library already loaded in the host:
// OrbiterSound (the 2016 simulator's) when it is there, else XRSound (the
// current simulator's). Without either the module is silent and logs why.
#ifndef TARSEL_SOUND_BRIDGE_H
#define TARSEL_SOUND_BRIDGE_H

#include "Orbitersdk.h"

// The vessel's sound id, or -1 for a vessel without sound (the reason logged).
int ConnectToOrbiterSoundDLL3(OBJHANDLE vessel);
// At the end of a simulation run, when the drives that held sound ids are gone.
void ForgetSoundConnections();
int LoadWave(int soundId, int slot, char *path, int options);
int PlayWave(int soundId, int slot, int loop, int volume, int extra);
int StopWave(int soundId, int slot);
void WriteSoundLog(const char *first, const char *second);

#endif
