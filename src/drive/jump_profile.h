// The jump sequence's profile. Each phase's clock starts at 0 when the phase
// begins, and the phase ends at the first step past its time:
//  1. Accelerate, kUpRampTime: the velocity ramps up, its factor k growing
//     from 0 to 1 at kUpRampRate; the camera widens from 45 to 80 degrees.
//  2. Hold, kHoldTime: the vessel coasts, the camera at 80 degrees.
//  3. Flash, kFlashTime: the vessel is set at its destination, with a flash
//     object where it left and one where it arrives; their light shrinks to
//     kFlashFinalSize over kFlashShrinkTime, then is out.
//  4. Decelerate, kDownRampTime: the velocity ramps down, its factor k
//     falling from kDownRampStartFactor to 0 at kDownRampRate; the camera
//     narrows from 80 to 45 degrees. Then the vessel gets back the velocity
//     it had at the command, and the camera the aperture saved before.
// The page's bar shows the sequence's progress: kProgressAtEngage, less
// kUpRampProgress over the up-ramp, then from kProgressAfterFlash down to 0
// over the down-ramp.
//
// A rate computed from a time is held by a static_assert to the exact value
// the sequence has always used, so that flights repeat bit for bit.
#ifndef TARSEL_JUMP_PROFILE_H
#define TARSEL_JUMP_PROFILE_H

// 1. Accelerate
constexpr double kUpRampTime = 3.6;               // s
constexpr double kUpRampRate = 1.0 / kUpRampTime; // ramp factor per s
static_assert(kUpRampRate == 0.2777777777777778);

// 2. Hold
constexpr double kHoldTime = 2.1; // s

// 3. Flash
constexpr double kFlashTime = 1.6;                          // s
constexpr double kFlashShrinkTime = 0.3;                    // s
constexpr double kFlashShrinkRate = 1.0 / kFlashShrinkTime; // per s
static_assert(kFlashShrinkRate == 3.3333333333333335);
constexpr double kFlashFinalSize = 10.0; // m

// 4. Decelerate
constexpr double kDownRampTime = 7.3; // s
constexpr double kDownRampStartFactor = 0.5;
constexpr double kDownRampRate = kDownRampStartFactor / kDownRampTime; // ramp factor per s
static_assert(kDownRampRate == 0.0684931506849315);

// The camera's aperture (rad): (k * sweep + kRampApertureBase) / 2 during a
// ramp, with that ramp's sweep; kFullAperture between the ramps.
constexpr double kFullAperture = 1.3962634015;         // 80 degrees
constexpr double kRampApertureBase = 1.570796327;      // 90 degrees
constexpr double kUpRampApertureSweep = 1.221730476;   // 70 degrees
constexpr double kDownRampApertureSweep = 2.443460952; // 140 degrees

// The sequence's progress, shown in place of the cells' charge.
constexpr double kProgressAtEngage = 0.99;
constexpr double kUpRampProgress = 0.2; // spent over the up-ramp
constexpr double kProgressAfterFlash = 0.2;
// So that the down-ramp starts where the flash left the progress.
constexpr double kDownRampProgressPerFactor = kProgressAfterFlash / kDownRampStartFactor;
static_assert(kDownRampProgressPerFactor == 0.4);

#endif
