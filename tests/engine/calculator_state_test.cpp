// Reset and clearing, number text under each mode and radix, the range check, the display and
// the error state.

#include "tests/engine/calculator_fixture.h"

#include <cmath>
#include <limits>

namespace
{

const double INF = std::numeric_limits<double>::infinity();

std::string Formatted(double dblValue)
{
    WideChar szText[INPUT_TEXT_SIZE];
    FormatNumber(dblValue, szText);
    return Narrow(szText);
}

void ExpectAllLevelsFresh()
{
    EXPECT_EQ(0, g_Calculator.m_nLevel);
    for (int i = 0; i < MAX_LEVELS; ++i)
    {
        const EvalLevel& level = g_Calculator.m_aLevel[i];
        EXPECT_EQ(LEVEL_INITIAL, level.m_nStatus) << "level " << i;
        EXPECT_EQ(SUB_NONE, level.m_nSubStatus) << "level " << i;
        EXPECT_EQ(0.0, level.m_dblData) << "level " << i;
        EXPECT_FALSE(std::signbit(level.m_dblData)) << "level " << i;
        EXPECT_EQ(CMD_NONE, level.m_nOp) << "level " << i;
        EXPECT_EQ(0, level.m_szInpBuf[0]) << "level " << i;
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
    EXPECT_EQ(0, g_Calculator.m_bError);
    EXPECT_EQ("0", Display());

    Reset(MODE_DECIMAL, -1);
    EXPECT_EQ(MODE_DECIMAL, g_Calculator.m_nMode);
    EXPECT_EQ(RADIX_HEX, g_Calculator.m_nRadix);
}

TEST_F(CalculatorTest, AllClearEndsExponentEntryAndTheStatusText)
{
    Keys("1 exp 2");
    WideChar szStatus[STATUS_TEXT_SIZE];
    GetStatusText(szStatus);
    Keys("AC");
    EXPECT_EQ(0, g_Calculator.m_bExpInput);
    EXPECT_EQ(0, g_Calculator.m_szStatus[0]);
    ExpectAllLevelsFresh();
}

TEST_F(CalculatorTest, DecimalNumbersUseShortTextInsideTheBoundsAndExponentsOutside)
{
    EXPECT_EQ("3", Formatted(3.0));
    EXPECT_EQ("2.5", Formatted(2.5));
    EXPECT_EQ("-0.125", Formatted(-0.125));
    EXPECT_EQ("9999999999999998", Formatted(9999999999999998.0));
    EXPECT_EQ("1.00000000000000e+016", Formatted(1e16));
    EXPECT_EQ("1.00000000000000e-016", Formatted(1e-16));
    EXPECT_EQ("0.00000000000000e+000", Formatted(0.0));
    // The lower bound is 0.1 to the 16th as pow computes it; the bound itself does not qualify.
    EXPECT_EQ("1.00000000000000e-016", Formatted(std::pow(0.1, 16)));
    EXPECT_EQ("1.000000000000001e-016", Formatted(std::nextafter(std::pow(0.1, 16), 1.0)));
    EXPECT_NE(std::string::npos, Formatted(INF).find('#'));
    EXPECT_EQ(0, g_Calculator.m_bError);
}

TEST_F(CalculatorTest, IntegerNumbersFollowTheRadix)
{
    struct Case
    {
        int nRadix;
        double dblValue;
        const char* pszText;
    } aCases[] = {
        {RADIX_HEX, 255, "FF"},
        {RADIX_OCT, 8, "10"},
        {RADIX_BIN, 5, "101"},
        {RADIX_BIN, 65535, "1111111111111111"},
        {RADIX_DEC, 4294967295.0, "4294967295"},
        {RADIX_DEC, 0, "0"},
        {RADIX_HEX, 0, "0"},
        {RADIX_OCT, 0, "0"},
        {RADIX_BIN, 0, "0"},
    };
    for (const Case& c : aCases)
    {
        Start(MODE_INTEGER, c.nRadix);
        EXPECT_EQ(c.pszText, Formatted(c.dblValue)) << c.dblValue << " in radix " << c.nRadix;
    }
}

TEST_F(CalculatorTest, BinaryAbove16BitsCannotBeFormatted)
{
    Start(MODE_INTEGER, RADIX_BIN);
    Keys("101");
    WideChar szText[INPUT_TEXT_SIZE];
    EXPECT_EQ(0, FormatNumber(65536, szText));
    EXPECT_EQ(0, szText[0]);
    EXPECT_EQ(1, g_Calculator.m_bError);
    ExpectAllLevelsFresh();
    EXPECT_EQ("Error", Display());
}

TEST_F(CalculatorTest, ParsingFollowsModeAndRadix)
{
    EXPECT_EQ(0.0, ParseNumber(WIDE("")));
    EXPECT_EQ(0.0, ParseNumber(WIDE(".")));
    EXPECT_EQ(0.0, ParseNumber(WIDE("-")));
    EXPECT_EQ(0.5, ParseNumber(WIDE(".5")));
    EXPECT_EQ(2.0, ParseNumber(WIDE("2e+")));
    EXPECT_EQ(INF, ParseNumber(WIDE("1e+999")));

    Start(MODE_INTEGER, RADIX_DEC);
    EXPECT_EQ(4294967291.0, ParseNumber(WIDE("-5")));
    EXPECT_EQ(0.0, ParseNumber(WIDE("")));
    Start(MODE_INTEGER, RADIX_HEX);
    EXPECT_EQ(4294967295.0, ParseNumber(WIDE("100000000")));
    EXPECT_EQ(255.0, ParseNumber(WIDE("FF")));
    Start(MODE_INTEGER, RADIX_OCT);
    EXPECT_EQ(8.0, ParseNumber(WIDE("10")));
    Start(MODE_INTEGER, RADIX_BIN);
    EXPECT_EQ(5.0, ParseNumber(WIDE("101")));
}

TEST_F(CalculatorTest, RangeCheckRejectsWhatCannotBeShown)
{
    EXPECT_EQ(1, CheckRange(1e300));
    EXPECT_EQ(1, CheckRange(-0.0));
    EXPECT_EQ(0, g_Calculator.m_bError);
    EXPECT_EQ(0, CheckRange(-INF));
    EXPECT_EQ(1, g_Calculator.m_bError);
    Start(MODE_DECIMAL);
    EXPECT_EQ(0, CheckRange(std::nan("")));
    EXPECT_EQ(1, g_Calculator.m_bError);

    Start(MODE_INTEGER, RADIX_BIN);
    EXPECT_EQ(1, CheckRange(65535));
    EXPECT_EQ(0, g_Calculator.m_bError);
    EXPECT_EQ(0, CheckRange(65536));
    EXPECT_EQ(1, g_Calculator.m_bError);
}

TEST_F(CalculatorTest, RangeCheckJudgesTheValueNotTheErrorFlag)
{
    Keys("1 / 0 =");
    ASSERT_EQ(1, g_Calculator.m_bError);
    Keys("2 + 5");
    EXPECT_EQ(1, CheckRange(7.0));
    EXPECT_EQ("5", CurrentText());
    EXPECT_EQ(CMD_ADD, Current().m_nOp);
    EXPECT_EQ(0, CheckRange(INF));
    EXPECT_EQ(CMD_NONE, Current().m_nOp);
}

TEST_F(CalculatorTest, StoredValuesBecomeTheCurrentText)
{
    Keys("9");
    EXPECT_EQ(1, StoreValueText(0.25));
    EXPECT_EQ("0.25", CurrentText());

    Start(MODE_INTEGER, RADIX_HEX);
    EXPECT_EQ(1, StoreValueText(255.9));
    EXPECT_EQ("FF", CurrentText());
    Start(MODE_INTEGER, RADIX_BIN);
    EXPECT_EQ(0, StoreValueText(65536));
    EXPECT_EQ(1, g_Calculator.m_bError);

    // In the error state the text is emptied and nothing is written.
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
    Start(MODE_INTEGER, RADIX_DEC);
    EXPECT_EQ("FF", Keys("255 hex"));
    EXPECT_EQ("377", Keys("oct"));
    EXPECT_EQ("11111111", Keys("bin"));
    EXPECT_EQ("255", Keys("dec"));

    Start(MODE_INTEGER, RADIX_HEX);
    Keys("1FFFF");
    EXPECT_EQ(0, ChangeRadix(RADIX_BIN));
    EXPECT_EQ("Error", Display());
}

TEST_F(CalculatorTest, RadixChangeToTheSameRadixChangesNothing)
{
    Start(MODE_INTEGER, RADIX_DEC);
    Keys("5 sign");
    EXPECT_EQ(1, ChangeRadix(RADIX_DEC));
    EXPECT_EQ("-5", CurrentText());
}

TEST_F(CalculatorTest, RadixChangeLeavesTheValueOfAPendingOperator)
{
    Start(MODE_INTEGER, RADIX_DEC);
    EXPECT_EQ("C", Keys("12 + hex"));
    EXPECT_EQ(LEVEL_OPERATOR, Current().m_nStatus);
    EXPECT_EQ("D", Keys("1 ="));
}

TEST_F(CalculatorTest, DisplayShowsTheValueAfterAnOperatorAndTheTextOtherwise)
{
    EXPECT_EQ("0", Display());
    EXPECT_EQ("1.50", Keys("1.50"));
    EXPECT_EQ("2.5", Keys("AC 2.5 +"));
    EXPECT_EQ("0.25", Keys("AC 1 / 4 ="));
    EXPECT_EQ("0", Keys("AC 5 + DEL"));
}

TEST_F(CalculatorTest, ReadingABinaryValueAbove16BitsEntersTheErrorState)
{
    Start(MODE_INTEGER, RADIX_DEC);
    Keys("70000 +");
    EXPECT_EQ(1, ChangeRadix(RADIX_BIN));
    EXPECT_EQ(0, g_Calculator.m_bError);
    EXPECT_EQ("Error", Display());
    EXPECT_EQ(1, g_Calculator.m_bError);
    // Only an all clear or a reset ends it.
    EXPECT_EQ("Error", Keys("DEL dec 1 ="));
    EXPECT_EQ("0", Keys("AC"));
}

TEST_F(CalculatorTest, ErrorStateClearsEveryLevelAndLastsUntilAllClear)
{
    EXPECT_EQ("Error", Keys("2 + ( 3 + ( 1 / 0 )"));
    ExpectAllLevelsFresh();
    EXPECT_EQ("Error", Keys("5 + 2 = sqrt"));
    EXPECT_EQ("0", Keys("AC"));
    EXPECT_EQ(0, g_Calculator.m_bError);
    EXPECT_EQ("7", Keys("5 + 2 ="));
}

TEST_F(CalculatorTest, StatusTextDumpsTheCurrentLevel)
{
    Keys("2 + 3 x^y");
    WideChar szStatus[STATUS_TEXT_SIZE];
    GetStatusText(szStatus);
    EXPECT_EQ("----------------\rStatus=5, 4, 17 (6)\rm_dblData=2.000000 (3.000000)\r"
              "m_szInpBuf=[3]\r",
              Narrow(szStatus));
}

TEST_F(CalculatorTest, StatusTextStaysWithinItsBuffer)
{
    Keys("1 exp 300 + 1 exp 300 x^y");
    WideChar aBuffer[STATUS_TEXT_SIZE + 8];
    for (WideChar& ch : aBuffer)
        ch = 'x';
    GetStatusText(aBuffer);
    EXPECT_EQ(STATUS_TEXT_SIZE - 1, static_cast<int>(TextLength(aBuffer)));
    for (int i = STATUS_TEXT_SIZE; i < STATUS_TEXT_SIZE + 8; ++i)
        EXPECT_EQ('x', aBuffer[i]);
    EXPECT_EQ(0, Narrow(aBuffer).rfind("----------------\rStatus=5, 4, 17 (6)\rm_dblData=1000", 0));
}
