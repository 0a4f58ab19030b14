// The end of display states: with the simulation run, or with their vessel.
#ifndef TARSEL_DISPLAY_STATES_H
#define TARSEL_DISPLAY_STATES_H

#include "mfd/mfd_state.h"

// Frees a state taken out of the registry. A display still showing it, and an
// input box still open for it, let go of it first, so that neither uses it
// afterwards. A null state is ignored.
void ReleaseDisplayState(MFDState *state);

// Takes every display state of the vessel out of the registry and releases it.
void ForgetDisplayStatesOf(const VESSEL *vessel);

#endif
