// The functions the module exports to the simulator. The library entry
// routine and GetModuleVersion, which the genuine SDK's static library
// brings on Windows, are in library_entry.cpp.
#ifndef TARSEL_MODULE_EXPORTS_H
#define TARSEL_MODULE_EXPORTS_H

#include "Orbitersdk.h"

DLLCLBK void InitModule(HINSTANCE hModule);
DLLCLBK void ExitModule(HINSTANCE hModule);
DLLCLBK void opcOpenRenderViewport(HWND hRenderWnd, DWORD width, DWORD height, BOOL fullscreen);
DLLCLBK void opcCloseRenderViewport();
DLLCLBK void opcPreStep(double simt, double simdt, double mjd);
DLLCLBK void opcDeleteVessel(OBJHANDLE hVessel);

#endif
