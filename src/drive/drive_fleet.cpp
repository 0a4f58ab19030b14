// The fleet jump: the leader engages, then every ready drive near it takes the
// leader's orientation and engages its own jump.
#include "drive/drive_unit.h"

#include "drive/vector_ops.h"
#include "module/base/module_state.h"
#include "module/base/registries.h"
#include "sound/answer_sound.h"

void DriveUnit::FollowFleetJump(VESSEL *leader, double fleetRange) {
    if (!CanEngage())
        return;
    VECTOR3 offset;
    oapiGetRelativePos(vesselHandle, leader->GetHandle(), &offset);
    if (!(VectorLength(offset) < fleetRange))
        return;
    VECTOR3 orientation;
    leader->GetGlobalOrientation(orientation);
    vessel->SetGlobalOrientation(orientation);
    Engage();
}

void FleetJump(VESSEL *leader, DriveUnit *drive, int32_t soundId) {
    const bool engaged = drive->Engage();
    PlayAnswer(soundId, engaged);
    if (!engaged)
        return;
    ForEachValue<DriveUnit>(driveRegistry, [leader](DriveUnit *follower) {
        follower->FollowFleetJump(leader, DriveSettings.FleetRange);
    });
}
