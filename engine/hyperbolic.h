#pragma once
// sinh, cosh and tanh, correctly rounded in practice, from e^|x| split as 2^k (1 + u): near 0
// through u itself, so that nothing cancels; tanh as sinh / cosh. sinh and cosh overflow to
// infinity beyond 710.47. The odd ones take a positive x from 2^-28 on (real_functions.cpp gives
// the sign and the tiny arguments).

#include "engine/double_double.h"

ScaledDoubleDouble HyperbolicSine(double a);
ScaledDoubleDouble HyperbolicCosine(double x);
ScaledDoubleDouble HyperbolicTangent(double a);
