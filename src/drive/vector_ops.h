// The few vector operations the drive and its display need on the host's VECTOR3.
#ifndef TARSEL_VECTOR_OPS_H
#define TARSEL_VECTOR_OPS_H

#include "Orbitersdk.h"

#include <cmath>

inline VECTOR3 MakeVector(double x, double y, double z) {
    VECTOR3 v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

inline double VectorLength(const VECTOR3 &v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

inline VECTOR3 VectorMinus(const VECTOR3 &a, const VECTOR3 &b) {
    return MakeVector(a.x - b.x, a.y - b.y, a.z - b.z);
}

inline VECTOR3 VectorCross(const VECTOR3 &a, const VECTOR3 &b) {
    return MakeVector(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

// a / |a|; the zero vector stays zero.
inline VECTOR3 VectorUnit(const VECTOR3 &a) {
    const double length = VectorLength(a);
    return length == 0.0 ? a : MakeVector(a.x / length, a.y / length, a.z / length);
}

#endif
