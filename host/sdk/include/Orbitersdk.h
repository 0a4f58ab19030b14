// Everything a plug-in module needs from the simulator's SDK.
#ifndef ORBITERSDK_H
#define ORBITERSDK_H

#include "OrbiterAPI.h"
#include "VesselAPI.h"
#include "MFDAPI.h"

#endif
