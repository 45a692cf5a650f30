// Against glibc, whose printf and strtod are exact: every text must be glibc's but for the
// exponent's third digit, and every text must read back to glibc's bits. Native only: other C
// runtimes round differently, which is why the conversions are our own.
#ifndef _WIN32

#include "engine/number_text.h"
#include "tests/engine/number_text_samples.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

const int RANDOM_SAMPLES = 150000;

std::string Ours(char chConversion, int nPrecision, double dblValue)
{
    char sz[512];
    if (chConversion == 'g')
        FormatGeneral(dblValue, nPrecision, sz, sizeof sz);
    else if (chConversion == 'e')
        FormatExponential(dblValue, nPrecision, sz, sizeof sz);
    else
        FormatFixed(dblValue, nPrecision, sz, sizeof sz);
    return sz;
}

// Reads with both; a mismatch gives the text for the failure message.
bool ReadsLikeStrtod(const std::string& strText)
{
    const uint64_t nExpected = BitsOf(std::strtod(strText.c_str(), nullptr));
    return BitsOf(ParseDecimal(Widen(strText).c_str())) == nExpected;
}

double NextUp(double dblValue)
{
    return std::nextafter(dblValue, HUGE_VAL);
}

// The extremes, every power of ten with its neighbours, and the random sample.
const std::vector<double>& ReferenceValues()
{
    static std::vector<double> s_values;
    if (!s_values.empty())
        return s_values;
    const double adblFixed[] = {0.0,
                                -0.0,
                                DBL_MIN,
                                DBL_MAX,
                                DBL_TRUE_MIN,
                                -DBL_MIN,
                                0.5,
                                1.5,
                                2.5,
                                1234567890123456.5,
                                1e16,
                                1e-16,
                                0.1,
                                1e23,
                                9007199254740993.0,
                                std::nextafter(DBL_MAX, 0.0),
                                std::nextafter(DBL_MIN, 0.0)};
    s_values.assign(std::begin(adblFixed), std::end(adblFixed));
    for (int nPower = -323; nPower <= 308; ++nPower)
    {
        const double dblPower = std::strtod(("1e" + std::to_string(nPower)).c_str(), nullptr);
        s_values.push_back(dblPower);
        s_values.push_back(NextUp(dblPower));
        s_values.push_back(std::nextafter(dblPower, 0.0));
    }
    SampleRandom random = {2024};
    while (s_values.size() < RANDOM_SAMPLES)
    {
        const double dblValue = SampleDouble(&random);
        if (std::isfinite(dblValue))
            s_values.push_back(dblValue);
    }
    return s_values;
}

// Each value with the display's precision and with one that cycles through the whole range.
void ExpectFormatMatches(char chConversion, int nDisplayPrecision, int nMinPrecision,
                         int nMaxPrecision)
{
    int nFailures = 0;
    int nCycle = 0;
    for (double dblValue : ReferenceValues())
    {
        const int nCycled = nMinPrecision + nCycle++ % (nMaxPrecision - nMinPrecision + 1);
        for (int nPrecision : {nDisplayPrecision, nCycled})
        {
            const std::string strExpected = RuntimeText(chConversion, nPrecision, dblValue);
            const std::string strActual = Ours(chConversion, nPrecision, dblValue);
            if (strExpected != strActual && nFailures++ < 10)
                ADD_FAILURE() << "%." << nPrecision << chConversion << " of " << strExpected << ": "
                              << strActual;
        }
    }
    EXPECT_EQ(0, nFailures);
}

} // namespace

TEST(NumberTextAgainstGlibc, GeneralMatchesPrintf)
{
    ExpectFormatMatches('g', 16, 1, 17);
}

TEST(NumberTextAgainstGlibc, ExponentialMatchesPrintf)
{
    ExpectFormatMatches('e', 14, 0, 16);
}

TEST(NumberTextAgainstGlibc, FixedMatchesPrintf)
{
    ExpectFormatMatches('f', 6, 0, 16);
}

TEST(NumberTextAgainstGlibc, WrittenTextsReadLikeStrtod)
{
    int nFailures = 0;
    for (double dblValue : ReferenceValues())
    {
        for (const std::string& strText : {Ours('g', 16, dblValue), Ours('e', 14, dblValue),
                                           Ours('f', 6, dblValue), Ours('g', 17, dblValue)})
        {
            if (!ReadsLikeStrtod(strText) && nFailures++ < 10)
                ADD_FAILURE() << strText;
        }
    }
    EXPECT_EQ(0, nFailures);
}

// Random signs, digits, points and exponents, including dangling and oversized exponents.
TEST(NumberTextAgainstGlibc, RandomDecimalTextsReadLikeStrtod)
{
    SampleRandom random = {99};
    int nFailures = 0;
    for (int i = 0; i < 200000; ++i)
    {
        std::string strText = NextRandom(&random) % 4 == 0 ? " -" : "";
        const int nDigits = static_cast<int>(1 + NextRandom(&random) % 40);
        const int nPoint = static_cast<int>(NextRandom(&random) % (nDigits + 2));
        // Mostly nines and zeros around a few other digits, to land near powers of ten.
        for (int nDigit = 0; nDigit < nDigits; ++nDigit)
        {
            if (nDigit == nPoint)
                strText += '.';
            const uint64_t nPick = NextRandom(&random) % 16;
            strText += static_cast<char>(nPick < 4 ? '9' : (nPick < 8 ? '0' : '0' + nPick % 10));
        }
        const int nExponent = static_cast<int>(NextRandom(&random) % 800) - 400;
        switch (NextRandom(&random) % 6)
        {
        case 0: break;
        case 1: strText += "e"; break;
        case 2: strText += "E+"; break;
        case 3: strText += "e99999999999999999999"; break;
        default: strText += "e" + std::to_string(nExponent); break;
        }
        if (!ReadsLikeStrtod(strText) && nFailures++ < 10)
            ADD_FAILURE() << strText;
    }
    EXPECT_EQ(0, nFailures);
}

// Texts as typed on the pad or shown in its display: up to 16 significant digits, one in four
// of 16 near 2^53 (9007199254740992), the largest significand that one multiplication or
// division reads, with powers of ten around the 10^22 up to which it does, and beyond it.
TEST(NumberTextAgainstGlibc, ShortTextsReadLikeStrtod)
{
    SampleRandom random = {15};
    int nFailures = 0;
    for (int i = 0; i < 200000; ++i)
    {
        const int nDigits = static_cast<int>(1 + NextRandom(&random) % 16);
        const int nPoint = static_cast<int>(NextRandom(&random) % (nDigits + 1));
        const std::string strNear53 =
            nDigits == 16 && NextRandom(&random) % 4 == 0 ? "90071992547409" : "";
        std::string strText;
        for (int nDigit = 0; nDigit < nDigits; ++nDigit)
        {
            if (nDigit == nPoint)
                strText += '.';
            strText += nDigit < static_cast<int>(strNear53.size())
                           ? strNear53[nDigit]
                           : static_cast<char>('0' + NextRandom(&random) % 10);
        }
        strText += "e" + std::to_string(static_cast<int>(NextRandom(&random) % 61) - 30);
        if (!ReadsLikeStrtod(strText) && nFailures++ < 10)
            ADD_FAILURE() << strText;
    }
    EXPECT_EQ(0, nFailures);
}

// The exact decimal of the midpoint between a double and the next one, exactly, cut short,
// nudged up far beyond the 780 digits that reading keeps, and with a long tail of zeros.
TEST(NumberTextAgainstGlibc, LongTextsNearMidpointsReadLikeStrtod)
{
    SampleRandom random = {5};
    int nFailures = 0;
    for (int i = 0; i < 1500; ++i)
    {
        double dblValue = std::fabs(SampleDouble(&random));
        if (!std::isfinite(dblValue) || dblValue == DBL_MAX)
            continue;
        // The long double holds the midpoint exactly, and glibc writes it exactly.
        const long double ldblMidpoint =
            (static_cast<long double>(dblValue) + static_cast<long double>(NextUp(dblValue))) / 2;
        char sz[1000];
        std::snprintf(sz, sizeof sz, "%.800Le", ldblMidpoint);
        std::string strMidpoint = sz;
        const size_t nExponent = strMidpoint.find('e');
        const std::string strMantissa = strMidpoint.substr(0, nExponent);
        const std::string strExponent = strMidpoint.substr(nExponent);
        const size_t nLastDigit = strMantissa.find_last_not_of('0');
        const std::string strExact = strMantissa.substr(0, nLastDigit + 1);
        const std::string astrText[] = {
            strExact + strExponent,
            strExact.substr(0, 19) + strExponent,
            strExact.substr(0, 100) + strExponent,
            strExact + std::string(900, '0') + "1" + strExponent,
            strExact + std::string(900, '0') + strExponent,
            strExact.substr(0, nLastDigit) + static_cast<char>(strExact[nLastDigit] - 1) +
                std::string(900, '9') + strExponent,
        };
        for (const std::string& strText : astrText)
        {
            if (!ReadsLikeStrtod(strText) && nFailures++ < 10)
                ADD_FAILURE() << strText.substr(0, 60) << "... (" << strText.size() << ")";
        }
    }
    EXPECT_EQ(0, nFailures);
}

#endif
