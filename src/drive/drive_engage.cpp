// The start of a jump: the axis, the destination relative to the reference
// body and the velocity to restore are fixed at the moment of the command.
#include "drive/drive_unit.h"

#include "drive/vector_ops.h"
#include "sound/sound_bridge.h"

#include <cmath>

bool DriveUnit::Engage() {
    if (!CanEngage() || !std::isfinite(rangeTable[cellIndex]))
        return false;
    vessel->GlobalRot(MakeVector(0.0, 0.0, jumpVelocity), jumpVelocityVector);
    vessel->GlobalRot(MakeVector(0.0, 0.0, rangeTable[cellIndex]), destination);
    phaseStart = oapiGetSimTime();
    if (oapiCameraTarget() == vesselHandle) {
        // While another drive's effect is in force the camera is widened; the
        // aperture saved before that effect is the one to come back to.
        if (savedAperture->restored)
            savedAperture->aperture = oapiCameraAperture();
        savedAperture->restored = false;
    }
    vessel->GetRelativeVel(referenceBody, engageRelVel);
    VECTOR3 position;
    vessel->GetRelativePos(referenceBody, position);
    for (int i = 0; i < 3; ++i)
        destination.data[i] += position.data[i];
    state = Accelerate;
    PlayWave(soundId, soundSlots[1], 0, 255, 0);
    // Every cell is spent by this jump; the value is the sequence's progress.
    cellCharge = 0.99;
    cellIndex = 0;
    return true;
}
