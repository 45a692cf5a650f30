// The one-operand functions, where their operand comes from and where their result goes, and
// their failures.

#include "tests/engine/calculator_fixture.h"

TEST_F(CalculatorTest, FunctionWhileTypingRewritesTheText)
{
    EXPECT_EQ("2", Keys("4 sqrt"));
    EXPECT_EQ(LEVEL_ENTERING, Current().m_nStatus);
    EXPECT_EQ("25", Keys("5"));
    EXPECT_EQ("16", Keys("AC 2 x^2 x^2"));
    EXPECT_EQ("7", Keys("AC 3 + 2 x^2 ="));
}

TEST_F(CalculatorTest, FunctionsGiveSixteenSignificantDigits)
{
    EXPECT_EQ("0.5235987755982989", Keys("0.5 asin"));
    EXPECT_EQ("2.718281828459045", Keys("AC 1 e^x"));
    EXPECT_EQ("1", Keys("AC 0 cos"));
    EXPECT_EQ("1000", Keys("AC 3 10^x"));
    EXPECT_EQ("3", Keys("AC 1000 log"));
    EXPECT_EQ("1.175201193643801", Keys("AC 1 sinh"));
}

TEST_F(CalculatorTest, InverseHyperbolicFunctionsUseTheirLogarithmForms)
{
    EXPECT_EQ("0.8813735870195429", Keys("1 asinh"));
    EXPECT_EQ("1.316957896924817", Keys("AC 2 acosh"));
    EXPECT_EQ("0.5493061443340549", Keys("AC 0.5 atanh"));
    // x * x swallows the 1 and the sum under the logarithm cancels to 0.
    EXPECT_EQ("Error", Keys("AC 1000000000 sign asinh"));
    EXPECT_EQ("Error", Keys("AC 1 atanh"));
    EXPECT_EQ("Error", Keys("AC 0.5 acosh"));
}

TEST_F(CalculatorTest, DomainAndRangeFailuresEnterTheErrorState)
{
    const char* apszKeys[] = {"2 sign sqrt", "0 log",  "0 ln",     "2 sign ln", "0 1/x",
                              "2 asin",      "2 acos", "1000 e^x", "400 10^x",  "1000 cosh"};
    for (const char* pszKeys : apszKeys)
    {
        Start(MODE_DECIMAL);
        EXPECT_EQ("Error", Keys(pszKeys)) << pszKeys;
        EXPECT_EQ(0u, g_ulBeepCount) << pszKeys;
    }
}

TEST_F(CalculatorTest, FunctionOnAResultChangesTheResult)
{
    EXPECT_EQ("0.25", Keys("4 = 1/x"));
    EXPECT_EQ(LEVEL_RESULT, Current().m_nStatus);
    EXPECT_EQ("0.6931471805599453", Keys("AC 2 = ln"));
    EXPECT_EQ(LEVEL_RESULT, Current().m_nStatus);
    EXPECT_EQ("5", Keys("5"));
    EXPECT_EQ("1.5", Keys("AC 4 = sqrt 1/x + 1 ="));
}

TEST_F(CalculatorTest, FunctionOnAFreshLevelActsOnItsValueUnseen)
{
    EXPECT_EQ("Error", Keys("1/x"));
    EXPECT_EQ("Error", Keys("AC log"));
    EXPECT_EQ("Error", Keys("AC ln"));
    EXPECT_EQ("0", Keys("AC cos"));
    EXPECT_EQ(1.0, Current().m_dblData);
    EXPECT_EQ(LEVEL_INITIAL, Current().m_nStatus);
}

TEST_F(CalculatorTest, FunctionAfterAnOperatorBeepsAndChangesNothing)
{
    EXPECT_EQ(1u, BeepsOf("5 + sin"));
    EXPECT_EQ("5", Display());
    EXPECT_EQ(LEVEL_OPERATOR, Current().m_nStatus);
    EXPECT_EQ("7", Keys("2 ="));
}

TEST_F(CalculatorTest, FunctionOnAnEmptyTextIsRefusedSilently)
{
    Keys("5 + DEL");
    EXPECT_EQ(0, ExecuteCommand(CMD_SQRT));
    EXPECT_EQ(0u, g_ulBeepCount);
    EXPECT_EQ("", CurrentText());
    EXPECT_EQ("5", Keys("="));
}

TEST_F(CalculatorTest, FunctionOnAClosedParenthesisRewritesItsValue)
{
    EXPECT_EQ("3", Keys("1 + ( 4 + 5 ) sqrt"));
    EXPECT_EQ(LEVEL_CLOSED, Current().m_nStatus);
    EXPECT_EQ("4", Keys("="));
}

TEST_F(CalculatorTest, FunctionMarksItsLevel)
{
    Keys("5 sin");
    EXPECT_EQ(SUB_FUNCTION, Current().m_nSubStatus);
    Keys("AC 5 + sin");
    EXPECT_EQ(SUB_FUNCTION, Current().m_nSubStatus);
}

TEST_F(CalculatorTest, BitFunctionsWorkOn32BitsOutsideBinary)
{
    Start(MODE_INTEGER, RADIX_HEX);
    EXPECT_EQ("FFFFFFFE", Keys("FFFFFFFF SHL"));
    EXPECT_EQ("0", Keys("AC 1 SHR"));
    EXPECT_EQ("7FFFFFFF", Keys("AC FFFFFFFF SHR"));
    EXPECT_EQ("FFFFFFFF", Keys("AC 0 NOT"));
    Start(MODE_INTEGER, RADIX_DEC);
    EXPECT_EQ("131070", Keys("65535 SHL"));
    EXPECT_EQ("4294967295", Keys("AC 0 NOT"));
}

TEST_F(CalculatorTest, BitFunctionsWorkOn16BitsInBinary)
{
    Start(MODE_INTEGER, RADIX_BIN);
    EXPECT_EQ("0", Keys("1000000000000000 SHL"));
    EXPECT_EQ("1111111111111111", Keys("AC 0 NOT"));
    EXPECT_EQ("1111111111111010", Keys("AC 101 NOT"));
    EXPECT_EQ("111", Keys("AC 1111 SHR"));
    EXPECT_EQ(0, g_Calculator.m_bError);
}

TEST_F(CalculatorTest, FunctionResultsInIntegerModeAreWholeNumbers)
{
    Start(MODE_INTEGER);
    EXPECT_EQ("3", Keys("10 sqrt"));
    EXPECT_EQ("4", Keys("+ 1 ="));
    Start(MODE_INTEGER, RADIX_BIN);
    EXPECT_EQ("Error", Keys("111111111 x^2"));
}
