#include "mfd/course_math.h"

#include "drive/vector_ops.h"

#include <algorithm>
#include <cmath>

namespace course {

double ChordAngle(const VECTOR3 &a, const VECTOR3 &b) {
    // Parenthesised: the simulator's older SDK headers need Windows' min and max macros.
    double sine = (std::min)(1.0, (std::max)(-1.0, 0.5 * VectorLength(VectorMinus(a, b))));
    return std::asin(sine) * 360.0 / kPi;
}

double TwoJumpCosine(double r, double D, double R) {
    return (D * D + r * r - R * R) * 0.5 / r / D;
}

bool SecondJumpSpan(double r, double D, double J, double s, int capacitors, int *loCells,
                    int *hiCells) {
    if (r == 0.0 || D == 0.0)
        return false;
    const double shortest = std::fabs(r - D), longest = r + D;
    int lo = 0, hi = 0;
    double range = J;
    for (int cells = 1; cells <= capacitors; ++cells, range *= s) {
        if (range >= shortest && range <= longest) {
            if (lo == 0)
                lo = cells;
            hi = cells;
        }
    }
    if (lo == 0)
        return false;
    *loCells = lo;
    *hiCells = hi;
    return true;
}

double VelocityElevation(const VECTOR3 &v, const VECTOR3 &p) {
    return ChordAngle(VectorUnit(v), VectorUnit(p)) - 90.0;
}

void PlaneAlignment(const VECTOR3 &v, const VECTOR3 &p, const VECTOR3 &f, const VECTOR3 &u,
                    double *withUp, double *withForward) {
    VECTOR3 motionNormal = VectorUnit(VectorCross(v, p));
    *withForward = ChordAngle(motionNormal, VectorUnit(VectorCross(f, p)));
    *withUp = ChordAngle(motionNormal, VectorUnit(VectorCross(u, p)));
}

} // namespace course
