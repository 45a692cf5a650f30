// The programmer pad: what each radix accepts, reads and shows.

#include "tests/engine/calculator_fixture.h"

TEST_F(CalculatorTest, EachRadixAcceptsItsOwnDigitsSilently)
{
    ExpectCases({{"1 9 A F .", "19", 0}}, MODE_INTEGER, RADIX_DEC);
    ExpectCases({{"1 9 A F .", "19AF", 0}}, MODE_INTEGER, RADIX_HEX);
    ExpectCases({{"1 7 8 9 A", "17", 0}}, MODE_INTEGER, RADIX_OCT);
    ExpectCases({{"1 0 2 9 A F", "10", 0}}, MODE_INTEGER, RADIX_BIN);
    EXPECT_EQ(0, EnterChar('a'));
}

TEST_F(CalculatorTest, SignBeepsOutsideDecimal)
{
    ExpectCases({{"5 sign", "-5", 0}, {"5 sign + 0 =", "4294967291", 0}}, MODE_INTEGER);
    for (int nRadix : {RADIX_HEX, RADIX_OCT, RADIX_BIN})
        ExpectCases({{"1 sign", "1", 1}}, MODE_INTEGER, nRadix);
}

TEST_F(CalculatorTest, IntegerTextsStayWithinTheirRange)
{
    ExpectCases(
        {{"11111111 * 100000001 =", "1111111111111111", 0}, {"1111111111111111 + 1 =", "Error", 0}},
        MODE_INTEGER, RADIX_BIN);
    ExpectCases({{"123456789 + 0 =", "FFFFFFFF", 0}}, MODE_INTEGER, RADIX_HEX);
}

TEST_F(CalculatorTest, PadSwitchClearsAndKeepsTheRadix)
{
    Start(MODE_INTEGER, RADIX_HEX);
    EXPECT_EQ("0", Keys("FF + 1 sci"));
    EXPECT_EQ(MODE_DECIMAL, g_Calculator.m_nMode);
    EXPECT_EQ(RADIX_HEX, g_Calculator.m_nRadix);
    EXPECT_EQ("0", Keys("2.5 prog"));
    EXPECT_EQ("1A", Keys("1A"));
}
