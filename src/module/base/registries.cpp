#include "module/base/registries.h"

#include <cstdio>

void MakeDriveKey(const VESSEL *vessel, char (&key)[kRegistryKeySize]) {
    std::snprintf(key, sizeof key, "%p", static_cast<const void *>(vessel));
}

void MakeStateKey(const VESSEL *vessel, UINT position, char (&key)[kRegistryKeySize]) {
    std::snprintf(key, sizeof key, "%p:%d", static_cast<const void *>(vessel),
                  static_cast<int>(position));
}
