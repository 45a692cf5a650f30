#include "engine/number_text.h"
#include "tests/engine/number_text_samples.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace
{

std::string General(double dblValue, int nDigits)
{
    char sz[64];
    FormatGeneral(dblValue, nDigits, sz, sizeof sz);
    return sz;
}

std::string Exponential(double dblValue, int nPrecision)
{
    char sz[64];
    FormatExponential(dblValue, nPrecision, sz, sizeof sz);
    return sz;
}

std::string Fixed(double dblValue, int nDecimals)
{
    char sz[400];
    FormatFixed(dblValue, nDecimals, sz, sizeof sz);
    return sz;
}

double Parse(const std::string& strText)
{
    return ParseDecimal(Widen(strText).c_str());
}

uint32_t ParseRadix(const std::string& strText, int nBase)
{
    return ParseUnsigned(Widen(strText).c_str(), nBase);
}

std::string Unsigned(uint32_t uValue, int nBase)
{
    char sz[40];
    FormatUnsigned(uValue, nBase, sz, sizeof sz);
    return sz;
}

bool IsPowerOfTen(const std::string& strText)
{
    std::string strDigits = strText.substr(0, strText.find('e'));
    strDigits.erase(0, strDigits.find_first_not_of("-0."));
    return strDigits.find_first_not_of("0.", 1) == std::string::npos && strDigits[0] == '1';
}

// The bits, so that -0.0 differs from 0.0 and NaN equals itself.
#define EXPECT_SAME_DOUBLE(expected, actual)                                                       \
    EXPECT_EQ(BitsOf(expected), BitsOf(actual)) << (expected) << " vs " << (actual)

} // namespace

TEST(FormatGeneral, ChoosesTheNotationAfterRounding)
{
    EXPECT_EQ("3", General(3, 16));
    EXPECT_EQ("2.5", General(2.5, 16));
    EXPECT_EQ("0.0001", General(0.0001, 16));
    EXPECT_EQ("1e-005", General(0.00001, 16));
    EXPECT_EQ("1.5e+020", General(1.5e20, 16));
    EXPECT_EQ("1e+100", General(1e100, 16));
    EXPECT_EQ("1e+300", General(1e300, 16));
    EXPECT_EQ("1e+016", General(1e16, 16));
    EXPECT_EQ("1000000000000000", General(1e15, 16));
    EXPECT_EQ("0.5235987755982989", General(0.5235987755982989, 16));
    EXPECT_EQ("0.3333333333333333", General(1.0 / 3, 16));
    EXPECT_EQ("0.10000000000000001", General(0.1, 17));
    EXPECT_EQ("1.23e+005", General(123456, 3));
    // 99999.5 rounds up to six digits, which five cannot show in fixed notation.
    EXPECT_EQ("1e+005", General(99999.5, 5));
    EXPECT_EQ("9.9999e-005", General(0.000099999, 5));
    EXPECT_EQ("0.0001", General(0.000099999, 4));
}

TEST(FormatGeneral, RoundsHalfwayToEven)
{
    EXPECT_EQ("1234567890123456", General(1234567890123456.5, 16));
    EXPECT_EQ("1234567890123458", General(1234567890123457.5, 16));
    EXPECT_EQ("0.12", General(0.125, 2));
    EXPECT_EQ("0.38", General(0.375, 2));
    EXPECT_EQ("2", General(2.5, 1));
}

TEST(FormatGeneral, KeepsTheSignOfZeroAndTheExtremes)
{
    EXPECT_EQ("0", General(0.0, 16));
    EXPECT_EQ("-0", General(-0.0, 16));
    EXPECT_EQ("1.797693134862316e+308", General(DBL_MAX, 16));
    EXPECT_EQ("-2.225073858507201e-308", General(-DBL_MIN, 16));
    EXPECT_EQ("4.940656458412465e-324", General(DBL_TRUE_MIN, 16));
}

TEST(FormatExponential, WritesTheMantissaAndAThreeDigitExponent)
{
    EXPECT_EQ("1.00000000000000e+016", Exponential(1e16, 14));
    EXPECT_EQ("1.00000000000000e-016", Exponential(1e-16, 14));
    EXPECT_EQ("0.00000000000000e+000", Exponential(0.0, 14));
    EXPECT_EQ("-0.00000000000000e+000", Exponential(-0.0, 14));
    EXPECT_EQ("1.7976931348623157e+308", Exponential(DBL_MAX, 16));
    EXPECT_EQ("4.9406564584124654e-324", Exponential(DBL_TRUE_MIN, 16));
    EXPECT_EQ("2e+000", Exponential(2.5, 0));
    EXPECT_EQ("4e+000", Exponential(3.5, 0));
    EXPECT_EQ("1.0e+001", Exponential(9.96, 1));
}

TEST(FormatFixed, WritesEveryDigitOfLargeValues)
{
    EXPECT_EQ("0.000000", Fixed(0.0, 6));
    EXPECT_EQ("-0.000000", Fixed(-0.0, 6));
    EXPECT_EQ("-0.000000", Fixed(-1e-300, 6));
    EXPECT_EQ("0.000001", Fixed(5.000001e-7, 6));
    EXPECT_EQ("0.000000", Fixed(5e-7, 6)); // just below the tie: 5e-7 is not exact
    EXPECT_EQ("2", Fixed(2.5, 0));
    EXPECT_EQ("0.1250", Fixed(0.125, 4));
    EXPECT_EQ("0.12", Fixed(0.125, 2));
    EXPECT_EQ("9007199254740992.000000", Fixed(9007199254740992.0, 6));
    const std::string strExact =
        "1000000000000000052504760255204420248704468581108159154915854115511"
        "8024579889081957863713750804478640437044438328838781769425232353604"
        "3057564479218478670698284838720092657580373783023379478809005936895"
        "3234970799945081119038967640880074652742780142494579258788820056842"
        "838115669472196386865459400540160";
    EXPECT_EQ(strExact + ".000000", Fixed(1e300, 6));
    EXPECT_EQ("-" + strExact + ".0", Fixed(-1e300, 1));
}

TEST(NumberText, NonFiniteValuesHaveThePlatformTexts)
{
    const double dblNan = std::numeric_limits<double>::quiet_NaN();
    const double dblMinusNan = std::copysign(dblNan, -1.0);
    for (int nFormat = 0; nFormat < 3; ++nFormat)
    {
        char sz[16];
        void (*pfnFormat)(double, int, char*, size_t) =
            nFormat == 0 ? FormatGeneral : (nFormat == 1 ? FormatExponential : FormatFixed);
        pfnFormat(POSITIVE_INFINITY, 6, sz, sizeof sz);
        EXPECT_STREQ("1.#INF", sz);
        pfnFormat(-POSITIVE_INFINITY, 6, sz, sizeof sz);
        EXPECT_STREQ("-1.#INF", sz);
        pfnFormat(dblNan, 6, sz, sizeof sz);
        EXPECT_STREQ("1.#QNAN", sz);
        pfnFormat(dblMinusNan, 6, sz, sizeof sz);
        EXPECT_STREQ("-1.#QNAN", sz);
    }
}

TEST(NumberText, OutputIsTruncatedToTheBufferAndAlwaysTerminated)
{
    const double adblValue[] = {-1e300, 1.0 / 3, -DBL_TRUE_MIN, POSITIVE_INFINITY, 0.0};
    for (double dblValue : adblValue)
    {
        for (int nFormat = 0; nFormat < 3; ++nFormat)
        {
            void (*pfnFormat)(double, int, char*, size_t) =
                nFormat == 0 ? FormatGeneral : (nFormat == 1 ? FormatExponential : FormatFixed);
            char szFull[400];
            pfnFormat(dblValue, 16, szFull, sizeof szFull);
            const std::string strFull = szFull;
            for (size_t cb = 0; cb <= strFull.size() + 1; ++cb)
            {
                char sz[400];
                std::memset(sz, 'Z', sizeof sz);
                pfnFormat(dblValue, 16, sz, cb);
                if (cb == 0)
                {
                    EXPECT_EQ('Z', sz[0]);
                    continue;
                }
                EXPECT_EQ(strFull.substr(0, cb - 1), std::string(sz)) << strFull << " in " << cb;
                EXPECT_EQ('Z', sz[cb]) << strFull << " in " << cb;
            }
        }
    }
}

TEST(NumberText, ArgumentsOutsideTheirRangesTakeTheNearestEnd)
{
    const double dblThird = 1.0 / 3;
    EXPECT_EQ(General(dblThird, 1), General(dblThird, 0));
    EXPECT_EQ(General(dblThird, 17), General(dblThird, 99));
    EXPECT_EQ(Exponential(dblThird, 0), Exponential(dblThird, -5));
    EXPECT_EQ(Exponential(dblThird, 16), Exponential(dblThird, 40));
    EXPECT_EQ(Fixed(dblThird, 0), Fixed(dblThird, -1));
    EXPECT_EQ(Fixed(dblThird, 16), Fixed(dblThird, 1000));
    EXPECT_EQ(35u, ParseRadix("z", 36));
    EXPECT_EQ(0u, ParseRadix("5", 1));
    EXPECT_EQ(0u, ParseRadix("5", 37));
    EXPECT_EQ("255", Unsigned(255, 3));
}

TEST(ParseDecimal, ReadsTheLongestValidPrefix)
{
    EXPECT_SAME_DOUBLE(0.0, Parse(""));
    EXPECT_SAME_DOUBLE(0.0, Parse("."));
    EXPECT_SAME_DOUBLE(0.0, Parse("-"));
    EXPECT_SAME_DOUBLE(0.0, Parse("-.e5"));
    EXPECT_SAME_DOUBLE(-0.0, Parse("-0"));
    EXPECT_SAME_DOUBLE(-0.0, Parse("-0.000e999"));
    EXPECT_SAME_DOUBLE(2.0, Parse("2e"));
    EXPECT_SAME_DOUBLE(2.0, Parse("2e+"));
    EXPECT_SAME_DOUBLE(2.0, Parse("2E-"));
    EXPECT_SAME_DOUBLE(2000.0, Parse("2E3"));
    EXPECT_SAME_DOUBLE(0.02, Parse("2e-2.5"));
    EXPECT_SAME_DOUBLE(12.5, Parse(" \t\n12.5xyz"));
    EXPECT_SAME_DOUBLE(0.5, Parse("+.5"));
    EXPECT_SAME_DOUBLE(5.0, Parse("5."));
    EXPECT_SAME_DOUBLE(1.5, Parse("1.5.3"));
    EXPECT_SAME_DOUBLE(1.0, Parse("1.#INF"));
    EXPECT_SAME_DOUBLE(-1.0, Parse("-1.#QNAN"));
    EXPECT_SAME_DOUBLE(0.0, Parse("inf"));
    EXPECT_SAME_DOUBLE(0.0, Parse("0x1p3"));
    EXPECT_SAME_DOUBLE(0.0, Parse("- 1"));
}

// The compiler converts the literals correctly rounded, so they are the expected values.
TEST(ParseDecimal, RoundsCorrectly)
{
#define EXPECT_READS_LITERAL(literal) EXPECT_SAME_DOUBLE(literal, Parse(#literal))
    EXPECT_READS_LITERAL(0.1);
    EXPECT_READS_LITERAL(0.30000000000000004);
    EXPECT_READS_LITERAL(1e23);
    EXPECT_READS_LITERAL(8.98846567431158e307);
    EXPECT_READS_LITERAL(2.2250738585072011e-308);
    EXPECT_READS_LITERAL(2.2250738585072012e-308);
    EXPECT_READS_LITERAL(2.2250738585072014e-308);
    EXPECT_READS_LITERAL(4.9406564584124654e-324);
    EXPECT_READS_LITERAL(2.4703282292062328e-324);
    EXPECT_READS_LITERAL(1.7976931348623157e308);
    EXPECT_READS_LITERAL(1.7976931348623158e308);
    EXPECT_READS_LITERAL(9007199254740993.0);
    EXPECT_READS_LITERAL(9007199254740995.0);
    EXPECT_READS_LITERAL(123456789012345678901234567890.0);
    EXPECT_READS_LITERAL(0.000000000000000000000000000000000000000000001234567890123456789);
    EXPECT_READS_LITERAL(7.0372e-316);
    EXPECT_READS_LITERAL(3.0e-150);
#undef EXPECT_READS_LITERAL
}

TEST(ParseDecimal, OverflowsToInfinityAndUnderflowsToZero)
{
    EXPECT_SAME_DOUBLE(POSITIVE_INFINITY, Parse("1.7976931348623159e308"));
    EXPECT_SAME_DOUBLE(POSITIVE_INFINITY, Parse("1e309"));
    EXPECT_SAME_DOUBLE(-POSITIVE_INFINITY, Parse("-1e400"));
    EXPECT_SAME_DOUBLE(POSITIVE_INFINITY, Parse("1e99999999999999999999999999"));
    EXPECT_SAME_DOUBLE(0.0, Parse("1e-324"));
    EXPECT_SAME_DOUBLE(0.0, Parse("2.4703282292062327e-324")); // just below half the least
    EXPECT_SAME_DOUBLE(DBL_TRUE_MIN, Parse("2.4703282292062328e-324"));
    EXPECT_SAME_DOUBLE(-0.0, Parse("-1e-400"));
    EXPECT_SAME_DOUBLE(0.0, Parse("1e-99999999999999999999999999"));
    EXPECT_SAME_DOUBLE(0.0, Parse("0e99999999999999999999999999"));
}

TEST(ParseDecimal, DecidesTiesBeyondAnyNumberOfDigits)
{
    const std::string strTie = "9007199254740993"; // 2^53 + 1, halfway between two doubles
    const std::string strZeros(2000, '0');
    EXPECT_SAME_DOUBLE(9007199254740992.0, Parse(strTie));
    EXPECT_SAME_DOUBLE(9007199254740992.0, Parse(strTie + "." + strZeros));
    EXPECT_SAME_DOUBLE(9007199254740994.0, Parse(strTie + "." + strZeros + "1"));
    EXPECT_SAME_DOUBLE(9007199254740992.0, Parse("9007199254740992." + std::string(2000, '9')));
    EXPECT_SAME_DOUBLE(1.0, Parse("0." + std::string(3000, '9')));
    EXPECT_SAME_DOUBLE(0.0, Parse("0." + strZeros + "1"));
    EXPECT_SAME_DOUBLE(POSITIVE_INFINITY, Parse("1" + strZeros));
    EXPECT_SAME_DOUBLE(1e10, Parse("0." + strZeros + "1e2011"));
    EXPECT_SAME_DOUBLE(1e10, Parse("1" + strZeros + "e-1990"));
}

TEST(NumberText, TheLargestDoublesShowAboveTheDoubleRange)
{
    EXPECT_EQ("1.79769313486232e+308", Exponential(DBL_MAX, 14));
    EXPECT_SAME_DOUBLE(POSITIVE_INFINITY, Parse(Exponential(DBL_MAX, 14)));
    EXPECT_EQ("1.797693134862316e+308", General(DBL_MAX, 16));
    EXPECT_SAME_DOUBLE(POSITIVE_INFINITY, Parse(General(DBL_MAX, 16)));
}

TEST(NumberText, WrittenTextsReadBackToTheSameValue)
{
    SampleRandom random = {7};
    for (int i = 0; i < 20000; ++i)
    {
        const double dblValue = SampleDouble(&random);
        if (!std::isfinite(dblValue))
            continue;
        char sz[64];
        FormatGeneral(dblValue, 17, sz, sizeof sz);
        EXPECT_SAME_DOUBLE(dblValue, Parse(sz));
        FormatExponential(dblValue, 16, sz, sizeof sz);
        EXPECT_SAME_DOUBLE(dblValue, Parse(sz));
        // Fewer digits than a round trip needs still give a fixed point: the double read is
        // within half a unit of the text's last digit. Only a power of ten may read as a double
        // just below it, where the digits of the lower decade are finer, and a text rounded up
        // beyond DBL_MAX reads as infinity.
        const std::string strDisplay = Exponential(dblValue, 14);
        if (std::isfinite(Parse(strDisplay)))
        {
            EXPECT_EQ(strDisplay, Exponential(Parse(strDisplay), 14));
        }
        const std::string strShort = General(dblValue, 16);
        if (!IsPowerOfTen(strShort))
        {
            EXPECT_EQ(strShort, General(Parse(strShort), 16));
        }
    }
}

TEST(ParseUnsigned, FollowsWcstoulForA32BitUnsignedLong)
{
    EXPECT_EQ(4294967291u, ParseRadix("-5", 10));
    EXPECT_EQ(4294967295u, ParseRadix("FFFFFFFFF", 16));
    EXPECT_EQ(0u, ParseRadix("", 10));
    EXPECT_EQ(4294967295u, ParseRadix("-4294967296", 10));
    EXPECT_EQ(1u, ParseRadix("-4294967295", 10));
    EXPECT_EQ(31u, ParseRadix("0x1F", 16));
    EXPECT_EQ(31u, ParseRadix("0X1f", 16));
    EXPECT_EQ(0u, ParseRadix("0x", 16));
    EXPECT_EQ(0u, ParseRadix("0x1F", 10));
    EXPECT_EQ(4294967280u, ParseRadix("-0x10", 16));
    EXPECT_EQ(42u, ParseRadix("  +42xyz", 10));
    EXPECT_EQ(4294967295u, ParseRadix("4294967295", 10));
    EXPECT_EQ(4294967295u, ParseRadix("4294967296", 10));
    EXPECT_EQ(4294967295u, ParseRadix("99999999999999999999999999", 10));
    EXPECT_EQ(511u, ParseRadix("777", 8));
    EXPECT_EQ(0u, ParseRadix("9", 8));
    EXPECT_EQ(5u, ParseRadix("1012", 2));
    EXPECT_EQ(4294967295u, ParseRadix(std::string(32, '1'), 2));
    EXPECT_EQ(4294967295u, ParseRadix(std::string(33, '1'), 2));
}

TEST(DoubleToUnsigned32, TruncatesAndWrapsEveryDouble)
{
    EXPECT_EQ(4294967294u, DoubleToUnsigned32(3.0 - 5.0));
    EXPECT_EQ(0u, DoubleToUnsigned32(4294967296.5));
    EXPECT_EQ(4294967295u, DoubleToUnsigned32(4294967295.9));
    EXPECT_EQ(1u, DoubleToUnsigned32(-4294967295.0));
    EXPECT_EQ(0u, DoubleToUnsigned32(-0.5));
    EXPECT_EQ(4294967295u, DoubleToUnsigned32(-1.5));
    EXPECT_EQ(0u, DoubleToUnsigned32(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(0u, DoubleToUnsigned32(POSITIVE_INFINITY));
    EXPECT_EQ(0u, DoubleToUnsigned32(-POSITIVE_INFINITY));
    EXPECT_EQ(0u, DoubleToUnsigned32(1e300));
    EXPECT_EQ(0u, DoubleToUnsigned32(DBL_TRUE_MIN));
    EXPECT_EQ(1410065408u, DoubleToUnsigned32(1e10)); // 10^10 mod 2^32
    EXPECT_EQ(2884901888u, DoubleToUnsigned32(-1e10));
    EXPECT_EQ(2147483648u, DoubleToUnsigned32(2147483648.0));
    EXPECT_EQ(0u, DoubleToUnsigned32(36893488147419103231.0));    // 2^65 - 1 reads as 2^65
    EXPECT_EQ(4096u, DoubleToUnsigned32(18446744073709555712.0)); // 2^64 + 4096
}

TEST(FormatUnsigned, WritesEachRadix)
{
    EXPECT_EQ("FF", Unsigned(255, 16));
    EXPECT_EQ("10", Unsigned(8, 8));
    EXPECT_EQ("101", Unsigned(5, 2));
    EXPECT_EQ(std::string(16, '1'), Unsigned(65535, 2));
    EXPECT_EQ("1" + std::string(31, '0'), Unsigned(2147483648u, 2));
    EXPECT_EQ("4294967295", Unsigned(4294967295u, 10));
    EXPECT_EQ("FFFFFFFF", Unsigned(4294967295u, 16));
    EXPECT_EQ("37777777777", Unsigned(4294967295u, 8));
    const int anBase[] = {2, 8, 10, 16};
    SampleRandom random = {3};
    for (int nBase : anBase)
    {
        EXPECT_EQ("0", Unsigned(0, nBase));
        for (int i = 0; i < 1000; ++i)
        {
            const uint32_t uValue = static_cast<uint32_t>(NextRandom(&random) >> (i % 32));
            EXPECT_EQ(uValue, ParseRadix(Unsigned(uValue, nBase), nBase));
        }
    }
    char sz[4];
    FormatUnsigned(4294967295u, 10, sz, sizeof sz);
    EXPECT_STREQ("429", sz);
}

TEST(FormatSigned, WritesLikeToString)
{
    const long anValue[] = {0,
                            7,
                            -7,
                            2147483647,
                            -2147483647 - 1,
                            std::numeric_limits<long>::max(),
                            std::numeric_limits<long>::min()};
    for (long nValue : anValue)
    {
        char sz[32];
        FormatSigned(nValue, sz, sizeof sz);
        EXPECT_EQ(std::to_string(nValue), sz);
    }
}
