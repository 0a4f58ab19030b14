// The start of a jump: the axis, the destination relative to the reference
// body and the velocity to restore are fixed at the moment of the command.
#include "drive/drive_unit.h"

#include "drive/jump_profile.h"
#include "drive/vector_ops.h"
#include "module/base/settings.h"
#include "sound/sound_bridge.h"

#include <cmath>

namespace {

// The vessel drifts up to `reach` metres from where it starts and from where
// it is set down; every coordinate on the way must stay a finite number.
bool SequenceStaysFinite(const VECTOR3 &position, const VECTOR3 &jump, double reach) {
    for (int i = 0; i < 3; ++i) {
        if (!std::isfinite(std::fabs(position.data[i]) + reach) ||
            !std::isfinite(std::fabs(position.data[i] + jump.data[i]) + reach))
            return false;
    }
    return true;
}

} // namespace

bool DriveUnit::Engage() {
    if (!CanEngage())
        return false;
    VECTOR3 jump, position;
    vessel->GlobalRot(MakeVector(0.0, 0.0, rangeTable[cellIndex]), jump);
    vessel->GetRelativePos(referenceBody, position);
    if (!SequenceStaysFinite(position, jump, jumpVelocity * kJumpReachPerVelocity))
        return false;
    vessel->GlobalRot(MakeVector(0.0, 0.0, jumpVelocity), jumpVelocityVector);
    phaseStart = oapiGetSimTime();
    if (oapiCameraTarget() == vesselHandle) {
        // While another drive's effect is in force the camera is widened; the
        // aperture saved before that effect is the one to come back to.
        if (savedAperture->restored)
            savedAperture->aperture = oapiCameraAperture();
        savedAperture->restored = false;
    }
    vessel->GetRelativeVel(referenceBody, engageRelVel);
    for (int i = 0; i < 3; ++i)
        destination.data[i] = jump.data[i] + position.data[i];
    state = Accelerate;
    PlayWave(soundId, soundSlots[1], 0, 255, 0);
    // Every cell is spent by this jump; the value is the sequence's progress.
    cellCharge = kProgressAtEngage;
    cellIndex = 0;
    return true;
}
