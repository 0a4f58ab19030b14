// The per-step update: charging of the current cell, the camera restore while
// idle, and the hand-over to the jump sequence.
#include "drive/drive_unit.h"

#include "sound/sound_bridge.h"

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
        // The last step of the sequence has just put the saved aperture back.
        apertureWidened = IsJumping();
    }
}

void DriveUnit::ChargeStep(double simdt) {
    PROPELLANT_HANDLE tank = vessel->GetPropellantHandleByIndex(fuelIndex);
    const double mass = tank ? vessel->GetPropellantMass(tank) : 0.0;
    if (TankEmpty(mass)) {
        // Paused, not ended: a refilled or newly chosen tank resumes the cell.
        StopWave(soundId, soundSlots[0]);
        return;
    }
    double inc = simdt / cellReloadTime;
    // What the tank can pay comes first: a cell it cannot finish stays
    // Charging and goes on filling once there is propellant again.
    if (inc > mass / cellCapacity)
        inc = mass / cellCapacity;
    if (inc > 1.0 - cellCharge)
        inc = 1.0 - cellCharge;
    cellCharge += inc;
    double left = mass - inc * cellCapacity;
    // The crumbs of rounding are no propellant, and never a negative mass.
    if (TankEmpty(left))
        left = 0.0;
    if (cellCharge >= 1.0 - kChargeRounding) {
        cellCharge = 1.0;
        state = Idle;
    }
    vessel->SetPropellantMass(tank, left);
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

// The vessel is gone: nothing more is done with it, but what its sequence
// started ends now, as the end of the sequence would have ended it: the
// flash objects go and a camera widened by this drive gets its aperture back.
void DriveUnit::AbandonVessel() {
    if (apertureWidened && !savedAperture->restored) {
        oapiCameraSetAperture(savedAperture->aperture);
        savedAperture->restored = true;
    }
    apertureWidened = false;
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
