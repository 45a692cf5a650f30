#pragma once
// asin, acos and atan, correctly rounded in practice, all through atan of a ratio: asin x of
// x / sqrt(1 - x^2), acos x twice of sqrt((1 - x) / (1 + x)). Outside -1 to 1 asin and acos give
// NaN; atan of infinity is pi/2. The odd ones take a positive x from 2^-28 on
// (real_functions.cpp gives the sign and the tiny arguments).

#include "engine/double_double.h"

ScaledDoubleDouble ArcSine(double a);
ScaledDoubleDouble ArcCosine(double x);
ScaledDoubleDouble ArcTangent(double a);
