// Everything a plug-in module needs from the simulator's SDK.
//
// With TARSEL_SDK_2016 defined, the headers look like those of the 32-bit
// 2016 release in the two ways a module notices: no OAPI_MSGTYPE (the
// message procedure returns int), and Windows' min and max macros in force
// and used by the headers themselves, so NOMINMAX breaks the build.
#ifndef ORBITERSDK_H
#define ORBITERSDK_H

#include "MFDAPI.h"
#include "OrbiterAPI.h"
#include "VesselAPI.h"

#endif
