// The geometry behind the course readouts, free of the host so that it can
// be checked on its own. Angles come out in degrees.
#ifndef TARSEL_COURSE_MATH_H
#define TARSEL_COURSE_MATH_H

#include "Orbitersdk.h"

namespace course {

// The display's pi, short of the full double value on purpose: the readouts
// are defined with it.
constexpr double kPi = 3.14159265358979;

// Angle between two unit (or zero) vectors from their chord,
// asin(|a - b| / 2) * 360 / pi, 0 to 180. Rounding can make the chord a hair
// longer than 2; the sine is clamped so the answer is never NaN.
double ChordAngle(const VECTOR3 &a, const VECTOR3 &b);

// Cosine of the first jump's angle off the line to the target, when a jump
// of range r and one of range R are to end at distance D along that line
// (law of cosines). r and D must not be 0.
double TwoJumpCosine(double r, double D, double R);

// The cell counts 1..capacitors whose range J * s^(cells-1) (each row the
// previous one times s) lies between |r - D| and r + D. False when there is
// none, or when r or D is 0.
bool SecondJumpSpan(double r, double D, double J, double s, int capacitors, int *loCells,
                    int *hiCells);

// Angle of the relative velocity v to the line of sight p, minus 90: 0 when
// v is square to p, +90 head-on, -90 straight away.
double VelocityElevation(const VECTOR3 &v, const VECTOR3 &p);

// Angles between the plane of relative motion (normal v x p) and the planes
// through p and the up axis u, and through p and the forward axis f.
void PlaneAlignment(const VECTOR3 &v, const VECTOR3 &p, const VECTOR3 &f, const VECTOR3 &u,
                    double *withUp, double *withForward);

} // namespace course

#endif
