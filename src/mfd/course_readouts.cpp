// The "Mode value" line: target data and course readouts, read afresh from
// the host at every drawing.
#include "drive/vector_ops.h"
#include "mfd/course_math.h"
#include "mfd/drive_mfd.h"
#include "module/base/module_state.h"

#include <cmath>
#include <cstdio>

namespace {

VECTOR3 GlobalAxis(VESSEL *vessel, const VECTOR3 &local) {
    VECTOR3 global;
    vessel->GlobalRot(local, global);
    return global;
}

} // namespace

void DriveMFD::FormatModeValue(OBJHANDLE target, double range, char *text, size_t size) {
    const uint32_t mode = static_cast<uint32_t>(state->displayMode);
    // Without the target or the own vessel there is nothing to measure.
    if (mode > 9 || !target || !drive->VesselAlive()) {
        std::snprintf(text, size, "n/a");
        return;
    }
    if (mode == 0) {
        std::snprintf(text, size, "%7.6em", oapiGetSize(target));
        return;
    }
    if (mode == 1) {
        std::snprintf(text, size, "%7.6ekg", oapiGetMass(target));
        return;
    }
    const OBJHANDLE own = vessel->GetHandle();
    VECTOR3 p;
    oapiGetRelativePos(target, own, &p);
    const VECTOR3 forward = GlobalAxis(vessel, MakeVector(0, 0, 1));

    if (mode <= 6) {
        const double d = VectorLength(p);
        if (state->setToCurrent) {
            state->setToCurrent = false;
            state->distance = d;
        }
        if (mode == 2) {
            std::snprintf(text, size, "%7.6em", d);
            return;
        }
        const double chord = VectorLength(VectorMinus(VectorUnit(p), forward));
        const double deviation = course::ChordAngle(VectorUnit(p), forward);
        if (mode == 3) {
            std::snprintf(text, size, "%7.6em", chord * range);
            return;
        }
        if (mode == 4) {
            std::snprintf(text, size, "%9.6f\xB0", deviation);
            return;
        }
        const double D = state->distance;
        const int32_t k = state->secondJumpCells;
        if (range == 0.0 || D == 0.0 || k < 1 || k > drive->GetCellCount()) {
            std::snprintf(text, size, "n/a");
            return;
        }
        const double cosA = course::TwoJumpCosine(range, D, drive->GetRange(k - 1));
        if (cosA >= -1.0 && cosA <= 1.0) {
            const double alpha = std::acos(cosA) * 180.0 / course::kPi;
            std::snprintf(text, size, "%9.6f\xB0", mode == 5 ? alpha : alpha - deviation);
            return;
        }
        int lo = 0, hi = 0;
        if (course::SecondJumpSpan(range, D, DriveSettings.JumpRange,
                                   DriveSettings.JumpRangeScaling, DriveSettings.Capacitors, &lo,
                                   &hi))
            std::snprintf(text, size, "2nd jump:%d-%d cells", lo, hi);
        else
            std::snprintf(text, size, "n/a");
        return;
    }

    VECTOR3 v;
    oapiGetRelativeVel(target, own, &v);
    if (mode == 7) {
        std::snprintf(text, size, "%7.6em/s", VectorLength(v));
    } else if (mode == 8) {
        std::snprintf(text, size, "%9.6f\xB0", course::VelocityElevation(v, p));
    } else {
        double withUp = 0.0, withForward = 0.0;
        course::PlaneAlignment(v, p, forward, GlobalAxis(vessel, MakeVector(0, 1, 0)), &withUp,
                               &withForward);
        std::snprintf(text, size, "%4.1f\xB0 (%4.1f\xB0)", withUp, withForward);
    }
}
