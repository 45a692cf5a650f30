#include "engine/inverse_trigonometric.h"

#include "engine/argument_reduction.h"
#include "engine/float_bits.h"
#include "engine/power_series.h"

namespace
{

// atan t for t within [0, 1] is atan c + atan((t - c) / (1 + t c)) for the nearest c = i/8,
// whose arctangent is stored; the remainder stays within 1/16, where the series needs these many
// terms.
const DoubleDouble ARCTANGENT_OF_EIGHTHS[] = {
    {0, 0},
    {0x1.fd5ba9aac2f6ep-4, -0x1.cd37686760c17p-59},
    {0x1.f5b75f92c80ddp-3, 0x1.8ab6e3cf7afbdp-57},
    {0x1.6f61941e4def1p-2, -0x1.c63aae6f6e918p-56},
    {0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56},
    {0x1.1e00babdefeb4p-1, -0x1.928df287a668fp-58},
    {0x1.4978fa3269ee1p-1, 0x1.2419a87f2a458p-56},
    {0x1.700a7c5784634p-1, -0x1.8c34d25aadef6p-56},
    {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55},
};
const int ARCTANGENT_TERMS = 13;
const int ARCTANGENT_PRECISE_TERMS = 7;
// From here atan x = pi/2 - 1/x to far below an ulp; infinities included.
const double ARCTANGENT_HUGE = 0x1p60;

// atan(a / b), or with bRoot atan(sqrt(a / b)), for a and b at least 0 and not both 0: the
// smaller over the larger, and from above 1 as pi/2 - atan of the inverse.
DoubleDouble ArcTangentOfRatio(DoubleDouble a, DoubleDouble b, bool bRoot)
{
    bool bInverted = a.m_dblHi > b.m_dblHi;
    DoubleDouble t = bInverted ? Divide(b, a) : Divide(a, b);
    if (bRoot)
        t = SquareRoot(t);
    int i = static_cast<int>(t.m_dblHi * 8 + 0.5);
    double c = i * 0.125;
    DoubleDouble d = Divide(Add(t, -c), Add(Multiply(t, c), 1.0));
    DoubleDouble sum = SumSeries(SERIES_ARCTANH, Negate(Multiply(d, d)), ARCTANGENT_TERMS,
                                 ARCTANGENT_PRECISE_TERMS);
    DoubleDouble angle = Add(ARCTANGENT_OF_EIGHTHS[i], Multiply(d, sum));
    return bInverted ? Add(HALF_PI, Negate(angle)) : angle;
}

} // namespace

ScaledDoubleDouble ArcSine(double a)
{
    if (!(a <= 1))
        return Plain(NOT_A_NUMBER);
    // asin a = atan(a / sqrt(1 - a^2)): 1 - a^2 is exact in double-double, so nothing cancels.
    DoubleDouble root = SquareRoot(Add(Negate(TwoProduct(a, a)), 1.0));
    return Plain(ArcTangentOfRatio({a, 0}, root, false));
}

ScaledDoubleDouble ArcCosine(double x)
{
    if (!(Magnitude(x) <= 1))
        return Plain(NOT_A_NUMBER);
    // acos x = 2 atan(sqrt((1 - x) / (1 + x))): nothing cancels at either end.
    return Plain(Scale(ArcTangentOfRatio(TwoSum(1, -x), TwoSum(1, x), true), 1));
}

ScaledDoubleDouble ArcTangent(double a)
{
    if (a > ARCTANGENT_HUGE)
        return Plain(Add(HALF_PI, -1 / a));
    return Plain(ArcTangentOfRatio({a, 0}, {1, 0}, false));
}
