#pragma once
// Reduction of an angle by whole quarter turns, exact for every double: the trigonometric
// functions then work on a remainder of at most pi/4.

#include "engine/double_double.h"

extern const DoubleDouble HALF_PI;

// x = q pi/2 + r with |r| at most pi/4 (a rounding more at the ends); returns q modulo 4 and r,
// good to about 106 bits even for the doubles closest to a multiple of pi/2 (within 2^-61 of
// one, relative to x). A NaN or infinite x gives a NaN r.
int ReduceByQuarterTurns(double x, DoubleDouble* pR);
