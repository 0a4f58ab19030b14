// The module's globals: settings, registries and the display mode's id. All
// are used on the host's simulation thread only.
#ifndef TARSEL_MODULE_STATE_H
#define TARSEL_MODULE_STATE_H

#include "registry/keyed_table.h"

#include <cstdint>

// One field per settings-file key, named as the key.
struct DriveSettingsRecord {
    int Drives = 4;
    int MDFs = 4;
    double JumpVelocity = 50000.0;
    double FlashOffset = 10.0;
    char ClassName[256] = "S C O U T";
    int Capacitors = 5;
    double CellCapacity = 6000.0;
    double CellReloadTime = 10.0;
    double JumpRange = 750000000.0;
    double JumpRangeScaling = 10.0;
    double FleetRange = 100000.0;
};

extern DriveSettingsRecord DriveSettings;
extern KeyedTable *driveRegistry; // "%p" of VESSEL* -> DriveUnit*
extern KeyedTable *stateRegistry; // "%p:%d" of VESSEL*, display -> MFDState*
extern int modeId;

#endif
