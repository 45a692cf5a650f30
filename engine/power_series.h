#pragma once
// The power series behind the engine's functions, summed in nested form from the smallest term
// up: 1 + c1 z (1 + c2 z (1 + c3 z (...))). Each ratio c_j of neighbouring terms is a quotient of
// small whole numbers, exact in a double, so no coefficient is stored or rounded.

#include "engine/double_double.h"

enum SeriesKind
{
    SERIES_EXPM1,   // (e^r - 1) / r with z = r: c_j = 1 / (j + 1)
    SERIES_SINE,    // sin(r) / r with z = -r^2: c_j = 1 / (2j (2j + 1))
    SERIES_COSINE,  // cos r with z = -r^2: c_j = 1 / ((2j - 1) 2j)
    SERIES_ARCTANH, // atanh(s) / s with z = s^2, atan(s) / s with z = -s^2: c_j = (2j - 1) / (2j +
                    // 1)
};

// The sum to nTerms ratios. The innermost nTerms - nPrecise are taken in plain doubles: the
// caller chooses nPrecise so that what they add stays below 2^-53 of the sum.
DoubleDouble SumSeries(SeriesKind kind, DoubleDouble z, int nTerms, int nPrecise);
