// The vessel interface of the simulator's plug-in API.
#ifndef VESSELAPI_H
#define VESSELAPI_H

#include "OrbiterAPI.h"

class Vessel;

class OAPIFUNC VESSEL {
public:
    VESSEL(OBJHANDLE hVessel, int fmodel = 1);

    const OBJHANDLE GetHandle() const;
    char *GetName() const;
    char *GetClassName() const;

    void GetRelativePos(OBJHANDLE hRef, VECTOR3 &pos) const;
    void GetRelativeVel(OBJHANDLE hRef, VECTOR3 &vel) const;
    void GlobalRot(const VECTOR3 &rloc, VECTOR3 &rglob) const;
    void GetGlobalOrientation(VECTOR3 &arot) const;
    void SetGlobalOrientation(const VECTOR3 &arot) const;

    DWORD GetFlightStatus() const;
    void GetStatusEx(void *status) const;
    void DefSetStateEx(const void *status) const;

    DWORD GetPropellantCount() const;
    PROPELLANT_HANDLE GetPropellantHandleByIndex(DWORD idx) const;
    double GetPropellantMass(PROPELLANT_HANDLE ph) const;
    void SetPropellantMass(PROPELLANT_HANDLE ph, double mass) const;

    DOCKHANDLE GetDockHandle(UINT n) const;
    OBJHANDLE GetDockStatus(DOCKHANDLE hDock) const;

    void AddBeacon(BEACONLIGHTSPEC *bs);
    bool DelBeacon(BEACONLIGHTSPEC *bs);
    void ClearBeacons();
    void SetVisibilityLimit(double vislimit, double spotlimit = -1) const;
    void GetCameraOffset(VECTOR3 &co) const;

private:
    Vessel *vessel;
    short flightmodel;
    short version;
};

#ifdef TARSEL_SDK_2016
// The 2016 header's inline code calls Windows' max and min macros; so does
// this, and so a build that removes them (NOMINMAX) fails here as there.
inline double TarselSdk2016Clamp(double value, double lowest, double highest) {
    return max(lowest, min(value, highest));
}
#endif

#endif
