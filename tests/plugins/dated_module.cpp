// The smallest plug-in the host loads, with ORBITER_MODULE defined as a
// module's one source defines it: the SDK header then gives it ModuleDate.
#define ORBITER_MODULE
#include "Orbitersdk.h"

DLLCLBK void opcPreStep(double, double, double) {}
DLLCLBK void opcOpenRenderViewport(HWND, DWORD, DWORD, BOOL) {}
DLLCLBK void opcCloseRenderViewport() {}
