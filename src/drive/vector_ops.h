// The few vector operations the drive needs on the host's VECTOR3.
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

#endif
