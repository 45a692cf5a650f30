#include "engine/trigonometric.h"

#include "engine/argument_reduction.h"
#include "engine/power_series.h"

namespace
{

// On |r| <= pi/4 these many terms leave out less than 2^-106 of either sum; the terms from the
// plain-double ones on add less than 2^-53.
const int SERIES_TERMS = 14;
const int SERIES_PRECISE_TERMS = 9;

// sin(x + nQuarterTurns pi/2): sin or cos of the remainder, with a sign.
DoubleDouble SineTurned(double x, int nQuarterTurns)
{
    DoubleDouble r;
    int q = (ReduceByQuarterTurns(x, &r) + nQuarterTurns) & 3;
    bool bCosine = (q & 1) != 0;
    DoubleDouble value = SumSeries(bCosine ? SERIES_COSINE : SERIES_SINE, Negate(Multiply(r, r)),
                                   SERIES_TERMS, SERIES_PRECISE_TERMS);
    if (!bCosine)
        value = Multiply(r, value);
    return (q & 2) != 0 ? Negate(value) : value;
}

} // namespace

ScaledDoubleDouble Sine(double a)
{
    return {SineTurned(a, 0), 0};
}

ScaledDoubleDouble Cosine(double x)
{
    return {SineTurned(x, 1), 0};
}

ScaledDoubleDouble Tangent(double a)
{
    return {Divide(SineTurned(a, 0), SineTurned(a, 1)), 0};
}
