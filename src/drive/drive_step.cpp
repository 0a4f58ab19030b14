// The per-step update: charging of the current cell, the camera restore while
// idle, and the hand-over to the jump sequence.
#include "drive/drive_unit.h"

#include "sound/sound_bridge.h"

#include <algorithm>

void DriveUnit::Step(double simt, double simdt) {
    if (!VesselAlive()) {
        AbandonVessel();
        return;
    }
    const OBJHANDLE cameraTarget = oapiCameraTarget();
    if (state == Charging)
        ChargeStep(simdt);
    if (state == Idle || state == Charging) {
        RestoreSavedAperture(cameraTarget);
        return;
    }
    const double aperture = StepJumpPhase(simt, simdt);
    if (cameraTarget == vesselHandle) {
        oapiCameraSetAperture(aperture);
        savedAperture->restored = false;
    }
}

void DriveUnit::ChargeStep(double simdt) {
    PROPELLANT_HANDLE tank = vessel->GetPropellantHandleByIndex(fuelIndex);
    const double mass = tank ? vessel->GetPropellantMass(tank) : 0.0;
    if (!(mass > 0.0)) {
        // Paused, not ended: a refilled or newly chosen tank resumes the cell.
        StopWave(soundId, soundSlots[0]);
        return;
    }
    double inc = simdt / cellReloadTime;
    if (inc > 1.0 - cellCharge) {
        inc = 1.0 - cellCharge;
        state = Idle;
    }
    if (inc > mass / cellCapacity)
        inc = mass / cellCapacity;
    cellCharge += inc;
    // Rounding of inc × cellCapacity may exceed a tank that is just being emptied.
    vessel->SetPropellantMass(tank, std::max(0.0, mass - inc * cellCapacity));
    if (state == Charging)
        PlayWave(soundId, soundSlots[0], 1, 255, 0);
    else
        StopWave(soundId, soundSlots[0]);
}

void DriveUnit::RestoreSavedAperture(OBJHANDLE cameraTarget) {
    if (cameraTarget == vesselHandle && !savedAperture->restored) {
        oapiCameraSetAperture(savedAperture->aperture);
        savedAperture->restored = true;
    }
}

// The vessel was deleted: nothing more is done with it, but the flash objects
// of a running sequence belong to the drive and go at once.
void DriveUnit::AbandonVessel() {
    if (state == Idle)
        return;
    if (state == Charging)
        StopWave(soundId, soundSlots[0]);
    if (state == Flash)
        DeleteFlashObjects();
    if (IsJumping())
        cellCharge = 0.0;
    state = Idle;
}
