#include "engine/number_text.h"

#include "engine/big_number.h"
#include "engine/float_bits.h"

// Decimal digits come straight from the binary value.

namespace
{

// Every digit of an integer part (at most 309) fits, and a fraction is followed far enough for
// the longest fixed text (16 integer digits, 16 decimals and the rounding digit).
const int MAX_FRACTION_DIGITS = 40;
const int MAX_DIGITS = 320;

// The leading decimal digits of a magnitude: m_achDigit[0] stands at 10^m_nExponent, each next
// one a power lower. Zero has no digits.
struct DecimalDigits
{
    char m_achDigit[MAX_DIGITS]; // 0 to 9, no leading zero
    int m_nCount;
    int m_nLimit; // digits wanted; the rest only counts as m_bInexact
    int m_nExponent;
    bool m_bInexact; // nonzero digits follow the ones held
};

void AppendDigit(DecimalDigits* p, int nDigit, int nPosition)
{
    if (p->m_nCount == 0)
    {
        if (nDigit == 0)
            return;
        p->m_nExponent = nPosition;
    }
    if (p->m_nCount < p->m_nLimit)
        p->m_achDigit[p->m_nCount++] = static_cast<char>(nDigit);
    else if (nDigit != 0)
        p->m_bInexact = true;
}

// Appends the nine digits of nChunk, the first of them at 10^nTopPosition.
void AppendChunk(DecimalDigits* p, uint32_t nChunk, int nTopPosition)
{
    if (p->m_nCount >= p->m_nLimit)
    {
        p->m_bInexact = p->m_bInexact || nChunk != 0;
        return;
    }
    char achDigit[9];
    for (int i = 8; i >= 0; --i, nChunk /= 10)
        achDigit[i] = static_cast<char>(nChunk % 10);
    for (int i = 0; i < 9; ++i)
        AppendDigit(p, achDigit[i], nTopPosition - i);
}

void AppendInteger(DecimalDigits* p, BigNumber* pInteger)
{
    uint32_t aChunk[BIG_WORDS]; // nine digits each, lowest first
    int nChunks = 0;
    while (pInteger->m_nWords > 0 && nChunks < BIG_WORDS)
        aChunk[nChunks++] = BigDivBillion(pInteger);
    for (int i = nChunks - 1; i >= 0; --i)
        AppendChunk(p, aChunk[i], 9 * i + 8);
}

// Appends the digits of nFraction / 2^nBits (nFraction < 2^53, nBits 1 to 1074).
void AppendFraction(DecimalDigits* p, uint64_t nFraction, int nBits)
{
    // Aligned to whole words, the fraction is aWord / 2^(32 * nWords); multiplying it by 10^9
    // carries the next nine digits out of the top word. Only words from the lowest nonzero one
    // up to the highest in use take part: low words that became zero stay zero.
    const int FRACTION_WORDS = (-MIN_EXPONENT + 31) / 32;
    uint32_t aWord[FRACTION_WORDS];
    int nWords = (nBits + 31) / 32;
    int nShift = 32 * nWords - nBits;
    uint64_t nLow = nFraction << nShift;
    uint32_t aAligned[3] = {static_cast<uint32_t>(nLow), static_cast<uint32_t>(nLow >> 32),
                            nShift != 0 ? static_cast<uint32_t>(nFraction >> (64 - nShift)) : 0};
    int nUsed = 0;
    for (; nUsed < 3 && nUsed < nWords; ++nUsed)
        aWord[nUsed] = aAligned[nUsed];

    int nFirst = 0;
    int nPosition = -1;
    for (;;)
    {
        while (nFirst < nUsed && aWord[nFirst] == 0)
            ++nFirst;
        if (nFirst == nUsed || p->m_nCount >= p->m_nLimit || p->m_nCount >= MAX_FRACTION_DIGITS)
            break;
        uint32_t nCarry = MulAddWords(aWord + nFirst, nUsed - nFirst, BILLION, 0);
        if (nUsed < nWords)
        {
            aWord[nUsed++] = nCarry;
            nCarry = 0;
        }
        AppendChunk(p, nCarry, nPosition);
        nPosition -= 9;
    }
    if (nFirst < nUsed)
        p->m_bInexact = true;
}

// Exact digits of the finite magnitude nMantissa * 2^nExponent, at most nLimit of them.
void ExtractDigits(uint64_t nMantissa, int nExponent, int nLimit, DecimalDigits* p)
{
    p->m_nCount = 0;
    p->m_nLimit = nLimit < MAX_DIGITS ? nLimit : MAX_DIGITS;
    p->m_nExponent = 0;
    p->m_bInexact = false;
    BigNumber integer;
    if (nExponent >= 0)
    {
        BigSet(&integer, nMantissa);
        BigShiftLeft(&integer, nExponent);
        AppendInteger(p, &integer);
        return;
    }
    int nBits = -nExponent;
    uint64_t nIntegerPart = nBits < 64 ? nMantissa >> nBits : 0;
    BigSet(&integer, nIntegerPart);
    AppendInteger(p, &integer);
    AppendFraction(p, nBits < 64 ? nMantissa & ((1ULL << nBits) - 1) : nMantissa, nBits);
}

int DigitAt(const DecimalDigits& digits, int nPosition)
{
    int nIndex = digits.m_nExponent - nPosition;
    return nIndex >= 0 && nIndex < digits.m_nCount ? digits.m_achDigit[nIndex] : 0;
}

// Keeps the digits at 10^nLowest and above, rounding to nearest with ties to even, and drops
// trailing zeros. Enough digits are always held to decide the rounding.
void RoundDigits(DecimalDigits* p, int nLowest)
{
    int nKeep = p->m_nExponent - nLowest + 1;
    if (nKeep < p->m_nCount)
    {
        bool bUp = false;
        if (nKeep >= 0)
        {
            int nNext = p->m_achDigit[nKeep];
            bool bBeyond = p->m_bInexact;
            for (int i = nKeep + 1; i < p->m_nCount && !bBeyond; ++i)
                bBeyond = p->m_achDigit[i] != 0;
            bool bOdd = nKeep > 0 && (p->m_achDigit[nKeep - 1] & 1) != 0;
            bUp = nNext > 5 || (nNext == 5 && (bBeyond || bOdd));
        }
        p->m_nCount = nKeep > 0 ? nKeep : 0;
        p->m_bInexact = false;
        if (bUp)
        {
            int i = p->m_nCount - 1;
            while (i >= 0 && p->m_achDigit[i] == 9)
                p->m_achDigit[i--] = 0;
            if (i >= 0)
                ++p->m_achDigit[i];
            else
            {
                p->m_achDigit[0] = 1;
                p->m_nCount = 1;
                ++p->m_nExponent;
            }
        }
    }
    while (p->m_nCount > 0 && p->m_achDigit[p->m_nCount - 1] == 0)
        --p->m_nCount;
    if (p->m_nCount == 0)
        p->m_nExponent = 0;
}

// Bounded output: characters beyond cbOut - 1 are dropped and the text is always terminated.
struct TextWriter
{
    char* m_pszOut;
    size_t m_cbOut;
    size_t m_nLength;
};

void PutChar(TextWriter* p, char ch)
{
    if (p->m_nLength + 1 < p->m_cbOut)
        p->m_pszOut[p->m_nLength++] = ch;
}

void PutText(TextWriter* p, const char* psz)
{
    for (; *psz != 0; ++psz)
        PutChar(p, *psz);
}

void PutInteger(TextWriter* p, uint64_t nValue, unsigned nBase, int nMinDigits)
{
    char achDigit[64];
    int n = 0;
    do
    {
        achDigit[n++] = "0123456789ABCDEF"[nValue % nBase];
        nValue /= nBase;
    } while (nValue != 0 || n < nMinDigits);
    while (n > 0)
        PutChar(p, achDigit[--n]);
}

void FinishText(TextWriter* p)
{
    if (p->m_cbOut > 0)
        p->m_pszOut[p->m_nLength] = 0;
}

// Digits from 10^nTop down to 10^nBottom, with the point after the units when decimals follow.
void PutDigits(TextWriter* p, const DecimalDigits& digits, int nTop, int nBottom)
{
    for (int nPosition = nTop; nPosition >= nBottom; --nPosition)
    {
        PutChar(p, static_cast<char>('0' + DigitAt(digits, nPosition)));
        if (nPosition == 0 && nBottom < 0)
            PutChar(p, '.');
    }
}

void PutExponent(TextWriter* p, int nExponent)
{
    PutChar(p, 'e');
    PutChar(p, nExponent < 0 ? '-' : '+');
    PutInteger(p, static_cast<uint64_t>(nExponent < 0 ? -nExponent : nExponent), 10, 3);
}

// Starts a number: writes its sign, and for a finite value returns true with its leading nLimit
// digits; a non-finite value is written whole.
bool BeginNumber(TextWriter* p, double dblValue, int nLimit, DecimalDigits* pDigits)
{
    uint64_t nBits = BitsOf(dblValue);
    if ((nBits & SIGN_BIT) != 0)
        PutChar(p, '-');
    int nBiased = BiasedExponentOf(dblValue);
    uint64_t nFraction = nBits & FRACTION_MASK;
    if (nBiased == 0x7FF)
    {
        PutText(p, nFraction != 0 ? "1.#QNAN" : "1.#INF");
        return false;
    }
    if (nBiased == 0)
        ExtractDigits(nFraction, MIN_EXPONENT, nLimit, pDigits);
    else
        ExtractDigits(nFraction | HIDDEN_BIT, nBiased - 1075, nLimit, pDigits);
    return true;
}

int ClampInt(int n, int nMin, int nMax)
{
    return n < nMin ? nMin : (n > nMax ? nMax : n);
}

} // namespace

void FormatGeneral(double dblValue, int nDigits, char* pszOut, size_t cbOut)
{
    TextWriter writer = {pszOut, cbOut, 0};
    DecimalDigits digits;
    nDigits = ClampInt(nDigits, 1, 17);
    if (BeginNumber(&writer, dblValue, nDigits + 1, &digits))
    {
        RoundDigits(&digits, digits.m_nExponent - nDigits + 1);
        int nExponent = digits.m_nExponent;
        if (nExponent >= -4 && nExponent < nDigits)
        {
            int nLowest = nExponent - digits.m_nCount + 1;
            PutDigits(&writer, digits, nExponent > 0 ? nExponent : 0, nLowest < 0 ? nLowest : 0);
        }
        else
        {
            digits.m_nExponent = 0;
            PutDigits(&writer, digits, 0, 1 - digits.m_nCount);
            PutExponent(&writer, nExponent);
        }
    }
    FinishText(&writer);
}

void FormatExponential(double dblValue, int nPrecision, char* pszOut, size_t cbOut)
{
    TextWriter writer = {pszOut, cbOut, 0};
    DecimalDigits digits;
    nPrecision = ClampInt(nPrecision, 0, 16);
    if (BeginNumber(&writer, dblValue, nPrecision + 2, &digits))
    {
        RoundDigits(&digits, digits.m_nExponent - nPrecision);
        int nExponent = digits.m_nExponent;
        digits.m_nExponent = 0;
        PutDigits(&writer, digits, 0, -nPrecision);
        PutExponent(&writer, nExponent);
    }
    FinishText(&writer);
}

void FormatFixed(double dblValue, int nDecimals, char* pszOut, size_t cbOut)
{
    TextWriter writer = {pszOut, cbOut, 0};
    DecimalDigits digits;
    nDecimals = ClampInt(nDecimals, 0, 16);
    if (BeginNumber(&writer, dblValue, MAX_DIGITS, &digits))
    {
        RoundDigits(&digits, -nDecimals);
        PutDigits(&writer, digits, digits.m_nExponent > 0 ? digits.m_nExponent : 0, -nDecimals);
    }
    FinishText(&writer);
}

uint32_t DoubleToUnsigned32(double dblValue)
{
    uint64_t nBits = BitsOf(dblValue);
    int nBiased = BiasedExponentOf(dblValue);
    if (nBiased == 0x7FF || nBiased == 0)
        return 0;
    uint64_t nMantissa = (nBits & FRACTION_MASK) | HIDDEN_BIT;
    int nExponent = nBiased - 1075;
    uint32_t nValue;
    if (nExponent >= 32)
        nValue = 0;
    else if (nExponent >= 0)
        nValue = static_cast<uint32_t>(nMantissa << nExponent);
    else
        nValue = nExponent > -64 ? static_cast<uint32_t>(nMantissa >> -nExponent) : 0;
    return (nBits & SIGN_BIT) != 0 ? 0u - nValue : nValue;
}

void FormatUnsigned(uint32_t uValue, int nBase, char* pszOut, size_t cbOut)
{
    TextWriter writer = {pszOut, cbOut, 0};
    unsigned nRadix = nBase == 2 || nBase == 8 || nBase == 16 ? static_cast<unsigned>(nBase) : 10;
    PutInteger(&writer, uValue, nRadix, 1);
    FinishText(&writer);
}

void FormatSigned(long nValue, char* pszOut, size_t cbOut)
{
    TextWriter writer = {pszOut, cbOut, 0};
    unsigned long nMagnitude = static_cast<unsigned long>(nValue);
    if (nValue < 0)
    {
        PutChar(&writer, '-');
        nMagnitude = 0 - nMagnitude;
    }
    PutInteger(&writer, nMagnitude, 10, 1);
    FinishText(&writer);
}
