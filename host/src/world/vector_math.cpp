// Vector and rotation helpers of the host's world.
#include "world/world.h"

#include <cmath>

namespace host {

VECTOR3 Vec(double x, double y, double z) {
    VECTOR3 v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

VECTOR3 Add(const VECTOR3 &a, const VECTOR3 &b) {
    return Vec(a.x + b.x, a.y + b.y, a.z + b.z);
}

VECTOR3 Sub(const VECTOR3 &a, const VECTOR3 &b) {
    return Vec(a.x - b.x, a.y - b.y, a.z - b.z);
}

VECTOR3 Scale(const VECTOR3 &a, double s) {
    return Vec(a.x * s, a.y * s, a.z * s);
}

double Dot(const VECTOR3 &a, const VECTOR3 &b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

double Length(const VECTOR3 &a) {
    return std::sqrt(Dot(a, a));
}

VECTOR3 Cross(const VECTOR3 &a, const VECTOR3 &b) {
    return Vec(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

VECTOR3 MulMatrix(const MATRIX3 &m, const VECTOR3 &v) {
    return Vec(m.m11 * v.x + m.m12 * v.y + m.m13 * v.z, m.m21 * v.x + m.m22 * v.y + m.m23 * v.z,
               m.m31 * v.x + m.m32 * v.y + m.m33 * v.z);
}

MATRIX3 IdentityMatrix() {
    MATRIX3 m{};
    m.m11 = m.m22 = m.m33 = 1.0;
    return m;
}

namespace {

// The part of up square to the unit vector f, normalised; zero when none is left.
VECTOR3 SquareTo(const VECTOR3 &up, const VECTOR3 &f) {
    VECTOR3 u = Sub(up, Scale(f, Dot(up, f)));
    double len = Length(u);
    return len > 1e-9 ? Scale(u, 1.0 / len) : Vec(0, 0, 0);
}

} // namespace

MATRIX3 RotationFromAxes(const VECTOR3 &forward, const VECTOR3 &up) {
    double flen = Length(forward);
    if (!(flen > 0.0) || !std::isfinite(flen))
        return IdentityMatrix();
    VECTOR3 f = Scale(forward, 1.0 / flen);
    VECTOR3 u = SquareTo(up, f);
    // No usable up: take the global axis least aligned with forward.
    for (const VECTOR3 &axis : {Vec(0, 1, 0), Vec(1, 0, 0), Vec(0, 0, 1)}) {
        if (Length(u) > 0.0)
            break;
        u = SquareTo(axis, f);
    }
    VECTOR3 r = Cross(u, f); // makes the columns (r, u, f) a proper rotation
    MATRIX3 m;
    m.m11 = r.x, m.m12 = u.x, m.m13 = f.x;
    m.m21 = r.y, m.m22 = u.y, m.m23 = f.y;
    m.m31 = r.z, m.m32 = u.z, m.m33 = f.z;
    return m;
}

VECTOR3 EulerFromRotation(const MATRIX3 &r) {
    double s = r.m13 > 1.0 ? 1.0 : (r.m13 < -1.0 ? -1.0 : r.m13); // rounding can pass 1
    return Vec(std::atan2(r.m23, r.m33), -std::asin(s), std::atan2(r.m12, r.m11));
}

MATRIX3 RotationFromEuler(const VECTOR3 &arot) {
    double sx = std::sin(arot.x), cx = std::cos(arot.x);
    double sy = std::sin(arot.y), cy = std::cos(arot.y);
    double sz = std::sin(arot.z), cz = std::cos(arot.z);
    MATRIX3 m;
    m.m11 = cy * cz, m.m12 = cy * sz, m.m13 = -sy;
    m.m21 = sx * sy * cz - cx * sz, m.m22 = sx * sy * sz + cx * cz, m.m23 = sx * cy;
    m.m31 = cx * sy * cz + sx * sz, m.m32 = cx * sy * sz - sx * cz, m.m33 = cx * cy;
    return m;
}

} // namespace host
