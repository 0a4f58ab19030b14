// The bridge's own functions that windows/orbiter.def binds to the decorated
// names of MFD's and VESSEL's constructors and MFD's destructor: under
// Microsoft's ABI a constructor returns `this`, and the display object's base
// part is noted so that the host calls the object through Microsoft's
// virtual table (display/module_display.h).
#ifndef HOST_WINDOWS_MSVC_CONSTRUCTORS_H
#define HOST_WINDOWS_MSVC_CONSTRUCTORS_H

#include "Orbitersdk.h"

extern "C" {
MFD *TarselMsvcMfdConstruct(MFD *self, DWORD w, DWORD h, VESSEL *vessel);
void TarselMsvcMfdDestruct(MFD *self);
VESSEL *TarselMsvcVesselConstruct(VESSEL *self, OBJHANDLE hVessel, int fmodel);
}

#endif
