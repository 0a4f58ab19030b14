// A vessel deleted in the simulator. Its drive and display states are
// forgotten, so the step rotation holds only live drives and a later vessel
// that the simulator places at the same address starts afresh; a drive whose
// flash object it was uses that object no more.
#include "module/module_exports.h"

#include "drive/drive_unit.h"
#include "mfd/display_states.h"
#include "module/base/module_state.h"
#include "module/base/registries.h"

namespace {

void ForgetDrive(const VESSEL *vessel) {
    if (!driveRegistry)
        return;
    char key[kRegistryKeySize];
    MakeDriveKey(vessel, key);
    DriveUnit *drive = reinterpret_cast<DriveUnit *>(driveRegistry->Remove(key));
    if (!drive)
        return;
    drive->AbandonVessel();
    delete drive;
}

} // namespace

DLLCLBK void opcDeleteVessel(OBJHANDLE hVessel) {
    if (!hVessel)
        return;
    ForEachValue<DriveUnit>(driveRegistry,
                            [hVessel](DriveUnit *drive) { drive->ForgetObject(hVessel); });
    // The simulator tells before the vessel goes, so its interface is still valid.
    if (!oapiIsVessel(hVessel))
        return;
    const VESSEL *vessel = oapiGetVesselInterface(hVessel);
    if (!vessel)
        return;
    ForgetDrive(vessel);
    ForgetDisplayStatesOf(vessel);
}
