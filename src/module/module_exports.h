// The functions the module exports to the simulator.
//
// Against the real SDK on Windows, the SDK's static library supplies the
// library entry routine (DllMain) and GetModuleVersion; the module's own are
// compiled only when TARSEL_OWN_LIBRARY_ENTRY is defined, for a Windows build
// without that library. Elsewhere the module always brings its own.
#ifndef TARSEL_MODULE_EXPORTS_H
#define TARSEL_MODULE_EXPORTS_H

#include "Orbitersdk.h"

#if !defined(_WIN32) || defined(TARSEL_OWN_LIBRARY_ENTRY)
#define TARSEL_HAS_OWN_LIBRARY_ENTRY 1
#endif

DLLCLBK void InitModule(HINSTANCE hModule);
DLLCLBK void ExitModule(HINSTANCE hModule);
DLLCLBK void opcOpenRenderViewport(HWND hRenderWnd, DWORD width, DWORD height, BOOL fullscreen);
DLLCLBK void opcCloseRenderViewport();
DLLCLBK void opcPreStep(double simt, double simdt, double mjd);
DLLCLBK void opcDeleteVessel(OBJHANDLE hVessel);
#ifdef TARSEL_HAS_OWN_LIBRARY_ENTRY
DLLCLBK int GetModuleVersion(void);
#endif

#endif
