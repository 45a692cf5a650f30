#include "engine/power.h"

#include "engine/exp_log.h"
#include "engine/float_bits.h"

#include <cstdint>

namespace
{

// From here y ln|x| lies far beyond e^x's range and its rounded product alone gives the result:
// the double-double product would overflow for the largest y.
const double FAR_BEYOND_EXPONENTIAL = 2048;
// Exact results: at most this whole exponent, and a scale that stays within the double range.
const double MAX_EXACT_EXPONENT = 4096;
const int MAX_EXACT_SCALE = 2000;

// A finite x above 0 as odd * 2^*pExponent with a whole odd number, which is returned.
double OddPart(double x, int* pExponent)
{
    int nExponent;
    double dblWhole = ScaleByPowerOfTwo(SplitExponent(x, &nExponent), 53);
    uint64_t nBits = BitsOf(dblWhole);
    // Counted in halves: 32-bit code has no instruction for 64 bits and would call a helper.
    uint32_t nLow = static_cast<uint32_t>(nBits);
    int nZeros = nLow != 0 ? __builtin_ctz(nLow)
                           : 32 + __builtin_ctz(static_cast<uint32_t>(nBits >> 32) | 0x100000);
    *pExponent = nExponent - 53 + nZeros;
    return ScaleByPowerOfTwo(dblWhole, -nZeros);
}

// a^y exactly, for a finite a above 0, when it is a whole number below 2^54 times a power of
// two, as every result is that is a double or a halfway point: y = N / 2^j takes an exact root of
// order 2^j of a, whose odd part must be a perfect square j times over and whose exponent even,
// then the N-th power of that, whose odd part must stay below 2^54. A negative y leaves only
// powers of two exact.
bool ExactPower(double a, double y, ScaledDoubleDouble* pResult)
{
    int nExponent, nYExponent;
    double dblOdd = OddPart(a, &nExponent);
    double dblWhole = OddPart(Magnitude(y), &nYExponent);
    for (; nYExponent < 0; ++nYExponent)
    {
        double dblRoot = SquareRootOf(dblOdd);
        if ((nExponent & 1) != 0 || !IsWhole(dblRoot) || dblRoot * dblRoot != dblOdd)
            return false;
        dblOdd = dblRoot;
        nExponent /= 2;
    }
    dblWhole = ScaleByPowerOfTwo(dblWhole, nYExponent);
    if (dblWhole > MAX_EXACT_EXPONENT || (y < 0 && dblOdd != 1))
        return false;
    int nWhole = static_cast<int>(dblWhole);
    // Each product is exact as a double-double; one of 2^54 or more is no double nor halfway.
    DoubleDouble power = {1, 0};
    for (int i = 0; i < nWhole && dblOdd != 1; ++i)
    {
        power = TwoProduct(power.m_dblHi, dblOdd);
        if (power.m_dblHi >= TWO_TO_54)
            return false;
    }
    int nScale = nExponent * nWhole;
    if (nScale > MAX_EXACT_SCALE || nScale < -MAX_EXACT_SCALE)
        return false;
    *pResult = {power, y < 0 ? -nScale : nScale};
    return true;
}

// |x|^y for a finite nonzero x.
ScaledDoubleDouble PowerOfMagnitude(double a, double y)
{
    ScaledDoubleDouble result;
    if (ExactPower(a, y, &result))
        return result;
    DoubleDouble logA = LogOfScaled({a, 0}, 0);
    double dblProduct = y * logA.m_dblHi;
    return ExponentialOf(Magnitude(dblProduct) < FAR_BEYOND_EXPONENTIAL
                             ? Multiply(logA, y)
                             : DoubleDouble{dblProduct, 0});
}

} // namespace

ScaledDoubleDouble Power(double x, double y)
{
    if (y == 0 || x == 1)
        return Plain(1);
    if (x != x || y != y)
        return Plain(NOT_A_NUMBER);
    bool bWhole = IsWhole(y);
    if (x < 0 && !bWhole)
        return Plain(NOT_A_NUMBER);
    bool bNegative = BitsOf(x) >> 63 != 0 && bWhole && !IsWhole(y * 0.5);
    double a = Magnitude(x);
    ScaledDoubleDouble result;
    if (a == 0 || a == POSITIVE_INFINITY)
        result = Plain((a == 0) == (y > 0) ? 0 : POSITIVE_INFINITY);
    else if (a == 1)
        result = Plain(1);
    else
        result = PowerOfMagnitude(a, y);
    if (bNegative)
        result.m_ddValue = Negate(result.m_ddValue);
    return result;
}
