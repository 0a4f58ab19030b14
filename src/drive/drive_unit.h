// One vessel's drive: capacitor cells, range table, fuel source and the jump
// sequence with its effects.
#ifndef TARSEL_DRIVE_UNIT_H
#define TARSEL_DRIVE_UNIT_H

#include "Orbitersdk.h"
#include "drive/saved_aperture.h"

#include <cstdint>

enum DriveState : uint8_t { Idle = 0, Charging, Accelerate, Hold, Flash, Decelerate };

// Charging sums one increment per step into the cell and takes one off the
// tank; neither sum lands exactly on a full cell or an empty tank (each step
// may round by about a part in 1e16 of the sum). A cell within this fraction
// of full is full, and a tank holding no more than this fraction of a cell's
// propellant is empty. That exceeds the worst rounding of nine million steps
// per cell (600 with the defaults at 60 frames a second), yet with the
// default 6000 kg cell it is 6 mg, under a millionth of what one such step draws.
constexpr double kChargeRounding = 1e-9;

struct DriveParams {
    VESSEL *vessel;
    SavedAperture *savedAperture;
    int32_t cellCount;
    int32_t soundId;
    const int32_t *soundSlots; // four: charge loop, engage, jump, end of flash
    double jumpVelocity;
    double *rangeTable; // cellCount entries; ownership passes to the drive
    double flashOffset;
    double cellReloadTime;
    double cellCapacity;
};

class DriveUnit {
public:
    explicit DriveUnit(DriveParams params);
    ~DriveUnit();
    DriveUnit(const DriveUnit &) = delete;
    DriveUnit &operator=(const DriveUnit &) = delete;

    void SetFuelIndex(uint32_t index) { fuelIndex = index; }
    uint32_t GetFuelIndex() const { return fuelIndex; }
    int32_t GetCellCount() const { return cellCount; }
    int32_t GetCellIndex() const { return cellIndex; }
    double GetCellCharge() const { return cellCharge; }
    double GetRange(int32_t i) const { return rangeTable[i]; }
    int32_t GetSoundId() const { return soundId; }
    bool IsJumping() const { return state > Charging; }
    DriveState GetState() const { return state; }
    // False once the host no longer lists the drive's vessel; such a drive
    // is skipped by every operation and must not be read through `vessel`.
    bool VesselAlive() const;

    bool StartCharge();
    bool CanEngage() const;
    bool Engage();
    void FollowFleetJump(VESSEL *leader, double fleetRange);
    // Deletes what is docked to v (except `from`), outer vessels first; uses no field.
    static void RemoveDockedStack(VESSEL *v, OBJHANDLE from);
    void Step(double simt, double simdt);
    // The vessel is gone (or going): whatever its sequence started ends now.
    void AbandonVessel();
    // The host deleted an object; a flash object of this drive is not used again.
    void ForgetObject(OBJHANDLE object);

    // Fields in the drive's documented order; public for the tests and the page.
    VESSEL *vessel;
    VESSEL *departFlash = nullptr;
    VESSEL *arriveFlash = nullptr;
    OBJHANDLE vesselHandle;
    OBJHANDLE departFlashHandle = nullptr;
    OBJHANDLE arriveFlashHandle = nullptr;
    OBJHANDLE referenceBody;
    VECTOR3 jumpVelocityVector;
    VECTOR3 engageRelVel;
    VECTOR3 destination;
    VECTOR3 beaconPos{};
    VECTOR3 beaconColour;
    int32_t soundSlots[4];
    uint32_t fuelIndex;
    int32_t soundId;
    int32_t cellCount;
    int32_t cellIndex;
    DriveState state;
    double phaseStart;
    double jumpVelocity;
    double *rangeTable;
    double flashOffset;
    double cellReloadTime;
    double cellCapacity;
    double cellCharge;
    SavedAperture *savedAperture;
    BEACONLIGHTSPEC beacon;
    // This drive's jump effect has widened the camera and not yet put the
    // saved aperture back.
    bool apertureWidened = false;

private:
    // Empty within rounding (kChargeRounding), or not a number.
    bool TankEmpty(double mass) const { return !(mass > kChargeRounding * cellCapacity); }
    void ChargeStep(double simdt);
    void RestoreSavedAperture(OBJHANDLE cameraTarget);
    // Each phase returns the camera aperture for this step (rad).
    double StepJumpPhase(double simt, double simdt);
    double StepAccelerate(double simt, double simdt, double t);
    double StepHold(double simt, double t);
    double StepFlash(double simt, double t);
    double StepDecelerate(double simdt, double t);
    void Jump(double simt);
    // The simulator reads a beacon's record every frame until it is removed:
    // the light comes off the flash objects before the drive lets go of them
    // or of its record.
    void TakeDownBeacons();
    void DeleteFlashObjects();
};

// The fleet command: the leader engages, then every ready drive within
// FleetRange follows.
void FleetJump(VESSEL *leader, DriveUnit *drive, int32_t soundId);

#endif
