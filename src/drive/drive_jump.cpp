// The four timed phases of a jump sequence: velocity ramp up, hold, the jump
// with its two flash objects, velocity ramp down and restore. Their times
// and rates are in jump_profile.h.
#include "drive/drive_unit.h"

#include "drive/jump_profile.h"
#include "sound/sound_bridge.h"

#include <cstring>

namespace {

VESSELSTATUS2 ReadStatus(const VESSEL *v) {
    VESSELSTATUS2 status;
    std::memset(&status, 0, sizeof status);
    status.version = 2;
    status.flag = 0;
    v->GetStatusEx(&status);
    return status;
}

// The ramps change the velocity by (simdt × v) × k per step, in that order;
// a negative k slows down (negation is exact, so the sum equals a difference).
void AddRamp(VECTOR3 &velocity, const VECTOR3 &v, double simdt, double k) {
    for (int i = 0; i < 3; ++i)
        velocity.data[i] += (simdt * v.data[i]) * k;
}

// The camera's aperture at ramp factor k of a ramp with that sweep.
double RampAperture(double k, double sweep) {
    return (k * sweep + kRampApertureBase) * 0.5;
}

// A flash object the host could not make has no handle; the jump goes on unlit.
VESSEL *InterfaceOf(OBJHANDLE flash) {
    return flash ? oapiGetVesselInterface(flash) : nullptr;
}

void LightFlash(VESSEL *flash, BEACONLIGHTSPEC *beacon) {
    if (!flash)
        return;
    flash->SetVisibilityLimit(1e-12, -1.0);
    flash->AddBeacon(beacon);
}

} // namespace

double DriveUnit::StepJumpPhase(double simt, double simdt) {
    const double t = simt - phaseStart;
    switch (state) {
    case Accelerate:
        return StepAccelerate(simt, simdt, t);
    case Hold:
        return StepHold(simt, t);
    case Flash:
        return StepFlash(simt, t);
    case Decelerate:
        return StepDecelerate(simdt, t);
    default:
        return kFullAperture;
    }
}

double DriveUnit::StepAccelerate(double simt, double simdt, double t) {
    if (t > kUpRampTime) {
        phaseStart = simt;
        state = Hold;
        return kFullAperture;
    }
    const double k = t * kUpRampRate;
    VESSELSTATUS2 status = ReadStatus(vessel);
    AddRamp(status.rvel, jumpVelocityVector, simdt, k);
    vessel->DefSetStateEx(&status);
    cellCharge = kProgressAtEngage - kUpRampProgress * k;
    return RampAperture(k, kUpRampApertureSweep);
}

double DriveUnit::StepHold(double simt, double t) {
    if (t > kHoldTime)
        Jump(simt);
    return kFullAperture;
}

void DriveUnit::Jump(double simt) {
    VESSELSTATUS2 status = ReadStatus(vessel);
    departFlashHandle = oapiCreateVesselEx("Hyperspace", "Hyperspace", &status);
    vessel->GetRelativeVel(referenceBody, status.rvel);
    status.rpos = destination;
    status.rbody = referenceBody;
    vessel->DefSetStateEx(&status);
    PlayWave(soundId, soundSlots[2], 0, 255, 0);
    phaseStart = simt;
    state = Flash;
    arriveFlashHandle = oapiCreateVesselEx("Hyperspace", "Hyperspace", &status);
    departFlash = InterfaceOf(departFlashHandle);
    arriveFlash = InterfaceOf(arriveFlashHandle);
    vessel->GetCameraOffset(beaconPos);
    beaconPos.z += flashOffset;
    LightFlash(departFlash, &beacon);
    LightFlash(arriveFlash, &beacon);
    RemoveDockedStack(vessel, nullptr);
}

double DriveUnit::StepFlash(double simt, double t) {
    if (t > kFlashTime) {
        PlayWave(soundId, soundSlots[3], 0, 255, 0);
        phaseStart = simt;
        state = Decelerate;
        DeleteFlashObjects();
        cellCharge = kProgressAfterFlash;
    } else if (t > kFlashShrinkTime) {
        beacon.size = 0.0;
    } else {
        // The light shrinks from very large to its final size.
        const double u = t * kFlashShrinkRate;
        beacon.size = u == 0.0 ? 0.0 : kFlashFinalSize / (u * u);
    }
    return kFullAperture;
}

double DriveUnit::StepDecelerate(double simdt, double t) {
    VESSELSTATUS2 status = ReadStatus(vessel);
    if (t > kDownRampTime) {
        vessel->GetRelativePos(referenceBody, status.rpos);
        status.rbody = referenceBody;
        status.rvel = engageRelVel;
        vessel->DefSetStateEx(&status);
        cellCharge = 0.0;
        state = Idle;
        return savedAperture->aperture;
    }
    const double k = (kDownRampTime - t) * kDownRampRate;
    AddRamp(status.rvel, jumpVelocityVector, simdt, -k);
    vessel->DefSetStateEx(&status);
    cellCharge = kDownRampProgressPerFactor * k;
    return RampAperture(k, kDownRampApertureSweep);
}

void DriveUnit::ForgetObject(OBJHANDLE object) {
    if (object && object == departFlashHandle) {
        departFlashHandle = nullptr;
        departFlash = nullptr;
    }
    if (object && object == arriveFlashHandle) {
        arriveFlashHandle = nullptr;
        arriveFlash = nullptr;
    }
}

void DriveUnit::TakeDownBeacons() {
    if (departFlash && oapiIsVessel(departFlashHandle))
        departFlash->DelBeacon(&beacon);
    if (arriveFlash && oapiIsVessel(arriveFlashHandle))
        arriveFlash->DelBeacon(&beacon);
}

// Someone else may have deleted a flash object already; it is not deleted
// twice. The simulator deletes at the end of the frame, or a frame later: the
// objects may outlive this drive, but not its light.
void DriveUnit::DeleteFlashObjects() {
    TakeDownBeacons();
    if (departFlashHandle && oapiIsVessel(departFlashHandle))
        oapiDeleteVessel(departFlashHandle, nullptr);
    if (arriveFlashHandle && oapiIsVessel(arriveFlashHandle))
        oapiDeleteVessel(arriveFlashHandle, nullptr);
    departFlash = arriveFlash = nullptr;
    departFlashHandle = arriveFlashHandle = nullptr;
}
