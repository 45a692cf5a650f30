#include "engine/inverse_hyperbolic.h"

#include "engine/double_double.h"
#include "engine/runtime_math.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace
{

// Below this the first term of the series is the result to well within half an ulp; above its
// inverse the 1 under the square root no longer counts.
const double TINY = 0x1p-28;
const double HUGE_ARGUMENT = 0x1p28;
const double SQRT_2 = 1.4142135623730951;
const DoubleDouble LN_2 = {0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};
const int EXPONENT_BIAS = 1023;
const int FRACTION_BITS = 52;

double WithExponent(double dblValue, int nExponent)
{
    uint64_t nBits;
    std::memcpy(&nBits, &dblValue, sizeof nBits);
    nBits = (nBits & ((uint64_t(1) << FRACTION_BITS) - 1)) | uint64_t(nExponent + EXPONENT_BIAS)
                                                                 << FRACTION_BITS;
    std::memcpy(&dblValue, &nBits, sizeof nBits);
    return dblValue;
}

int ExponentOf(double dblValue)
{
    uint64_t nBits;
    std::memcpy(&nBits, &dblValue, sizeof nBits);
    return static_cast<int>(nBits >> FRACTION_BITS & 0x7FF) - EXPONENT_BIAS;
}

// The natural logarithm of x * 2^nScale for a finite x >= 1, rounded once at the end: with
// x = 2^k * m, m within [sqrt(1/2), sqrt(2)), log m = 2 atanh(s), s = (m - 1) / (m + 1), whose
// series converges fast as |s| < 0.172. Only the series' tail is computed in plain doubles.
double LogOfScaled(DoubleDouble x, int nScale)
{
    int k = ExponentOf(x.m_dblHi);
    // A low part is there only for small x, where 2^-k is a normal number.
    DoubleDouble m = {WithExponent(x.m_dblHi, 0),
                      x.m_dblLo != 0 ? x.m_dblLo * WithExponent(1.0, -k) : 0.0};
    if (m.m_dblHi >= SQRT_2)
    {
        m = {m.m_dblHi * 0.5, m.m_dblLo * 0.5};
        ++k;
    }
    DoubleDouble s = Divide(Add(m, -1.0), Add(m, 1.0));
    double s2 = s.m_dblHi * s.m_dblHi;
    double dblSeries = 1.0 / 23;
    for (int n = 21; n >= 3; n -= 2)
        dblSeries = dblSeries * s2 + 1.0 / n;
    DoubleDouble logM = Add({2 * s.m_dblHi, 2 * s.m_dblLo}, 2 * s.m_dblHi * s2 * dblSeries);
    double dblPower = k + nScale;
    DoubleDouble kLn2 = Add(TwoProduct(dblPower, LN_2.m_dblHi), dblPower * LN_2.m_dblLo);
    DoubleDouble result = Add(kLn2, logM);
    return result.m_dblHi + result.m_dblLo;
}

double Negate(bool bNegative, double dblValue)
{
    return bNegative ? -dblValue : dblValue;
}

} // namespace

double InverseSinh(double x)
{
    double a = x < 0 ? -x : x;
    if (a < TINY || !(a <= std::numeric_limits<double>::max()))
        return x; // also 0, -0, infinities and NaN
    // asinh a = log(a + sqrt(a^2 + 1)); far out, log(2a) with the exponent scaled, not a.
    if (a > HUGE_ARGUMENT)
        return Negate(x < 0, LogOfScaled({a, 0}, 1));
    DoubleDouble root = SquareRoot(Add(TwoProduct(a, a), 1.0), RuntimeSqrt);
    return Negate(x < 0, LogOfScaled(Add(root, a), 0));
}

double InverseCosh(double x)
{
    if (!(x >= 1))
        return std::numeric_limits<double>::quiet_NaN();
    if (x > HUGE_ARGUMENT)
        return x <= std::numeric_limits<double>::max() ? LogOfScaled({x, 0}, 1) : x;
    // x^2 - 1 is exact in double-double, so near 1 nothing cancels.
    DoubleDouble root = SquareRoot(Add(TwoProduct(x, x), -1.0), RuntimeSqrt);
    return LogOfScaled(Add(root, x), 0);
}

double InverseTanh(double x)
{
    double a = x < 0 ? -x : x;
    if (a < TINY)
        return x;
    if (a == 1)
        return Negate(x < 0, std::numeric_limits<double>::infinity());
    if (!(a < 1))
        return std::numeric_limits<double>::quiet_NaN();
    // atanh a = log((1 + a) / (1 - a)) / 2; 1 - a is exact near 1, the quotient near 1 for small a.
    DoubleDouble quotient = Divide(TwoSum(1.0, a), TwoSum(1.0, -a));
    return Negate(x < 0, 0.5 * LogOfScaled(quotient, 0));
}
