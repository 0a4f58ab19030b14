// Everything a plug-in module needs from the simulator's SDK.
#ifndef ORBITERSDK_H
#define ORBITERSDK_H

#include "MFDAPI.h"
#include "OrbiterAPI.h"
#include "VesselAPI.h"

#endif
