#include "engine/hyperbolic.h"

#include "engine/exp_log.h"
#include "engine/float_bits.h"

namespace
{

// Above the first sinh and cosh are infinite, above the second tanh rounds to 1 (1 - tanh 22 is
// below 2^-62).
const double HYPERBOLIC_OVERFLOW = 711;
const double TANH_SATURATION = 22;
const double TANH_DEFICIT = 0x1p-60;
// e^-|x| against e^|x| matters no more from here: 2^-2k is below 2^-120.
const int NEGLIGIBLE_HALF = 60;

// (e^a + nSign e^-a) / 2 on the scale of e^a = 2^k (1 + u).
ScaledDoubleDouble HalfSumWithInverse(DoubleDouble u, int k, int nSign)
{
    DoubleDouble e = Add(u, 1.0);
    // Near 0, e^a - e^-a = u + u / (1 + u): nothing cancels.
    if (k == 0 && nSign < 0)
        return {Add(u, Divide(u, e)), -1};
    DoubleDouble inverse =
        k < NEGLIGIBLE_HALF ? Scale(Divide({1, 0}, e), -2 * k) : DoubleDouble{0, 0};
    return {Add(e, nSign < 0 ? Negate(inverse) : inverse), k - 1};
}

// sinh x for nSign -1, cosh x for nSign 1.
ScaledDoubleDouble HyperbolicSineOrCosine(double x, int nSign)
{
    double a = Magnitude(x);
    if (!(a <= HYPERBOLIC_OVERFLOW))
        return Plain(a == a ? POSITIVE_INFINITY : a);
    DoubleDouble u;
    int k = SplitExponential({a, 0}, &u);
    return HalfSumWithInverse(u, k, nSign);
}

} // namespace

ScaledDoubleDouble HyperbolicSine(double a)
{
    return HyperbolicSineOrCosine(a, -1);
}

ScaledDoubleDouble HyperbolicCosine(double x)
{
    return HyperbolicSineOrCosine(x, 1);
}

ScaledDoubleDouble HyperbolicTangent(double a)
{
    // 1 - 2e^-2a, which rounds to 1 and truncates to 0, stands below 1 by less than an ulp.
    if (a > TANH_SATURATION)
        return {{1, -TANH_DEFICIT}, 0};
    // sinh a / cosh a, both on the scale of e^a.
    DoubleDouble u;
    int k = SplitExponential({a, 0}, &u);
    DoubleDouble sine = HalfSumWithInverse(u, k, -1).m_ddValue;
    return {Divide(sine, HalfSumWithInverse(u, k, 1).m_ddValue), 0};
}
