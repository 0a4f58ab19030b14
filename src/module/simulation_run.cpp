// A simulation run: the saved camera aperture, one drive advanced per step,
// and every drive and display state destroyed at the end.
#include "module/module_exports.h"

#include "drive/drive_unit.h"
#include "mfd/display_states.h"
#include "module/base/module_state.h"
#include "module/step_dispatch.h"
#include "sound/sound_bridge.h"

DLLCLBK void opcOpenRenderViewport(HWND, DWORD, DWORD, BOOL) {
    SaveRunAperture();
}

DLLCLBK void opcPreStep(double simt, double simdt, double) {
    KeyedEntry *entry = NextStepEntry();
    if (entry && entry->value) {
        reinterpret_cast<DriveUnit *>(entry->value)->Step(simt, simdt);
    }
}

DLLCLBK void opcCloseRenderViewport() {
    while (driveRegistry && !driveRegistry->empty) {
        delete reinterpret_cast<DriveUnit *>(driveRegistry->RemoveNext(false));
    }
    while (stateRegistry && !stateRegistry->empty) {
        ReleaseDisplayState(reinterpret_cast<MFDState *>(stateRegistry->RemoveNext(false)));
    }
    RewindStepDispatch();
    ForgetSoundConnections();
}
