#pragma once
// Doubles taken apart and put together through their bits: exponents, scaling by powers of two,
// floor and the square root, with no C runtime function, so that every build runs the same
// instructions.

#include <cstdint>
#include <cstring>
#include <limits>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

const double POSITIVE_INFINITY = std::numeric_limits<double>::infinity();
const double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();
const double TWO_TO_52 = 0x1p52;
const double TWO_TO_54 = 0x1p54;

inline uint64_t BitsOf(double x)
{
    uint64_t nBits;
    std::memcpy(&nBits, &x, sizeof nBits);
    return nBits;
}

inline double DoubleFromBits(uint64_t nBits)
{
    double x;
    std::memcpy(&x, &nBits, sizeof x);
    return x;
}

// The biased exponent field: 0 for zeros and subnormals, 0x7FF for infinities and NaN.
inline int BiasedExponentOf(double x)
{
    return static_cast<int>(BitsOf(x) >> 52 & 0x7FF);
}

// e with 2^e <= |x| < 2^(e+1), for a normal x.
inline int ExponentOf(double x)
{
    return BiasedExponentOf(x) - 1023;
}

// 2^n for n from -1022 to 1023.
inline double PowerOfTwo(int n)
{
    return DoubleFromBits(static_cast<uint64_t>(n + 1023) << 52);
}

// |x|: one instruction that clears the sign bit, NaN and -0 included.
inline double Magnitude(double x)
{
    return __builtin_fabs(x);
}

// The IEEE square root, one instruction; sqrtsd itself where there is SSE2, so that no errno
// handling, which the runtime's sqrt would bring, can come in with it.
inline double SquareRootOf(double x)
{
#ifdef __SSE2__
    __m128d v = _mm_set_sd(x);
    return _mm_cvtsd_f64(_mm_sqrt_sd(v, v));
#else
    return __builtin_sqrt(x);
#endif
}

// The whole number nearest x, ties to even, for |x| up to 2^52: added to 2^52 of its sign, x has
// no bits left below the point.
inline double NearestWhole(double x)
{
    return x < 0 ? (x - TWO_TO_52) + TWO_TO_52 : (x + TWO_TO_52) - TWO_TO_52;
}

// x * 2^n, rounded once: exact unless the result overflows or is subnormal.
double ScaleByPowerOfTwo(double x, int n);

// frexp: x = fraction * 2^exponent with the fraction's magnitude in [0.5, 1); zeros, infinities
// and NaN come back as they are, with exponent 0.
double SplitExponent(double x, int* pExponent);

// The largest whole number not above x; infinities and NaN as they are.
double Floor(double x);

// Whether a finite x is a whole number.
inline bool IsWhole(double x)
{
    return Floor(x) == x;
}
