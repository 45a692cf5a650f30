#pragma once
// Deterministic doubles for testing the number text conversions, the same in every build: a fixed
// generator (the standard distributions differ between libraries) and the kinds of values that
// stress digit generation, rounding and reading back.

#include "engine/float_bits.h"
#include "engine/number_text.h"

#include <cstdint>
#include <cstdio>
#include <string>

typedef std::basic_string<WideChar> WideString;

// SplitMix64.
struct SampleRandom
{
    uint64_t m_nState;
};

inline uint64_t NextRandom(SampleRandom* p)
{
    uint64_t n = (p->m_nState += 0x9E3779B97F4A7C15ULL);
    n = (n ^ (n >> 30)) * 0xBF58476D1CE4E5B9ULL;
    n = (n ^ (n >> 27)) * 0x94D049BB133111EBULL;
    return n ^ (n >> 31);
}

inline WideString Widen(const std::string& str)
{
    WideString wide;
    for (char ch : str)
        wide += static_cast<WideChar>(static_cast<unsigned char>(ch));
    return wide;
}

// Any bit pattern (non-finite ones included), short decimals, integers, powers of ten and their
// neighbours, binary fractions that end in a decimal 5 (ties for fixed and general texts),
// subnormals, and 16-digit integers and a half (exact ties when written with 16 digits).
inline double SampleDouble(SampleRandom* p)
{
    static const double s_adblPow10[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    uint64_t nKind = NextRandom(p) % 8;
    uint64_t n = NextRandom(p);
    uint64_t nSign = NextRandom(p) & (1ULL << 63);
    switch (nKind)
    {
    case 0:
    case 1: return DoubleFromBits(n);
    case 2:
        return static_cast<double>(static_cast<int64_t>(n % 2000001) - 1000000) /
               s_adblPow10[NextRandom(p) % 10];
    case 3: return static_cast<double>(n >> (NextRandom(p) % 64));
    case 4: {
        std::string strPower = "1e" + std::to_string(static_cast<int>(n % 632) - 323);
        uint64_t nBits = BitsOf(ParseDecimal(Widen(strPower).c_str()));
        return DoubleFromBits((nBits + NextRandom(p) % 5 - 2) | nSign);
    }
    case 5:
        return static_cast<double>(n >> 11) / static_cast<double>(1ULL << (1 + NextRandom(p) % 20));
    case 6: return DoubleFromBits((n & ((1ULL << 52) - 1)) | nSign);
    default: return static_cast<double>(1000000000000000ULL + n % 3503599627370496ULL) + 0.5;
    }
}

// The C runtime's "%.<nPrecision><chConversion>" text with the exponent widened to the platform's
// three digits. Only glibc's is a reference: its printf is exact.
inline std::string RuntimeText(char chConversion, int nPrecision, double dblValue)
{
    const char szFormat[] = {'%', '.', '*', chConversion, 0};
    char sz[512];
    std::snprintf(sz, sizeof sz, szFormat, nPrecision, dblValue);
    std::string str = sz;
    size_t nExponent = str.find('e');
    if (nExponent != std::string::npos && str.size() - nExponent == 4)
        str.insert(nExponent + 2, "0");
    return str;
}
