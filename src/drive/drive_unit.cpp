// Construction, the small operations and the charge and readiness rules.
#include "drive/drive_unit.h"

#include "drive/vector_ops.h"

DriveUnit::DriveUnit(DriveParams params)
    : vessel(params.vessel), vesselHandle(params.vessel->GetHandle()),
      jumpVelocityVector(MakeVector(0.0, 1.0, 0.0)), engageRelVel(MakeVector(0.0, 0.0, 0.0)),
      destination(MakeVector(0.0, 0.0, 0.0)), beaconColour(MakeVector(1.0, 1.0, 1.0)), fuelIndex(0),
      soundId(params.soundId), cellCount(params.cellCount), cellIndex(0), state(Idle),
      phaseStart(0.0), jumpVelocity(params.jumpVelocity), rangeTable(params.rangeTable),
      flashOffset(params.flashOffset), cellReloadTime(params.cellReloadTime),
      cellCapacity(params.cellCapacity), cellCharge(0.0), savedAperture(params.savedAperture) {
    beacon.shape = BEACONSHAPE_STAR;
    beacon.pos = &beaconPos;
    beacon.col = &beaconColour;
    beacon.size = 1.0;
    beacon.falloff = 1.0;
    beacon.period = 0.0;
    beacon.duration = 0.0;
    beacon.tofs = 0.0;
    beacon.active = true;
    referenceBody = oapiGetGbodyByIndex(0);
    for (int i = 0; i < 4; ++i)
        soundSlots[i] = params.soundSlots[i];
}

// At the end of the run a flash may still stand, lit by this drive's record.
DriveUnit::~DriveUnit() {
    TakeDownBeacons();
    delete[] rangeTable;
}

bool DriveUnit::VesselAlive() const {
    return oapiIsVessel(vesselHandle);
}

bool DriveUnit::StartCharge() {
    // The progress value of a running sequence is no charge.
    if (IsJumping() || !VesselAlive())
        return false;
    PROPELLANT_HANDLE tank = vessel->GetPropellantHandleByIndex(fuelIndex);
    if (!tank)
        return false;
    if (TankEmpty(vessel->GetPropellantMass(tank)))
        return false;
    if (cellCharge > 0.0) {
        if (cellCharge < 1.0)
            return false;
        if (cellIndex + 1 >= cellCount)
            return false;
        cellIndex += 1;
    }
    cellCharge = 0.0;
    state = Charging;
    return true;
}

bool DriveUnit::CanEngage() const {
    if (cellCharge < 1.0 || !VesselAlive())
        return false;
    // Neither docked (bit 1) nor landed (bit 0): the simulator places a landed
    // vessel by its surface position, so a jump would not move it.
    return (vessel->GetFlightStatus() & 0x3) == 0;
}
