// Reset and clearing, number text under each mode and radix, the range check, the display and
// the error state.

#include "tests/engine/calculator_fixture.h"

#include <cmath>

namespace
{

std::string Formatted(double dblValue)
{
    WideChar szText[INPUT_TEXT_SIZE];
    FormatNumber(dblValue, szText);
    return Narrow(szText);
}

void ExpectAllLevelsFresh()
{
    EXPECT_EQ(0, g_Calculator.m_nLevel);
    for (const EvalLevel& level : g_Calculator.m_aLevel)
    {
        EXPECT_EQ(LEVEL_INITIAL, level.m_nStatus);
        EXPECT_EQ(SUB_NONE, level.m_nSubStatus);
        EXPECT_EQ(0.0, level.m_dblData);
        EXPECT_FALSE(std::signbit(level.m_dblData));
        EXPECT_EQ(CMD_NONE, level.m_nOp);
        EXPECT_EQ(0, level.m_szInpBuf[0]);
    }
}

} // namespace

TEST_F(CalculatorTest, ResetClearsEveryLevelAndKeepsWhatMinusOneKeeps)
{
    Start(MODE_INTEGER, RADIX_HEX);
    Keys("( 1 + ( 2 + ( 3 * 4 sin");
    ASSERT_EQ(3, g_Calculator.m_nLevel);
    Reset(-1, -1);
    EXPECT_EQ(MODE_INTEGER, g_Calculator.m_nMode);
    EXPECT_EQ(RADIX_HEX, g_Calculator.m_nRadix);
    ExpectAllLevelsFresh();
    EXPECT_EQ("0", Display());
    Keys("1 exp 2 ( 1 / 0 =");
    ExecuteCommand(CMD_AC);
    EXPECT_EQ(0, g_Calculator.m_bError);
    EXPECT_EQ(0, g_Calculator.m_bExpInput);
    ExpectAllLevelsFresh();
}

TEST_F(CalculatorTest, NumbersAreWrittenByModeAndRadix)
{
    const struct
    {
        int nMode, nRadix;
        double dblValue;
        const char* pszText;
    } aCases[] = {
        {MODE_DECIMAL, RADIX_DEC, 3, "3"},
        {MODE_DECIMAL, RADIX_HEX, 2.5, "2.5"},
        {MODE_DECIMAL, RADIX_DEC, 9999999999999998.0, "9999999999999998"},
        {MODE_DECIMAL, RADIX_DEC, 1e16, "1.00000000000000e+016"},
        {MODE_DECIMAL, RADIX_DEC, 1e-16, "1.00000000000000e-016"},
        {MODE_DECIMAL, RADIX_DEC, 0, "0"},
        {MODE_DECIMAL, RADIX_DEC, -0.0, "0"},
        // The lower bound is 0.1 to the 16th as pow computes it, itself excluded.
        {MODE_DECIMAL, RADIX_DEC, std::pow(0.1, 16), "1.00000000000000e-016"},
        {MODE_DECIMAL, RADIX_DEC, std::nextafter(std::pow(0.1, 16), 1.0), "1.000000000000001e-016"},
        {MODE_INTEGER, RADIX_HEX, 255, "FF"},
        {MODE_INTEGER, RADIX_OCT, 8, "10"},
        {MODE_INTEGER, RADIX_BIN, 5, "101"},
        {MODE_INTEGER, RADIX_BIN, 65535, "1111111111111111"},
        {MODE_INTEGER, RADIX_DEC, 0, "0"},
        {MODE_INTEGER, RADIX_HEX, 0, "0"},
        {MODE_INTEGER, RADIX_BIN, 0, "0"},
    };
    for (const auto& c : aCases)
    {
        Start(c.nMode, c.nRadix);
        EXPECT_EQ(c.pszText, Formatted(c.dblValue)) << c.dblValue;
    }
    EXPECT_EQ(0, g_Calculator.m_bError);
}

TEST_F(CalculatorTest, BinaryAbove16BitsCannotBeWritten)
{
    Start(MODE_INTEGER, RADIX_BIN);
    Keys("101");
    WideChar szText[INPUT_TEXT_SIZE];
    EXPECT_EQ(0, FormatNumber(65536, szText));
    EXPECT_EQ(0, szText[0]);
    EXPECT_EQ("Error", Display());
    ExpectAllLevelsFresh();
}

TEST_F(CalculatorTest, NumbersAreReadByModeAndRadix)
{
    EXPECT_EQ(0.0, ParseNumber(WIDE(".")));
    EXPECT_EQ(0.5, ParseNumber(WIDE(".5")));
    EXPECT_EQ(2.0, ParseNumber(WIDE("2e+")));
    EXPECT_TRUE(std::isinf(ParseNumber(WIDE("1e+999"))));
    Start(MODE_INTEGER, RADIX_DEC);
    EXPECT_EQ(4294967291.0, ParseNumber(WIDE("-5")));
    Start(MODE_INTEGER, RADIX_HEX);
    EXPECT_EQ(4294967295.0, ParseNumber(WIDE("100000000")));
    Start(MODE_INTEGER, RADIX_BIN);
    EXPECT_EQ(5.0, ParseNumber(WIDE("101")));
}

TEST_F(CalculatorTest, RangeCheckRejectsOnlyWhatCannotBeShown)
{
    EXPECT_EQ(1, CheckRange(1e300));
    EXPECT_EQ(0, g_Calculator.m_bError);
    EXPECT_EQ(0, CheckRange(-INFINITY));
    EXPECT_EQ(1, g_Calculator.m_bError);
    Start(MODE_DECIMAL);
    EXPECT_EQ(0, CheckRange(NAN));
    Start(MODE_INTEGER, RADIX_BIN);
    EXPECT_EQ(1, CheckRange(65535));
    EXPECT_EQ(0, CheckRange(65536));
    EXPECT_EQ(1, g_Calculator.m_bError);
}

TEST_F(CalculatorTest, RangeCheckJudgesTheValueNotTheErrorFlag)
{
    Keys("1 / 0 = 2 + 5");
    EXPECT_EQ(1, CheckRange(7.0));
    EXPECT_EQ("5", CurrentText());
    EXPECT_EQ(0, CheckRange(INFINITY));
    EXPECT_EQ("", CurrentText());
}

TEST_F(CalculatorTest, StoredValuesBecomeTheCurrentText)
{
    EXPECT_EQ(1, StoreValueText(0.25));
    EXPECT_EQ("0.25", CurrentText());
    Start(MODE_INTEGER, RADIX_HEX);
    EXPECT_EQ(1, StoreValueText(255.9));
    EXPECT_EQ("FF", CurrentText());
    Start(MODE_INTEGER, RADIX_BIN);
    EXPECT_EQ(0, StoreValueText(65536));
    EXPECT_EQ(1, g_Calculator.m_bError);
    // In the error state the text is emptied and nothing is written, in either mode.
    Keys("1");
    EXPECT_EQ(0, StoreValueText(1));
    EXPECT_EQ("", CurrentText());
    Start(MODE_DECIMAL);
    Keys("1 / 0 = 5");
    EXPECT_EQ(0, StoreValueText(1));
    EXPECT_EQ("", CurrentText());
}

TEST_F(CalculatorTest, RadixChangeRewritesTheCurrentText)
{
    const KeyCase aCases[] = {
        {"255 hex", "FF", 0},      {"255 oct", "377", 0},         {"255 bin", "11111111", 0},
        {"255 hex dec", "255", 0}, {"hex 1FFFF bin", "Error", 0}, {"12 + hex", "C", 0},
        {"12 + hex 1 =", "D", 0},
    };
    ExpectCases(aCases, MODE_INTEGER);
    // The radix already set leaves even a text that would read differently.
    Start(MODE_INTEGER);
    Keys("5 sign");
    EXPECT_EQ(1, ChangeRadix(RADIX_DEC));
    EXPECT_EQ("-5", CurrentText());
}

TEST_F(CalculatorTest, DisplayShowsTheValueAfterAnOperatorOrResultAndTheTextOtherwise)
{
    const KeyCase aCases[] = {
        {"", "0", 0},           {"1.50", "1.50", 0}, {"2.5 +", "2.5", 0},
        {"1 / 4 =", "0.25", 0}, {"5 + DEL", "0", 0}, {"5 * ( 1 + 2 )", "3", 0},
    };
    ExpectCases(aCases);
}

TEST_F(CalculatorTest, ReadingABinaryValueAbove16BitsEntersTheErrorState)
{
    Start(MODE_INTEGER, RADIX_DEC);
    Keys("70000 +");
    EXPECT_EQ(1, ChangeRadix(RADIX_BIN));
    EXPECT_EQ(0, g_Calculator.m_bError);
    EXPECT_EQ("Error", Display());
    EXPECT_EQ("Error", Keys("DEL dec 1 ="));
}

TEST_F(CalculatorTest, ErrorStateClearsEveryLevelAndLastsUntilAllClear)
{
    EXPECT_EQ("Error", Keys("2 + ( 3 + ( 1 / 0 )"));
    ExpectAllLevelsFresh();
    EXPECT_EQ("Error", Keys("5 + 2 = sqrt"));
    EXPECT_EQ("7", Keys("AC 5 + 2 ="));
}

TEST_F(CalculatorTest, StatusTextDumpsTheCurrentLevelWithinItsBuffer)
{
    WideChar aBuffer[STATUS_TEXT_SIZE + 8];
    Keys("2 + 3 x^y");
    GetStatusText(aBuffer);
    EXPECT_EQ("----------------\rStatus=5, 4, 17 (6)\rm_dblData=2.000000 (3.000000)\r"
              "m_szInpBuf=[3]\r",
              Narrow(aBuffer));

    for (WideChar& ch : aBuffer)
        ch = 'x';
    Keys("AC 1 exp 300 + 1 exp 300 x^y");
    GetStatusText(aBuffer);
    EXPECT_EQ(STATUS_TEXT_SIZE - 1, static_cast<int>(TextLength(aBuffer)));
    EXPECT_EQ('x', aBuffer[STATUS_TEXT_SIZE]);
    EXPECT_EQ(0, Narrow(aBuffer).rfind("----------------\rStatus=5, 4, 17 (6)\rm_dblData=1000", 0));
}
