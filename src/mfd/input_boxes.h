// The three input boxes of the display. Each is handed the display state,
// which outlives the display that opened the box.
#ifndef TARSEL_INPUT_BOXES_H
#define TARSEL_INPUT_BOXES_H

#include "mfd/mfd_state.h"

void OpenTargetBox(MFDState *state);
void OpenFuelBox(MFDState *state);
void OpenDistanceBox(MFDState *state);

// The callbacks in the host's form: unused id, entered text, the MFDState.
bool TargetInputCallback(void *id, char *text, void *usrdata);
bool FuelInputCallback(void *id, char *text, void *usrdata);
bool DistanceInputCallback(void *id, char *text, void *usrdata);

#endif
