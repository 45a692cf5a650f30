#include "engine/trigonometric.h"

#include "engine/argument_reduction.h"
#include "engine/power_series.h"

namespace
{

// On |r| <= pi/4 these many terms leave out less than 2^-106 of either sum; the terms from the
// plain-double ones on add less than 2^-53.
const int SERIES_TERMS = 14;
const int SERIES_PRECISE_TERMS = 9;

// sin(r + q pi/2) for a remainder r of at most pi/4: sin or cos of r, with a sign.
DoubleDouble SineTurned(DoubleDouble r, int q)
{
    bool bCosine = (q & 1) != 0;
    DoubleDouble value = SumSeries(bCosine ? SERIES_COSINE : SERIES_SINE, Negate(Multiply(r, r)),
                                   SERIES_TERMS, SERIES_PRECISE_TERMS);
    if (!bCosine)
        value = Multiply(r, value);
    return (q & 2) != 0 ? Negate(value) : value;
}

// sin(x + nQuarterTurns pi/2), or with bTangent tan x: x is reduced once for its sine and cosine.
ScaledDoubleDouble SineOrTangent(double x, int nQuarterTurns, bool bTangent)
{
    DoubleDouble r;
    int q = ReduceByQuarterTurns(x, &r) + nQuarterTurns;
    DoubleDouble value = SineTurned(r, q);
    return {bTangent ? Divide(value, SineTurned(r, q + 1)) : value, 0};
}

} // namespace

ScaledDoubleDouble Sine(double a)
{
    return SineOrTangent(a, 0, false);
}

ScaledDoubleDouble Cosine(double x)
{
    return SineOrTangent(x, 1, false);
}

ScaledDoubleDouble Tangent(double a)
{
    return SineOrTangent(a, 0, true);
}
