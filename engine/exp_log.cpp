#include "engine/exp_log.h"

#include "engine/float_bits.h"
#include "engine/power_series.h"

namespace
{

// ln 2 in three parts; the first has 42 bits, so that any whole multiple below 2^11 is exact.
const double LN2_HIGH = 0x1.62e42fefa3800p-1;
const double LN2_MIDDLE = 0x1.ef35793c76730p-45;
const double LN2_LOW = 0x1.f97b57a079a19p-103;
const double INVERSE_LN2 = 0x1.71547652b82fep+0;
const DoubleDouble INVERSE_LN10 = {0x1.bcb7b1526e50ep-2, 0x1.95355baaafad3p-57};

// e^r for |r| <= ln(2)/2 is taken as (e^(r/8))^8: the series of e^q - 1 for |q| <= 0.0434
// needs these many terms, then three squarings, each (1 + u)^2 - 1 = u (2 + u).
const int EXPM1_SCALE = -3;
const int EXPM1_SQUARINGS = 3;
const int EXPM1_TERMS = 15;
const int EXPM1_PRECISE_TERMS = 8;

// ln m for m within [sqrt(1/2), sqrt(2)] is ln c + 2 atanh((m - c) / (m + c)) for the nearest of
// five centres c = 2^(j/4), each a double whose logarithm is stored, which keeps |s| below
// 0.045: the atanh series then needs these many terms.
const double LOG_CENTRE_BOUNDS[] = {0.77, 0.92, 1.09, 1.3};
const double LOG_CENTRES[] = {0x1.6a09e667f3bcdp-1, 0x1.ae89f995ad3adp-1, 1, 0x1.306fe0a31b715p+0,
                              0x1.6a09e667f3bcdp+0};
const DoubleDouble LOG_OF_CENTRES[] = {
    {-0x1.62e42fefa39eep-2, 0x1.716fdfdbc882ep-60},
    {-0x1.62e42fefa39f1p-3, 0x1.1be94b9b38e2ep-60},
    {0, 0},
    {0x1.62e42fefa39eep-3, 0x1.43cf36d08a40cp-64},
    {0x1.62e42fefa39f0p-2, 0x1.c2e0e1b1548c2p-56},
};
const double SQRT_2 = 0x1.6a09e667f3bcdp+0;
const int ARCTANH_TERMS = 12;
const int ARCTANH_PRECISE_TERMS = 6;
// Below this ln(1 + w) takes s = w / (2 + w) directly, |s| below 0.042.
const double LOG_ONE_PLUS_DIRECT = 0.08;

// e^x rounds to infinity above, to 0 below.
const double EXP_OVERFLOW = 710;
const double EXP_UNDERFLOW = -746;

const double EXACT_LOG_DISTANCE = 0x1p-80;

DoubleDouble MultiplyByLn2(double k)
{
    return Add(Add(TwoProduct(k, LN2_HIGH), TwoProduct(k, LN2_MIDDLE)), k * LN2_LOW);
}

// 2 atanh(s) = ln((1 + s) / (1 - s)).
DoubleDouble TwiceArcTanh(DoubleDouble s)
{
    DoubleDouble sum =
        SumSeries(SERIES_ARCTANH, Multiply(s, s), ARCTANH_TERMS, ARCTANH_PRECISE_TERMS);
    return Scale(Multiply(s, sum), 1);
}

} // namespace

int SplitExponential(DoubleDouble x, DoubleDouble* pU)
{
    double k = NearestWhole(x.m_dblHi * INVERSE_LN2);
    // x - k ln 2: the first part of k ln 2 is exact and lies within a factor 2 of x's high part,
    // so their difference is exact too.
    DoubleDouble r = TwoSum(x.m_dblHi - k * LN2_HIGH, x.m_dblLo);
    r = Add(Add(r, TwoProduct(-k, LN2_MIDDLE)), -k * LN2_LOW);
    DoubleDouble q = Scale(r, EXPM1_SCALE);
    DoubleDouble u = Multiply(q, SumSeries(SERIES_EXPM1, q, EXPM1_TERMS, EXPM1_PRECISE_TERMS));
    for (int i = 0; i < EXPM1_SQUARINGS; ++i)
        u = Multiply(u, Add(u, 2.0));
    *pU = u;
    return static_cast<int>(k);
}

DoubleDouble LogOfScaled(DoubleDouble x, int nScale)
{
    int k;
    double dblFraction = SplitExponent(x.m_dblHi, &k);
    DoubleDouble m = {2 * dblFraction, ScaleByPowerOfTwo(x.m_dblLo, 1 - k)};
    --k;
    if (m.m_dblHi >= SQRT_2)
    {
        m = Scale(m, -1);
        ++k;
    }
    int j = 0;
    while (j < 4 && m.m_dblHi > LOG_CENTRE_BOUNDS[j])
        ++j;
    double c = LOG_CENTRES[j];
    // m - c is exact in its high part: m lies within a factor 2 of c.
    DoubleDouble s = Divide(Add(m, -c), Add(m, c));
    return Add(Add(MultiplyByLn2(k + nScale), LOG_OF_CENTRES[j]), TwiceArcTanh(s));
}

DoubleDouble LogOnePlus(DoubleDouble w)
{
    if (Magnitude(w.m_dblHi) < LOG_ONE_PLUS_DIRECT)
        return TwiceArcTanh(Divide(w, Add(w, 2.0)));
    return LogOfScaled(Add(w, 1.0), 0);
}

ScaledDoubleDouble ExponentialOf(DoubleDouble x)
{
    double dblHi = x.m_dblHi;
    if (!(dblHi < EXP_OVERFLOW))
        return Plain(dblHi != dblHi ? dblHi : POSITIVE_INFINITY);
    if (dblHi < EXP_UNDERFLOW)
        return Plain(0);
    DoubleDouble u;
    int k = SplitExponential(x, &u);
    return {Add(u, 1.0), k};
}

ScaledDoubleDouble NaturalLogarithm(double x)
{
    if (!(x > 0 && x < POSITIVE_INFINITY))
        return Plain(x == 0 ? -POSITIVE_INFINITY : x > 0 ? x : NOT_A_NUMBER);
    return {LogOfScaled({x, 0}, 0), 0};
}

ScaledDoubleDouble CommonLogarithm(double x)
{
    ScaledDoubleDouble v = NaturalLogarithm(x);
    if (BiasedExponentOf(v.m_ddValue.m_dblHi) == 0x7FF)
        return v;
    v.m_ddValue = Multiply(v.m_ddValue, INVERSE_LN10);
    // Within 2^-80 of a whole number n it is n, exactly: no double but 10^n comes that close (the
    // closest, near 1e303, is 2^-63 away).
    double n = NearestWhole(v.m_ddValue.m_dblHi);
    if (Magnitude((v.m_ddValue.m_dblHi - n) + v.m_ddValue.m_dblLo) < EXACT_LOG_DISTANCE)
        v.m_ddValue = {n, 0};
    return v;
}
