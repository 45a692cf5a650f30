#pragma once
// asinh, acosh and atanh within one ulp of the true value over their whole domains, the same in
// every build: the C runtime of the handheld has none of them, and their textbook logarithm forms
// cancel (asinh of -1e9 is the logarithm of 0) or lose digits near 0 and 1.
// Outside the domain the result is NaN, at atanh's poles an infinity.

double InverseSinh(double x);
double InverseCosh(double x); // x >= 1
double InverseTanh(double x); // |x| < 1
