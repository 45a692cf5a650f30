// Behaviour chosen where the keypad's rules leave it open: unsigned conversion, buffer limits,
// the power next to operators and functions.

#include "tests/engine/calculator_fixture.h"

#include <cmath>

TEST_F(CalculatorTest, NegativeIntegersWrapModulo2To32)
{
    Start(MODE_INTEGER, RADIX_DEC);
    EXPECT_EQ("4294967294", Keys("3 - 5 ="));
    EXPECT_EQ("FFFFFFFE", Keys("hex"));
    Start(MODE_INTEGER, RADIX_HEX);
    EXPECT_EQ("FFFFFFFE", Keys("3 - 5 ="));
    Start(MODE_INTEGER, RADIX_BIN);
    EXPECT_EQ("Error", Keys("11 - 101 ="));
}

TEST_F(CalculatorTest, IntegerConversionTruncatesTowardZeroAndWraps)
{
    Start(MODE_INTEGER, RADIX_DEC);
    WideChar szText[INPUT_TEXT_SIZE];
    const struct
    {
        double dblValue;
        const char* pszText;
    } aCases[] = {{2.9, "2"}, {-2.9, "4294967294"}, {4294967296.0 + 3, "3"}, {-4294967296.0, "0"}};
    for (const auto& c : aCases)
    {
        FormatNumber(c.dblValue, szText);
        EXPECT_EQ(c.pszText, Narrow(szText)) << c.dblValue;
    }
    EXPECT_EQ("4294967291", Keys("AC 5 = sign"));
}

TEST_F(CalculatorTest, NonFiniteIntegerResultsAreErrorsInEveryRadix)
{
    const int aRadixes[] = {RADIX_DEC, RADIX_HEX, RADIX_OCT, RADIX_BIN};
    for (int nRadix : aRadixes)
    {
        Start(MODE_INTEGER, nRadix);
        EXPECT_EQ("Error", Keys("1 / 0 =")) << nRadix;
        Start(MODE_INTEGER, nRadix);
        EXPECT_EQ("Error", Keys("0 / 0 =")) << nRadix;
    }
    Start(MODE_INTEGER);
    EXPECT_EQ(0, CheckRange(INFINITY));
    Start(MODE_INTEGER);
    EXPECT_EQ(0, CheckRange(NAN));
    Start(MODE_INTEGER);
    EXPECT_EQ(1, CheckRange(1e12));
}

TEST_F(CalculatorTest, RepeatedExponentStopsAtTheEndOfTheText)
{
    Keys("1");
    // "1" and 31 marks fill the 63 characters.
    for (int i = 0; i < 31; ++i)
        ASSERT_EQ(0u, BeepsOf("exp")) << i;
    EXPECT_EQ(INPUT_TEXT_SIZE - 1, static_cast<int>(TextLength(Current().m_szInpBuf)));
    EXPECT_EQ(3u, BeepsOf("exp exp exp"));
    EXPECT_EQ(INPUT_TEXT_SIZE - 1, static_cast<int>(TextLength(Current().m_szInpBuf)));
    EXPECT_EQ(INPUT_TEXT_SIZE - 1, static_cast<int>(Display().size()));
    // A sign in front would not fit either.
    Keys("x^y");
    std::string full = CurrentText();
    EXPECT_EQ(1u, BeepsOf("sign"));
    EXPECT_EQ(full, CurrentText());
}

TEST_F(CalculatorTest, PowerAfterAnOperatorBeepsAndChangesNothing)
{
    Keys("2 +");
    EXPECT_EQ(1u, BeepsOf("x^y"));
    EXPECT_EQ("2", Display());
    EXPECT_EQ(LEVEL_OPERATOR, Current().m_nStatus);
    EXPECT_EQ(CMD_ADD, Current().m_nOp);
    EXPECT_EQ("5", Keys("3 ="));
}

TEST_F(CalculatorTest, ChainedPowerKeepsTheSavedOperator)
{
    EXPECT_EQ("65", Keys("1 + 2 x^y 3 x^y 2 ="));
    EXPECT_EQ("-71", Keys("AC 1 - 2 x^y 3 x^y 2 - 8 ="));
    EXPECT_EQ("17", Keys("AC 1 + 2 x^y x^y ="));
}

TEST_F(CalculatorTest, FunctionRightAfterPowerBeepsAndKeepsThePower)
{
    EXPECT_EQ(1u, BeepsOf("2 x^y sin"));
    EXPECT_EQ("2", Display());
    EXPECT_EQ(LEVEL_POWER, Current().m_nStatus);
    EXPECT_EQ(CMD_POWER, Current().m_nOp);
    EXPECT_EQ(SUB_POW_TEXT, Current().m_nSubStatus);
    EXPECT_EQ("8", Keys("3 ="));
}

TEST_F(CalculatorTest, FunctionOnATypedExponentKeepsThePower)
{
    std::string sine = Keys("3 sin");
    Start(MODE_DECIMAL);
    std::string direct = Keys(("2 x^y " + sine + " =").c_str());
    Start(MODE_DECIMAL);
    EXPECT_EQ(0u, BeepsOf("2 x^y 3 sin ="));
    EXPECT_EQ(direct, Display());
    EXPECT_EQ("512", Keys("AC 2 x^y 3 x^2 ="));
    EXPECT_EQ("5", Keys("AC 1 + 2 x^y 4 sqrt ="));
}
