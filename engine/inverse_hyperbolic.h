#pragma once
// asinh, acosh and atanh, correctly rounded in practice over their whole domains, the same in
// every build: the C runtime of the handheld has none of them, and their textbook logarithm forms
// cancel (asinh of -1e9 is the logarithm of 0) or lose digits near 0 and 1. Each is ln(1 + w)
// with w computed so that nothing cancels.
// Outside the domain the result is NaN, at atanh's pole an infinity. The odd ones take a positive
// x from 2^-28 on (real_functions.cpp gives the sign and the tiny arguments).

#include "engine/double_double.h"

ScaledDoubleDouble InverseSinh(double a);
ScaledDoubleDouble InverseCosh(double x); // x >= 1
ScaledDoubleDouble InverseTanh(double a); // a < 1
