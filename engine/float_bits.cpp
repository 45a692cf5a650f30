#include "engine/float_bits.h"

namespace
{

const int MAX_SCALE = 2 * 1022; // any further and a normal value is 0 or infinite

} // namespace

double ScaleByPowerOfTwo(double x, int n)
{
    if (n > MAX_SCALE)
        n = MAX_SCALE;
    else if (n < -MAX_SCALE)
        n = -MAX_SCALE;
    // In two halves, each a normal power: between a normal x and a normal result every step
    // stays normal, so nothing rounds then.
    int nFirst = n / 2;
    return x * PowerOfTwo(nFirst) * PowerOfTwo(n - nFirst);
}

double SplitExponent(double x, int* pExponent)
{
    int nBiased = BiasedExponentOf(x);
    int nAdjust = 0;
    if (nBiased == 0 && x != 0)
    {
        x *= TWO_TO_54; // a subnormal, made normal
        nBiased = BiasedExponentOf(x);
        nAdjust = -54;
    }
    if (nBiased == 0 || nBiased == 0x7FF)
    {
        *pExponent = 0;
        return x;
    }
    *pExponent = nBiased - 1022 + nAdjust;
    return DoubleFromBits((BitsOf(x) & ~(uint64_t(0x7FF) << 52)) | uint64_t(1022) << 52);
}

double Floor(double x)
{
    if (!(Magnitude(x) < TWO_TO_52))
        return x; // whole already, or not finite
    // The nearest whole number; one lower if that was above x.
    double dblNearest = NearestWhole(x);
    return dblNearest > x ? dblNearest - 1 : dblNearest;
}
