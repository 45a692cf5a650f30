// The programmer pad: what each radix accepts, reads and shows.

#include "tests/engine/calculator_fixture.h"

TEST_F(CalculatorTest, EachRadixAcceptsItsOwnDigitsSilently)
{
    struct Case
    {
        int nRadix;
        const char* pszKeys;
        const char* pszText;
    } aCases[] = {
        {RADIX_DEC, "1 9 A F .", "19"},
        {RADIX_HEX, "1 9 A F .", "19AF"},
        {RADIX_OCT, "1 7 8 9 A", "17"},
        {RADIX_BIN, "1 0 2 9 A F", "10"},
    };
    for (const Case& c : aCases)
    {
        Start(MODE_INTEGER, c.nRadix);
        EXPECT_EQ(0u, BeepsOf(c.pszKeys)) << c.pszKeys;
        EXPECT_EQ(c.pszText, CurrentText()) << c.pszKeys;
    }
    Start(MODE_INTEGER, RADIX_HEX);
    EXPECT_EQ(0, EnterChar('a'));
}

TEST_F(CalculatorTest, SignBeepsOutsideDecimal)
{
    const int aRadixes[] = {RADIX_HEX, RADIX_OCT, RADIX_BIN};
    for (int nRadix : aRadixes)
    {
        Start(MODE_INTEGER, nRadix);
        Keys("1");
        EXPECT_EQ(1u, BeepsOf("sign")) << nRadix;
        EXPECT_EQ("1", CurrentText()) << nRadix;
    }
}

TEST_F(CalculatorTest, NegativeDecimalTextReadsAsALargeUnsignedValue)
{
    Start(MODE_INTEGER, RADIX_DEC);
    EXPECT_EQ("-5", Keys("5 sign"));
    EXPECT_EQ("4294967291", Keys("+ 0 ="));
}

TEST_F(CalculatorTest, BinaryShowsSixteenBitsAtMost)
{
    Start(MODE_INTEGER, RADIX_BIN);
    EXPECT_EQ("1111111111111111", Keys("11111111 * 100000001 ="));
    EXPECT_EQ("Error", Keys("AC 1111111111111111 + 1 ="));
}

TEST_F(CalculatorTest, OverlongTextReadsAsTheLargestValue)
{
    Start(MODE_INTEGER, RADIX_HEX);
    EXPECT_EQ("FFFFFFFF", Keys("123456789 + 0 ="));
}

TEST_F(CalculatorTest, PadSwitchClearsAndKeepsTheRadix)
{
    Start(MODE_INTEGER, RADIX_HEX);
    EXPECT_EQ("0", Keys("FF + 1 sci"));
    EXPECT_EQ(MODE_DECIMAL, g_Calculator.m_nMode);
    EXPECT_EQ(RADIX_HEX, g_Calculator.m_nRadix);
    EXPECT_EQ("0", Keys("2.5 prog"));
    EXPECT_EQ(MODE_INTEGER, g_Calculator.m_nMode);
    EXPECT_EQ("1A", Keys("1A"));
}
