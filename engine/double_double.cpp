#include "engine/double_double.h"

#include "engine/float_bits.h"

namespace
{

const int LOWEST_SUBNORMAL_EXPONENT = -1074;
const int LOWEST_NORMAL_EXPONENT = -1022;

// The nearest multiple of 2^-1074 to v * 2^n, whose magnitude is below 2^-1022: the value is
// scaled to whole units of 2^-1074 and rounded to a whole number, ties to even, by its high part
// and, where that lies exactly halfway, by the sign of its low part.
double RoundSubnormal(DoubleDouble v, int n)
{
    bool bNegative = v.m_dblHi < 0;
    if (bNegative)
        v = Negate(v);
    int nUnits = n - LOWEST_SUBNORMAL_EXPONENT;
    DoubleDouble units = Scale(Scale(v, nUnits / 2), nUnits - nUnits / 2);
    double dblWhole = NearestWhole(units.m_dblHi);
    double dblRest = units.m_dblHi - dblWhole;
    if (dblRest == 0.5 && units.m_dblLo > 0)
        dblWhole += 1;
    else if (dblRest == -0.5 && units.m_dblLo < 0)
        dblWhole -= 1;
    double dblResult = dblWhole * PowerOfTwo(LOWEST_NORMAL_EXPONENT) / TWO_TO_52;
    return bNegative ? -dblResult : dblResult;
}

} // namespace

DoubleDouble Scale(DoubleDouble a, int n)
{
    double dblFactor = PowerOfTwo(n);
    return {a.m_dblHi * dblFactor, a.m_dblLo * dblFactor};
}

DoubleDouble Divide(DoubleDouble a, double b)
{
    double q1 = a.m_dblHi / b;
    DoubleDouble p = TwoProduct(q1, b);
    double q2 = (((a.m_dblHi - p.m_dblHi) - p.m_dblLo) + a.m_dblLo) / b;
    return QuickTwoSum(q1, q2);
}

DoubleDouble Divide(DoubleDouble a, DoubleDouble b)
{
    // One division: each correction multiplies by the same reciprocal, which is good to 2^-53.
    double dblInverse = 1 / b.m_dblHi;
    double q1 = a.m_dblHi * dblInverse;
    DoubleDouble r = Add(a, Multiply(b, -q1));
    double q2 = r.m_dblHi * dblInverse;
    r = Add(r, Multiply(b, -q2));
    double q3 = r.m_dblHi * dblInverse;
    return Add(QuickTwoSum(q1, q2), q3);
}

DoubleDouble SquareRoot(DoubleDouble a)
{
    if (a.m_dblHi == 0)
        return {0, 0};
    double s = SquareRootOf(a.m_dblHi);
    DoubleDouble p = TwoProduct(s, s);
    double r = ((a.m_dblHi - p.m_dblHi) - p.m_dblLo + a.m_dblLo) / (2 * s);
    return QuickTwoSum(s, r);
}

double RoundToDouble(ScaledDoubleDouble v)
{
    // Rounded at full precision first: where the result is normal, scaling it then is exact.
    double dblRounded = v.m_ddValue.m_dblHi + v.m_ddValue.m_dblLo;
    if (dblRounded == 0)
        return v.m_ddValue.m_dblHi; // with its sign: -0 + 0 would lose it
    // Infinities and NaN, of exponent 1024, pass through the scaling unchanged.
    if (ExponentOf(dblRounded) + v.m_nExponent >= LOWEST_NORMAL_EXPONENT)
        return ScaleByPowerOfTwo(dblRounded, v.m_nExponent);
    return RoundSubnormal(v.m_ddValue, v.m_nExponent);
}

double TruncateToWhole(ScaledDoubleDouble v)
{
    // Scaled exactly while below 2^53 and not tiny, where the truncation is 0 anyway.
    double dblHigh = ScaleByPowerOfTwo(v.m_ddValue.m_dblHi, v.m_nExponent);
    double dblLow = ScaleByPowerOfTwo(v.m_ddValue.m_dblLo, v.m_nExponent);
    bool bNegative = dblHigh < 0;
    if (bNegative)
    {
        dblHigh = -dblHigh;
        dblLow = -dblLow;
    }
    // The low part is within half an ulp of the high part, and whole numbers are whole ulps
    // apart: only a whole high part with a value below it truncates lower.
    double dblWhole = Floor(dblHigh);
    if (dblWhole == dblHigh && dblLow < 0)
        dblWhole -= 1;
    return bNegative ? -dblWhole : dblWhole;
}
