#pragma once
// sin, cos and tan in radians, correctly rounded in practice: the remainder of an exact reduction
// by quarter turns (sin 1e300 is right) through their series in double-double. Infinite and NaN
// arguments give NaN. The odd ones take a positive x from 2^-28 on (real_functions.cpp gives
// the sign and the tiny arguments).

#include "engine/double_double.h"

ScaledDoubleDouble Sine(double a);
ScaledDoubleDouble Cosine(double x);
ScaledDoubleDouble Tangent(double a);
