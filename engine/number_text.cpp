#include "engine/number_text.h"

#include "engine/float_bits.h"

#include <cstring>

// Doubles are converted exactly with small fixed-size big numbers instead of the C runtime, whose
// rounding and size differ between builds. Decimal digits come straight from the binary value;
// text is read by estimating the nearest double and settling it by exact comparisons with the
// midpoints between neighbouring doubles.

namespace
{

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
uint32_t MulAddWords(uint32_t* p, int nWords, uint32_t nFactor, uint32_t nCarry)
{
    for (int i = 0; i < nWords; ++i)
    {
        uint64_t n = static_cast<uint64_t>(p[i]) * nFactor + nCarry;
        p[i] = static_cast<uint32_t>(n);
        nCarry = static_cast<uint32_t>(n >> 32);
    }
    return nCarry;
}

void BigSet(BigNumber* p, uint64_t nValue)
{
    p->m_aWord[0] = static_cast<uint32_t>(nValue);
    p->m_aWord[1] = static_cast<uint32_t>(nValue >> 32);
    p->m_nWords = p->m_aWord[1] != 0 ? 2 : (p->m_aWord[0] != 0 ? 1 : 0);
}

// The callers' sizes keep every result within BIG_WORDS; the bound only stops a runaway write.
void BigMulAdd(BigNumber* p, uint32_t nFactor, uint32_t nAdd)
{
    uint32_t nCarry = MulAddWords(p->m_aWord, p->m_nWords, nFactor, nAdd);
    if (nCarry != 0 && p->m_nWords < BIG_WORDS)
        p->m_aWord[p->m_nWords++] = nCarry;
}

void BigMulPow5(BigNumber* p, int nPower)
{
    static const uint32_t s_aPow5[] = {1,       5,        25,        125,       625,
                                       3125,    15625,    78125,     390625,    1953125,
                                       9765625, 48828125, 244140625, 1220703125};
    for (; nPower >= 13; nPower -= 13)
        BigMulAdd(p, s_aPow5[13], 0);
    BigMulAdd(p, s_aPow5[nPower], 0);
}

void BigShiftLeft(BigNumber* p, int nBits)
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
uint32_t BigDivBillion(BigNumber* p)
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

int BigCompare(const BigNumber& a, const BigNumber& b)
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

uint64_t DoubleToBits(double dblValue)
{
    uint64_t nBits;
    std::memcpy(&nBits, &dblValue, sizeof nBits);
    return nBits;
}

double BitsToDouble(uint64_t nBits)
{
    double dblValue;
    std::memcpy(&dblValue, &nBits, sizeof dblValue);
    return dblValue;
}

// ---- Writing

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
    uint64_t nBits = DoubleToBits(dblValue);
    if ((nBits & SIGN_BIT) != 0)
        PutChar(p, '-');
    int nBiased = static_cast<int>(nBits >> 52 & 0x7FF);
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

// ---- Reading

// Every midpoint between two doubles has at most 767 significant digits, so digits beyond these
// can only matter as a nonzero tail, which a final 1 stands for.
const int MAX_READ_DIGITS = 780;

bool IsSpace(WideChar ch)
{
    return ch == ' ' || (ch >= 9 && ch <= 13);
}

bool IsDigit(WideChar ch)
{
    return ch >= '0' && ch <= '9';
}

int DigitValue(WideChar ch)
{
    if (IsDigit(ch))
        return ch - '0';
    if (ch >= 'a' && ch <= 'z')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'Z')
        return ch - 'A' + 10;
    return 99; // beyond every base
}

// Orders the exact value digits * 10^nPower10 against nBinary * 2^nPower2.
int CompareDecimal(const BigNumber& digits, int nPower10, uint64_t nBinary, int nPower2)
{
    BigNumber decimal = digits;
    BigNumber binary;
    BigSet(&binary, nBinary);
    BigMulPow5(nPower10 >= 0 ? &decimal : &binary, nPower10 >= 0 ? nPower10 : -nPower10);
    int nShift = nPower10 - nPower2;
    BigShiftLeft(nShift >= 0 ? &decimal : &binary, nShift >= 0 ? nShift : -nShift);
    return BigCompare(decimal, binary);
}

// A double near nLead * 10^nPower10 as nMantissa * 2^nExponent, a few units in the last place
// off at most; the bounds of the double range are clamped to DBL_MAX and 0.
void EstimateDouble(uint64_t nLead, int nPower10, uint64_t* pMantissa, int* pExponent)
{
    static const double s_adblPow10[] = {1e1, 1e2, 1e4, 1e8, 1e16, 1e32, 1e64, 1e128, 1e256};
    int nExponent;
    double dblScaled = SplitExponent(static_cast<double>(nLead), &nExponent);
    unsigned nPower = static_cast<unsigned>(nPower10 < 0 ? -nPower10 : nPower10);
    for (int i = 0; nPower != 0; ++i, nPower >>= 1)
    {
        if ((nPower & 1) == 0)
            continue;
        int nStep;
        dblScaled = SplitExponent(
            nPower10 < 0 ? dblScaled / s_adblPow10[i] : dblScaled * s_adblPow10[i], &nStep);
        nExponent += nStep;
    }
    uint64_t nMantissa = static_cast<uint64_t>(dblScaled * 9007199254740992.0); // 2^53
    nExponent -= 53;
    if (nExponent > MAX_EXPONENT)
    {
        nMantissa = 2 * HIDDEN_BIT - 1;
        nExponent = MAX_EXPONENT;
    }
    else if (nExponent < MIN_EXPONENT)
    {
        int nShift = MIN_EXPONENT - nExponent;
        nMantissa = nShift < 64 ? nMantissa >> nShift : 0;
        nExponent = MIN_EXPONENT;
    }
    *pMantissa = nMantissa;
    *pExponent = nExponent;
}

void StepUp(uint64_t* pMantissa, int* pExponent)
{
    if (++*pMantissa == 2 * HIDDEN_BIT)
    {
        *pMantissa = HIDDEN_BIT;
        ++*pExponent;
    }
}

void StepDown(uint64_t* pMantissa, int* pExponent)
{
    if (*pMantissa == HIDDEN_BIT && *pExponent > MIN_EXPONENT)
    {
        *pMantissa = 2 * HIDDEN_BIT - 1;
        --*pExponent;
    }
    else
        --*pMantissa;
}

// The double nearest to digits * 10^nPower10 (ties to even), as bits without the sign.
uint64_t NearestDouble(const BigNumber& digits, uint64_t nLead, int nLeadPower10, int nPower10)
{
    uint64_t nMantissa;
    int nExponent;
    EstimateDouble(nLead, nLeadPower10, &nMantissa, &nExponent);
    // Walk to the double whose midpoints with its neighbours enclose the value.
    int nOrder = CompareDecimal(digits, nPower10, 2 * nMantissa + 1, nExponent - 1);
    if (nOrder >= 0)
    {
        while (nOrder > 0)
        {
            StepUp(&nMantissa, &nExponent);
            if (nExponent > MAX_EXPONENT)
                return INFINITY_BITS;
            nOrder = CompareDecimal(digits, nPower10, 2 * nMantissa + 1, nExponent - 1);
        }
        if (nOrder == 0 && (nMantissa & 1) != 0)
            StepUp(&nMantissa, &nExponent);
    }
    else
    {
        while (nMantissa > 0)
        {
            // Just above a power of two the next lower double is half as far.
            bool bCloser = nMantissa == HIDDEN_BIT && nExponent > MIN_EXPONENT;
            nOrder = bCloser ? CompareDecimal(digits, nPower10, 4 * nMantissa - 1, nExponent - 2)
                             : CompareDecimal(digits, nPower10, 2 * nMantissa - 1, nExponent - 1);
            if (nOrder > 0 || (nOrder == 0 && (nMantissa & 1) == 0))
                break;
            StepDown(&nMantissa, &nExponent);
            if (nOrder == 0)
                break;
        }
    }
    if (nExponent > MAX_EXPONENT)
        return INFINITY_BITS;
    if (nMantissa < HIDDEN_BIT)
        return nMantissa;
    return static_cast<uint64_t>(nExponent + 1075) << 52 | (nMantissa & FRACTION_MASK);
}

// The exponent that follows a mantissa, if any: it counts only with at least one digit, and its
// size is capped far beyond any text's digit count.
long long ReadExponent(const WideChar* p)
{
    if (*p != 'e' && *p != 'E')
        return 0;
    ++p;
    bool bNegative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    long long nExponent = 0;
    for (; IsDigit(*p); ++p)
    {
        if (nExponent < 100000000000000000LL)
            nExponent = nExponent * 10 + (*p - '0');
    }
    return bNegative ? -nExponent : nExponent;
}

// A significand of up to 2^53 is exact in a double (any of 15 digits, most of 16, such as the
// display's own texts), and so are the powers of ten up to 10^22: one correctly rounded
// multiplication or division then gives the nearest double.
const int SHORT_DIGITS = 16;
const uint64_t SHORT_MAX_SIGNIFICAND = 1ULL << 53;
const int SHORT_MAX_POWER = 22;

// ReadSignificand for such a short significand and power; false, writing nothing, for others.
bool ReadShortSignificand(const WideChar* pMantissa, long long nFirst, long long nSignificant,
                          int nPoint, uint64_t* pnBits)
{
    static const double s_adblExactPow10[SHORT_MAX_POWER + 1] = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (nSignificant > SHORT_DIGITS)
        return false;
    int nPower10 = nPoint - static_cast<int>(nSignificant);
    if (nPower10 < -SHORT_MAX_POWER || nPower10 > SHORT_MAX_POWER)
        return false;
    uint64_t nValue = 0;
    long long nIndex = 0;
    for (const WideChar* p = pMantissa; nIndex < nFirst + nSignificant; ++p)
    {
        if (*p == '.' || nIndex++ < nFirst)
            continue;
        nValue = nValue * 10 + static_cast<unsigned>(*p - '0');
    }
    if (nValue > SHORT_MAX_SIGNIFICAND)
        return false;
    double dblValue = static_cast<double>(nValue);
    dblValue = nPower10 < 0 ? dblValue / s_adblExactPow10[-nPower10]
                            : dblValue * s_adblExactPow10[nPower10];
    *pnBits = DoubleToBits(dblValue);
    return true;
}

// The bits of the double nearest to 0.d1d2...dn times 10^nPoint, whose n significant digits
// start at the digit nFirst of the mantissa (the point not counted) and end with a nonzero one.
uint64_t ReadSignificand(const WideChar* pMantissa, long long nFirst, long long nSignificant,
                         int nPoint)
{
    uint64_t nBits = 0;
    if (ReadShortSignificand(pMantissa, nFirst, nSignificant, nPoint, &nBits))
        return nBits;
    int nRead = nSignificant < MAX_READ_DIGITS ? static_cast<int>(nSignificant) : MAX_READ_DIGITS;
    BigNumber digits;
    BigSet(&digits, 0);
    uint64_t nLead = 0;
    int nLeadDigits = 0;
    uint32_t nChunk = 0;
    uint32_t nChunkScale = 1;
    long long nIndex = 0;
    for (const WideChar* p = pMantissa; nIndex < nFirst + nRead; ++p)
    {
        if (*p == '.' || nIndex++ < nFirst)
            continue;
        unsigned nDigit = static_cast<unsigned>(*p - '0');
        if (nLeadDigits < 19)
        {
            nLead = nLead * 10 + nDigit;
            ++nLeadDigits;
        }
        nChunk = nChunk * 10 + nDigit;
        nChunkScale *= 10;
        if (nChunkScale == BILLION)
        {
            BigMulAdd(&digits, nChunkScale, nChunk);
            nChunk = 0;
            nChunkScale = 1;
        }
    }
    BigMulAdd(&digits, nChunkScale, nChunk);
    int nPower10 = nPoint - nRead;
    if (nSignificant > nRead)
    {
        BigMulAdd(&digits, 10, 1);
        --nPower10;
    }
    return NearestDouble(digits, nLead, nPoint - nLeadDigits, nPower10);
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

double ParseDecimal(const WideChar* pszText)
{
    const WideChar* p = pszText;
    while (IsSpace(*p))
        ++p;
    bool bNegative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;

    // The mantissa's digits, ignoring the point: the first and last nonzero ones.
    const WideChar* pMantissa = p;
    long long nIntegerDigits = 0;
    long long nDigits = 0;
    long long nFirst = -1;
    long long nLast = -1;
    for (bool bPoint = false;; ++p)
    {
        if (*p == '.' && !bPoint)
        {
            bPoint = true;
            continue;
        }
        if (!IsDigit(*p))
            break;
        if (*p != '0')
        {
            if (nFirst < 0)
                nFirst = nDigits;
            nLast = nDigits;
        }
        ++nDigits;
        if (!bPoint)
            ++nIntegerDigits;
    }
    if (nDigits == 0)
        return 0.0;

    uint64_t nBits = 0;
    if (nFirst >= 0)
    {
        // The value is 0.d(first)d(first+1)... times 10^nPoint.
        long long nPoint = nIntegerDigits - nFirst + ReadExponent(p);
        if (nPoint > 309)
            nBits = INFINITY_BITS;
        else if (nPoint >= -324)
            nBits =
                ReadSignificand(pMantissa, nFirst, nLast - nFirst + 1, static_cast<int>(nPoint));
    }
    return BitsToDouble(bNegative ? nBits | SIGN_BIT : nBits);
}

uint32_t ParseUnsigned(const WideChar* pszText, int nBase)
{
    if (nBase < 2 || nBase > 36)
        return 0;
    const WideChar* p = pszText;
    while (IsSpace(*p))
        ++p;
    bool bNegative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    if (nBase == 16 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X'))
        p += 2;
    uint32_t nValue = 0;
    bool bOverflow = false;
    for (int nDigit; (nDigit = DigitValue(*p)) < nBase; ++p)
    {
        uint32_t nBaseU = static_cast<uint32_t>(nBase);
        uint32_t nDigitU = static_cast<uint32_t>(nDigit);
        if (nValue > (0xFFFFFFFFu - nDigitU) / nBaseU)
            bOverflow = true;
        else
            nValue = nValue * nBaseU + nDigitU;
    }
    if (bOverflow)
        return 0xFFFFFFFFu;
    return bNegative ? 0u - nValue : nValue;
}

uint32_t DoubleToUnsigned32(double dblValue)
{
    uint64_t nBits = DoubleToBits(dblValue);
    int nBiased = static_cast<int>(nBits >> 52 & 0x7FF);
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
