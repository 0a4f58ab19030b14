#include "mfd/course_math.h"

#include <algorithm>
#include <cmath>

namespace course {

VECTOR3 Minus(const VECTOR3 &a, const VECTOR3 &b) {
    VECTOR3 d;
    d.x = a.x - b.x;
    d.y = a.y - b.y;
    d.z = a.z - b.z;
    return d;
}

VECTOR3 Cross(const VECTOR3 &a, const VECTOR3 &b) {
    VECTOR3 c;
    c.x = a.y * b.z - a.z * b.y;
    c.y = a.z * b.x - a.x * b.z;
    c.z = a.x * b.y - a.y * b.x;
    return c;
}

double Length(const VECTOR3 &a) {
    return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
}

VECTOR3 Unit(const VECTOR3 &a) {
    double length = Length(a);
    if (length == 0.0)
        return a;
    VECTOR3 u;
    u.x = a.x / length;
    u.y = a.y / length;
    u.z = a.z / length;
    return u;
}

double ChordAngle(const VECTOR3 &a, const VECTOR3 &b) {
    double sine = std::min(1.0, std::max(-1.0, 0.5 * Length(Minus(a, b))));
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
    return ChordAngle(Unit(v), Unit(p)) - 90.0;
}

void PlaneAlignment(const VECTOR3 &v, const VECTOR3 &p, const VECTOR3 &f, const VECTOR3 &u,
                    double *withUp, double *withForward) {
    VECTOR3 motionNormal = Unit(Cross(v, p));
    *withForward = ChordAngle(motionNormal, Unit(Cross(f, p)));
    *withUp = ChordAngle(motionNormal, Unit(Cross(u, p)));
}

} // namespace course
