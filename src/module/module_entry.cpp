// Loading and unloading: settings, registries and the display mode.
//
// The one source that defines ORBITER_MODULE before the SDK: the SDK then
// gives the module its exported ModuleDate (and, the genuine SDK, the binding
// of its static library).
#define ORBITER_MODULE
#include "module/module_exports.h"

#include "mfd/drive_mfd.h"
#include "module/base/module_state.h"
#include "module/base/settings.h"
#include "module/step_dispatch.h"

#include <new>

DLLCLBK void InitModule(HINSTANCE) {
    DriveSettings = DriveSettingsRecord();
    ReadSettings(kSettingsPath, DriveSettings);

    // A table whose buckets cannot be had stays in place, refusing every entry.
    driveRegistry = new (std::nothrow) KeyedTable(uint8_t(DriveSettings.Drives));
    stateRegistry = new (std::nothrow) KeyedTable(uint8_t(DriveSettings.MDFs));

    ResetStepDispatch(driveRegistry ? driveRegistry->BucketCount() : 0);
    DriveMFD::ReleasePageBrush();

    static char modeName[] = "Tarsel";
    MFDMODESPEC spec;
    spec.name = modeName;
    spec.key = OAPI_KEY_J;
    spec.msgproc = DriveMFD::MsgProc;
    modeId = oapiRegisterMFDMode(spec);
}

DLLCLBK void ExitModule(HINSTANCE) {
    oapiUnregisterMFDMode(modeId);

    delete driveRegistry;
    driveRegistry = nullptr;
    delete stateRegistry;
    stateRegistry = nullptr;
    ResetStepDispatch(0);

    DriveMFD::ReleasePageBrush();

    WriteSettingsIfMissing(kSettingsPath, DriveSettings);
}
