#pragma once
// x^y, correctly rounded in practice, exactly where the result is a double or lies halfway
// between two (then rounded to even): 2^10 is 1024, 10^-5 the double nearest 1e-5, 10^23 the
// even neighbour of the tie. A negative x takes whole exponents only (others give NaN);
// 0 to a negative power is infinite, x^0 is 1 for every x.

#include "engine/double_double.h"

ScaledDoubleDouble Power(double x, double y);
