// The sound engine of the current simulator's sound library, XRSound, as its
// users call it: a class whose functions are virtual, called through its
// table of functions. This declaration is that table's layout, and so the
// one place where the module depends on a C++ ABI:
// - no virtual destructor and no overloads: under Microsoft's ABI (the
//   library and the module's DLLs) and under the Itanium ABI (MinGW and the
//   native builds of the host) the table then holds the functions in
//   declaration order, slot 0 first;
// - member functions are __thiscall on 32-bit Windows under both compilers
//   (this in ECX); the library's own export functions are plain C (__cdecl).
// The engine is borrowed: it lives in the library and is never deleted here.
#ifndef TARSEL_XR_SOUND_ENGINE_H
#define TARSEL_XR_SOUND_ENGINE_H

#include "Orbitersdk.h"

// How a sound is heard, an int in size.
enum class XRPlaybackType : int {
    InternalOnly = 1,   // in the cockpit of the focus vessel only
    BothViewFar = 2,    // inside and out, faded far by distance and pressure
    BothViewMedium = 3, // inside and out, medium fade
    BothViewClose = 4,  // inside and out, close fade
    Radio = 5,
    Wind = 6,
    Global = 7,
};

// Slots 0 to 3 of the table, all the module calls. Releases before 2.0 have
// a shorter table than the current one (no slot 14 on), and the module does
// not rely on their layout.
class XRSoundEngine {
public:
    virtual float GetVersion() const = 0;
    virtual bool LoadWav(int soundID, const char *path, XRPlaybackType type) = 0;
    virtual bool PlayWav(int soundID, bool loop = false, float volume = 1.0f) = 0;
    virtual bool StopWav(int soundID) = 0;

protected:
    ~XRSoundEngine() = default;
};

// The library's export for an engine tied to one vessel.
typedef XRSoundEngine *(*XRSoundVesselEngineExport)(OBJHANDLE hVessel);

#endif
