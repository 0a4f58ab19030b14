#include "module/base/module_state.h"

DriveSettingsRecord DriveSettings;
KeyedTable *driveRegistry = nullptr;
KeyedTable *stateRegistry = nullptr;
int modeId = 0;
