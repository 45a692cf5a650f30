#include "engine/argument_reduction.h"

#include "engine/float_bits.h"

#include <cstdint>

// x * 2/pi is taken modulo 4 in whole numbers (Payne and Hanek): x's 53-bit significand times
// a window of 2/pi's bits, from the bit worth 2 at x's scale, where the bits above would only add
// multiples of 4, down to 2^-223 or less at that scale, far below the least remainder any double
// leaves.

const DoubleDouble HALF_PI = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};

namespace
{

const double QUARTER_PI = 0x1.921fb54442d18p-1;
const int WINDOW_WORDS = 8;
const int PRODUCT_WORDS = WINDOW_WORDS + 2;
const int FRACTION_WORDS = 6;

// 2/pi's bits after the binary point, 32 to a word, as many as the largest double needs.
const uint32_t g_aTwoOverPi[] = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041, 0xFE5163AB, 0xDEBBC561,
    0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C, 0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484,
    0xE99C7026, 0xB45F7E41, 0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D, 0x7527BAC7, 0xEBE5F17B,
    0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08, 0x56033046, 0xFC7B6BAB,
};

// The 32 bits of the little-endian number a from bit nFirst (0 or more) up.
uint32_t BitsFrom(const uint32_t* a, int nFirst)
{
    int nWord = nFirst / 32;
    uint64_t nPair = a[nWord];
    if (nWord + 1 < PRODUCT_WORDS)
        nPair |= uint64_t(a[nWord + 1]) << 32;
    return static_cast<uint32_t>(nPair >> nFirst % 32);
}

} // namespace

int ReduceByQuarterTurns(double x, DoubleDouble* pR)
{
    double a = Magnitude(x);
    if (!(a > QUARTER_PI) || BiasedExponentOf(a) == 0x7FF)
    {
        *pR = {a > QUARTER_PI ? x - x : x, 0};
        return 0;
    }
    // a = significand * 2^nExponent; the window starts at word nStart of 2/pi.
    uint64_t nBits = BitsOf(a);
    int nExponent = static_cast<int>(nBits >> 52) - 1075;
    uint32_t aSignificand[2] = {static_cast<uint32_t>(nBits),
                                static_cast<uint32_t>((nBits >> 32 & 0xFFFFF) | 0x100000)};
    int nStart = nExponent >= 2 ? (nExponent - 2) / 32 : 0;
    uint32_t aProduct[PRODUCT_WORDS] = {};
    for (int i = 0; i < 2; ++i)
    {
        uint64_t nCarry = 0;
        for (int k = 0; k < WINDOW_WORDS; ++k)
        {
            nCarry += uint64_t(aSignificand[i]) * g_aTwoOverPi[nStart + WINDOW_WORDS - 1 - k] +
                      aProduct[i + k];
            aProduct[i + k] = static_cast<uint32_t>(nCarry);
            nCarry >>= 32;
        }
        aProduct[i + WINDOW_WORDS] = static_cast<uint32_t>(nCarry);
    }
    // The product's bit nPoint is worth 1 in x * 2/pi.
    int nPoint = 32 * (nStart + WINDOW_WORDS) - nExponent;
    int q = static_cast<int>(BitsFrom(aProduct, nPoint) & 3);
    uint32_t aFraction[FRACTION_WORDS]; // most significant first
    for (int k = 0; k < FRACTION_WORDS; ++k)
        aFraction[k] = BitsFrom(aProduct, nPoint - 32 * (k + 1));
    // From a half up the nearest quarter turn is the next one, and the remainder 1 - fraction.
    bool bBelow = aFraction[0] >> 31 != 0;
    if (bBelow)
    {
        ++q;
        uint32_t nCarry = 1;
        for (int k = FRACTION_WORDS - 1; k >= 0; --k)
        {
            aFraction[k] = ~aFraction[k] + nCarry;
            nCarry = nCarry != 0 && aFraction[k] == 0;
        }
    }
    DoubleDouble fraction = {0, 0};
    for (int k = FRACTION_WORDS - 1; k >= 0; --k)
        fraction = Add(fraction, aFraction[k] * PowerOfTwo(-32 * (k + 1)));
    DoubleDouble r = Multiply(fraction, HALF_PI);
    if (bBelow != (x < 0))
        r = Negate(r);
    if (x < 0)
        q = -q;
    *pR = r;
    return q & 3;
}
