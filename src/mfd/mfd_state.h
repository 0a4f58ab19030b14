// The pilot's selections for one vessel and display position; they outlive
// the display object and last until the end of the simulation run.
#ifndef TARSEL_MFD_STATE_H
#define TARSEL_MFD_STATE_H

#include <cstdint>

class DriveUnit;
class DriveMFD;
class VESSEL;

struct MFDState {
    uint32_t targetIndex = 0;
    double distance = 0.0;
    int32_t displayMode = 0;
    int32_t secondJumpCells = 1;
    bool setToCurrent = false;

    // What an input box acts on. A box may be answered after its display is
    // gone, so it is handed this record, which lives until the end of the run.
    DriveUnit *drive = nullptr;
    VESSEL *vessel = nullptr;
    int32_t soundId = -1;
    // The display showing this state now, null while none does; asked to
    // redraw when a box changes the state.
    DriveMFD *display = nullptr;
};

#endif
