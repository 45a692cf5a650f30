#include "engine/number_text.h"

#include "engine/big_number.h"
#include "engine/float_bits.h"

// Text is read by estimating the nearest double and settling it by exact comparisons with the
// midpoints between neighbouring doubles.

namespace
{

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
    *pnBits = BitsOf(dblValue);
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
    return DoubleFromBits(bNegative ? nBits | SIGN_BIT : nBits);
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
