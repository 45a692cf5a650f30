#pragma once
// Small fixed-size big numbers and the bits of a double: what converting doubles exactly, both
// ways, is built on. Doubles are converted with these instead of the C runtime, whose rounding and
// size differ between builds.

#include <cstdint>

const uint64_t HIDDEN_BIT = 1ULL << 52;
const uint64_t FRACTION_MASK = HIDDEN_BIT - 1;
const uint64_t INFINITY_BITS = 0x7FFULL << 52;
const uint64_t SIGN_BIT = 1ULL << 63;
const int MIN_EXPONENT = -1074; // of the lowest bit of a subnormal
const int MAX_EXPONENT = 971;   // of the lowest bit of DBL_MAX
const uint32_t BILLION = 1000000000;

// Reading needs the most room: up to MAX_READ_DIGITS decimal digits, or 5^1105 times a 54-bit
// midpoint, plus one word of carry.
const int BIG_WORDS = 96;

struct BigNumber
{
    uint32_t m_aWord[BIG_WORDS]; // lowest word first
    int m_nWords;                // words in use; the highest is nonzero
};

// p[0..nWords) = p * nFactor + nCarry; returns what carries out above the words.
inline uint32_t MulAddWords(uint32_t* p, int nWords, uint32_t nFactor, uint32_t nCarry)
{
    for (int i = 0; i < nWords; ++i)
    {
        uint64_t n = static_cast<uint64_t>(p[i]) * nFactor + nCarry;
        p[i] = static_cast<uint32_t>(n);
        nCarry = static_cast<uint32_t>(n >> 32);
    }
    return nCarry;
}

inline void BigSet(BigNumber* p, uint64_t nValue)
{
    p->m_aWord[0] = static_cast<uint32_t>(nValue);
    p->m_aWord[1] = static_cast<uint32_t>(nValue >> 32);
    p->m_nWords = p->m_aWord[1] != 0 ? 2 : (p->m_aWord[0] != 0 ? 1 : 0);
}

// The callers' sizes keep every result within BIG_WORDS; the bound only stops a runaway write.
inline void BigMulAdd(BigNumber* p, uint32_t nFactor, uint32_t nAdd)
{
    uint32_t nCarry = MulAddWords(p->m_aWord, p->m_nWords, nFactor, nAdd);
    if (nCarry != 0 && p->m_nWords < BIG_WORDS)
        p->m_aWord[p->m_nWords++] = nCarry;
}

inline void BigMulPow5(BigNumber* p, int nPower)
{
    static const uint32_t s_aPow5[] = {1,       5,        25,        125,       625,
                                       3125,    15625,    78125,     390625,    1953125,
                                       9765625, 48828125, 244140625, 1220703125};
    for (; nPower >= 13; nPower -= 13)
        BigMulAdd(p, s_aPow5[13], 0);
    BigMulAdd(p, s_aPow5[nPower], 0);
}

inline void BigShiftLeft(BigNumber* p, int nBits)
{
    if (p->m_nWords == 0)
        return;
    int nWordShift = nBits / 32;
    int nBitShift = nBits % 32;
    int nNewWords = p->m_nWords + nWordShift + 1;
    if (nNewWords > BIG_WORDS)
        nNewWords = BIG_WORDS;
    for (int i = nNewWords - 1; i >= 0; --i)
    {
        int nSource = i - nWordShift;
        uint64_t nHigh = nSource >= 0 && nSource < p->m_nWords ? p->m_aWord[nSource] : 0;
        uint64_t nLow = nSource >= 1 && nSource <= p->m_nWords ? p->m_aWord[nSource - 1] : 0;
        p->m_aWord[i] = static_cast<uint32_t>(((nHigh << 32 | nLow) << nBitShift) >> 32);
    }
    p->m_nWords = nNewWords;
    while (p->m_nWords > 0 && p->m_aWord[p->m_nWords - 1] == 0)
        --p->m_nWords;
}

// Divides in place by 10^9 (a constant, so no hardware division) and returns the remainder.
inline uint32_t BigDivBillion(BigNumber* p)
{
    uint64_t nRemainder = 0;
    for (int i = p->m_nWords - 1; i >= 0; --i)
    {
        uint64_t n = nRemainder << 32 | p->m_aWord[i];
        p->m_aWord[i] = static_cast<uint32_t>(n / BILLION);
        nRemainder = n % BILLION;
    }
    while (p->m_nWords > 0 && p->m_aWord[p->m_nWords - 1] == 0)
        --p->m_nWords;
    return static_cast<uint32_t>(nRemainder);
}

inline int BigCompare(const BigNumber& a, const BigNumber& b)
{
    if (a.m_nWords != b.m_nWords)
        return a.m_nWords < b.m_nWords ? -1 : 1;
    for (int i = a.m_nWords - 1; i >= 0; --i)
    {
        if (a.m_aWord[i] != b.m_aWord[i])
            return a.m_aWord[i] < b.m_aWord[i] ? -1 : 1;
    }
    return 0;
}
