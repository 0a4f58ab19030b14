// The three input boxes of the display. A box acts on the display state it
// was opened for, which outlives the display that opened it; an answer that
// comes after the state itself has gone (its vessel deleted) is refused.
#ifndef TARSEL_INPUT_BOXES_H
#define TARSEL_INPUT_BOXES_H

#include "mfd/mfd_state.h"

void OpenTargetBox(MFDState *state);
void OpenFuelBox(MFDState *state);
void OpenDistanceBox(MFDState *state);

// The state is going: an open box no longer acts on it.
void ForgetBoxTarget(const MFDState *state);

// The callbacks in the host's form: unused id, entered text, the box's target
// record that Open* handed to the host.
bool TargetInputCallback(void *id, char *text, void *usrdata);
bool FuelInputCallback(void *id, char *text, void *usrdata);
bool DistanceInputCallback(void *id, char *text, void *usrdata);

#endif
