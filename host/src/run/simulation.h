// The module's lifecycle and the host's run loop.
//
// A module built as a shared library: LoadModule (its load hook runs InitLib,
// which runs InitModule), BeginRun, RunSteps..., EndRun, UnloadModule (its
// unload hook runs ExitModule). A module linked into the program (unit tests):
// AttachModule with its entry points instead of LoadModule; the rest is the same.
// Load the sound library, if any, before the module, and unload it after.
#ifndef HOST_SIMULATION_H
#define HOST_SIMULATION_H

#include "Orbitersdk.h"

#include <string>

class Vessel;

namespace host {

struct ModuleEntryPoints {
    void (*initModule)(HINSTANCE) = nullptr; // run by AttachModule
    void (*exitModule)(HINSTANCE) = nullptr; // run by UnloadModule
    void (*preStep)(double simt, double simdt, double mjd) = nullptr;
    void (*openRenderViewport)(HWND, DWORD, DWORD, BOOL) = nullptr;
    void (*closeRenderViewport)() = nullptr;
    void (*deleteVessel)(OBJHANDLE) = nullptr; // optional: opcDeleteVessel
};

// The stand-in sound libraries a flight loads, by their build variants; an
// empty variant loads none of that library.
struct SoundLibraries {
    std::string orbiterSound; // "full", "no_replace" or "no_id"
    std::string xrSound;      // "full", "old" or "null"
    // Where the XRSound stand-ins are, when not the host's own: a module built
    // with another toolchain brings one built as it is.
    std::string xrSoundFolder;
};
bool LoadSoundLibraries(const SoundLibraries &wanted, std::string *error);
void UnloadSoundLibraries();

// Loads the module's shared library; false (with the reason) when it cannot be
// loaded or lacks opcPreStep, opcOpenRenderViewport or opcCloseRenderViewport.
// opcDeleteVessel is used when the library has it; the date the library's
// ModuleDate gives, if it has one, goes to the transcript: module date "DATE".
bool LoadModule(const std::string &path, std::string *error);
// Uses a module linked into the program: keeps the entry points and calls initModule.
void AttachModule(const ModuleEntryPoints &entry);
// Closes the loaded library, or calls the attached module's exitModule.
void UnloadModule();

// Start of a simulation run: opcOpenRenderViewport(null, 1024, 768, FALSE).
void BeginRun();
// n host steps; each: opcPreStep(simTime, stepLength, 51544.5 + simTime / 86400)
// with the time of the state before the step (oapiGetSimTime gives the same),
// then AdvanceStep (the objects move, then the clock advances), every beacon
// read as the renderer reads it (its size to the transcript), FlushDeletions,
// RefreshDisplays.
void RunSteps(long long n);
// Removes the vessels marked for deletion as the simulator does at the end
// of a frame: walking the object list from the last index to the first, each
// marked vessel in turn: a camera that followed it moves
// (WorldState::MoveCameraFrom), the module's opcDeleteVessel is told, the
// vessel's displays close, then its ports are undocked and it leaves the
// object list. A vessel marked during the walk (by opcDeleteVessel, say) goes
// in the same walk when its index is still ahead, at the end of the next
// frame when the walk has passed it; till then it is listed and drawn.
void FlushDeletions();
// Deletion taking effect at once (the scenario's DELETE): marks v and
// flushes; false when v is not a live vessel or is marked already.
bool DeleteNow(Vessel *v);
// End of a simulation run: every display closed, then opcCloseRenderViewport.
// A vessel still holding beacon records then is reported, and the records
// dropped unread: they belonged to the module's drives, freed by now.
void EndRun();

} // namespace host

#endif
