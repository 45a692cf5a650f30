#pragma once
// e^x, ln and log10, correctly rounded in practice, and the double-double steps that the power,
// the hyperbolic and the inverse hyperbolic functions are made of.

#include "engine/double_double.h"

// e^x = 2^k (1 + u) for |x| below about 1100: returns k and puts u in *pU, good to about 2^-104
// relative to u itself, so that e^x - 1 keeps its digits near 0.
int SplitExponential(DoubleDouble x, DoubleDouble* pU);

// ln(x * 2^nScale) for a positive and finite x; a low part, if any, no more than an ulp.
DoubleDouble LogOfScaled(DoubleDouble x, int nScale);

// ln(1 + w) for w above -1, with w's own relative precision near 0.
DoubleDouble LogOnePlus(DoubleDouble w);

// Overflow gives infinity, underflow 0 or a subnormal; ln and log10 of 0 give -infinity, of a
// negative number NaN. log10 of a power of ten is exactly its exponent. e^x takes a double-double
// x, for the power's y ln x.
ScaledDoubleDouble ExponentialOf(DoubleDouble x);
ScaledDoubleDouble NaturalLogarithm(double x);
ScaledDoubleDouble CommonLogarithm(double x);
