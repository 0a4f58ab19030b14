#include "module/base/module_state.h"

DriveSettingsRecord DriveSettings;
KeyedTable *driveRegistry = nullptr;
KeyedTable *stateRegistry = nullptr;
int modeId = 0;
uint32_t stepBucket = 0;
int32_t stepChain = 0;
uint32_t stepBucketCount = 0;
HBRUSH sharedBrush = nullptr;
COLORREF sharedBrushColour = 0;
