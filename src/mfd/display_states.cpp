#include "mfd/display_states.h"

#include "mfd/drive_mfd.h"
#include "mfd/input_boxes.h"
#include "module/base/module_state.h"
#include "module/base/registries.h"

#include <cstdio>

void ReleaseDisplayState(MFDState *state) {
    if (!state)
        return;
    if (DriveMFD *display = state->display) {
        display->drive = nullptr;
        display->state = nullptr;
        display->soundId = -1; // the vessel's connection went with it
    }
    ForgetBoxTarget(state);
    delete state;
}

void ForgetDisplayStatesOf(const VESSEL *vessel) {
    if (!stateRegistry)
        return;
    for (uint32_t bucket = 0; bucket < stateRegistry->BucketCount(); ++bucket) {
        const KeyedEntry *entry = stateRegistry->BucketAt(bucket);
        while (entry && entry->key) {
            const MFDState *state = reinterpret_cast<const MFDState *>(entry->value);
            if (!state || state->vessel != vessel) {
                entry = entry->next;
                continue;
            }
            // Removing reshapes the chain: look at the bucket again from its head.
            char key[kRegistryKeySize];
            std::snprintf(key, sizeof key, "%s", entry->key);
            ReleaseDisplayState(reinterpret_cast<MFDState *>(stateRegistry->Remove(key)));
            entry = stateRegistry->BucketAt(bucket);
        }
    }
}
