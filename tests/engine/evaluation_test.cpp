// Binary operators and the order of evaluation, "=", the power and parentheses.

#include "tests/engine/calculator_fixture.h"

TEST_F(CalculatorTest, OperatorsApplyLeftToRightWithoutPrecedence)
{
    EXPECT_EQ("5", Keys("2 + 3 ="));
    EXPECT_EQ("9", Keys("AC 1 + 2 * 3 ="));
    EXPECT_EQ("3", Keys("AC 10 - 4 / 2 ="));
    EXPECT_EQ("5", Keys("AC 2 + 3 *"));
}

TEST_F(CalculatorTest, SecondOperatorReplacesTheFirst)
{
    EXPECT_EQ("5", Keys("5 + ="));
    EXPECT_EQ("15", Keys("AC 5 + * 3 ="));
}

TEST_F(CalculatorTest, EqualsOnAFreshCalculatorDoesNothing)
{
    EXPECT_EQ(0, ExecuteCommand(CMD_EQUAL));
    EXPECT_EQ("0", Display());
    EXPECT_EQ(LEVEL_INITIAL, Current().m_nStatus);
    EXPECT_EQ(1, ExecuteCommand(CMD_ADD));
    EXPECT_EQ(LEVEL_INITIAL, Current().m_nStatus);
}

TEST_F(CalculatorTest, EqualsDoesNotRepeatTheLastOperation)
{
    EXPECT_EQ("5", Keys("2 + 3 = ="));
    EXPECT_EQ("10", Keys("* 2 ="));
}

TEST_F(CalculatorTest, ZeroResultIsShownInExponentialNotation)
{
    EXPECT_EQ("0.00000000000000e+000", Keys("2 - 2 ="));
}

TEST_F(CalculatorTest, ResultsThatCannotBeShownEnterTheErrorState)
{
    EXPECT_EQ("Error", Keys("1 / 0 ="));
    EXPECT_EQ("0", Keys("AC"));
    EXPECT_EQ("Error", Keys("0 / 0 ="));
    EXPECT_EQ("Error", Keys("AC 1 exp 300 * 1 exp 300 ="));
    EXPECT_EQ(0u, g_ulBeepCount);
}

TEST_F(CalculatorTest, PowerSavesThePendingOperator)
{
    Keys("2 + 3 x^y");
    EXPECT_EQ("3", Display());
    EXPECT_EQ(CMD_ADD, g_Calculator.m_nPowSavedOp);
    EXPECT_EQ(3.0, g_Calculator.m_dblPowBase);
    EXPECT_EQ(SUB_POW_SAVED, Current().m_nSubStatus);
    EXPECT_EQ(CMD_POWER, Current().m_nOp);
    EXPECT_EQ(LEVEL_POWER, Current().m_nStatus);
    EXPECT_EQ("2", Keys("2"));
    EXPECT_EQ(LEVEL_ENTERING, Current().m_nStatus);
    EXPECT_EQ(SUB_POW_SAVED, Current().m_nSubStatus);
    EXPECT_EQ("11", Keys("="));
    EXPECT_EQ("17", Keys("AC 2 * 3 x^y 2 - 1 ="));
}

TEST_F(CalculatorTest, EvaluationCompletesAPendingPower)
{
    Keys("2 x^y 3");
    EXPECT_EQ(1, EvaluateLevel());
    EXPECT_EQ(8.0, Current().m_dblData);
    EXPECT_EQ(8.0, g_Calculator.m_dblPowBase);
    EXPECT_EQ(CMD_NONE, Current().m_nOp);
    EXPECT_EQ("3", CurrentText());

    Keys("AC 1 + 2 x^y 3");
    EXPECT_EQ(1, EvaluateLevel());
    EXPECT_EQ(9.0, Current().m_dblData);
    EXPECT_EQ(CMD_NONE, Current().m_nOp);
    EXPECT_EQ(LEVEL_ENTERING, Current().m_nStatus);
    EXPECT_EQ("", CurrentText());
}

TEST_F(CalculatorTest, SavedOperatorTakesThePowerAsShown)
{
    // The square root of 2 is written with 16 digits and read back before the + applies.
    EXPECT_EQ("0.00000000000000e+000", Keys("0 + 2 x^y 0.5 - 1.414213562373095 ="));
}

TEST_F(CalculatorTest, PowerReadsTheShownTextWhenNoExponentIsTyped)
{
    EXPECT_EQ("4", Keys("2 x^y ="));
    EXPECT_EQ("1024", Keys("AC 2 x^y 10 ="));
    EXPECT_EQ("8", Keys("AC 2 x^y 3 +"));
    EXPECT_EQ("9", Keys("1 ="));
}

TEST_F(CalculatorTest, PowersChainLeftToRight)
{
    EXPECT_EQ("64", Keys("2 x^y 3 x^y 2 ="));
    EXPECT_EQ("64", Keys("AC 2 = x^y 3 x^y 2 ="));
}

TEST_F(CalculatorTest, PowerTwiceInARowBeepsAndKeepsTheOldBase)
{
    EXPECT_EQ(1u, BeepsOf("2 x^y x^y"));
    EXPECT_EQ("4", Display());
    EXPECT_EQ(2.0, g_Calculator.m_dblPowBase);
    EXPECT_EQ("16", Keys("="));
}

TEST_F(CalculatorTest, PowerOfAResultTakesTheValue)
{
    Keys("5 = x^y");
    EXPECT_EQ(SUB_POW_VALUE, Current().m_nSubStatus);
    EXPECT_EQ("0", Display());
    EXPECT_EQ("25", Keys("2 ="));
    // The exponent's text does not outlive the result.
    EXPECT_EQ("8", Keys("AC 2 x^y 3 = x^y ="));
}

TEST_F(CalculatorTest, PowerNeedsABase)
{
    EXPECT_EQ(1u, BeepsOf("x^y"));
    EXPECT_EQ(LEVEL_INITIAL, Current().m_nStatus);
    EXPECT_EQ(1u, BeepsOf("( x^y"));
    EXPECT_EQ(LEVEL_INITIAL, Current().m_nStatus);
}

TEST_F(CalculatorTest, OverflowingPowerEntersTheErrorState)
{
    EXPECT_EQ("Error", Keys("10 x^y 400 ="));
    EXPECT_EQ("Error", Keys("AC 1 + 10 x^y 400 ="));
    EXPECT_EQ("Error", Keys("AC 10 x^y 400 x^y"));
    EXPECT_EQ(0u, g_ulBeepCount);
}

TEST_F(CalculatorTest, ParenthesesEvaluateFirst)
{
    EXPECT_EQ("9", Keys("( 1 + 2 ) * 3 ="));
    EXPECT_EQ("45", Keys("AC 5 * ( 1 + 2 ) x^y 2 ="));
    EXPECT_EQ("12", Keys("AC 2 * ( 3 + ( 4 - 1 ) ) ="));
}

TEST_F(CalculatorTest, ClosedParenthesisStandsAsText)
{
    EXPECT_EQ("3", Keys("5 * ( 1 + 2 )"));
    EXPECT_EQ(LEVEL_CLOSED, Current().m_nStatus);
    EXPECT_EQ(5.0, Current().m_dblData);
    EXPECT_EQ(CMD_MUL, Current().m_nOp);
    EXPECT_EQ("15", Keys("="));
}

TEST_F(CalculatorTest, EqualsClosesOpenParentheses)
{
    EXPECT_EQ("8", Keys("5 + ( 1 + 2 ="));
    EXPECT_EQ("26", Keys("AC 2 * ( 3 + ( 4 + 6 ="));
}

TEST_F(CalculatorTest, EmptyParenthesisDropsBackToLevelZeroSilently)
{
    EXPECT_EQ(0u, BeepsOf("( )"));
    EXPECT_EQ(0, g_Calculator.m_nLevel);
    EXPECT_EQ(LEVEL_INITIAL, Current().m_nStatus);
    EXPECT_EQ("5", Keys("AC 5 + ( )"));
    EXPECT_EQ(0, g_Calculator.m_nLevel);
    EXPECT_EQ("7", Keys("2 ="));
    EXPECT_EQ("5", Keys("AC 5 + ( ="));
    EXPECT_EQ(0, g_Calculator.m_nLevel);
}

TEST_F(CalculatorTest, ParenthesisOpensOnlyAfterAnOperatorOrFirst)
{
    EXPECT_EQ(0u, BeepsOf("("));
    EXPECT_EQ(1, g_Calculator.m_nLevel);
    EXPECT_EQ(1u, BeepsOf("("));
    EXPECT_EQ(1u, BeepsOf("AC 5 ("));
    EXPECT_EQ(1u, BeepsOf("= ("));
    EXPECT_EQ(0, g_Calculator.m_nLevel);
    EXPECT_EQ(1u, BeepsOf(")"));
}

TEST_F(CalculatorTest, TwentyLevelsAtMost)
{
    Keys("(");
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(0u, BeepsOf("1 + ("));
    EXPECT_EQ(MAX_LEVELS - 1, g_Calculator.m_nLevel);
    EXPECT_EQ(1u, BeepsOf("1 + ("));
    EXPECT_EQ(MAX_LEVELS - 1, g_Calculator.m_nLevel);
    EXPECT_EQ("20", Keys("1 ="));
}

TEST_F(CalculatorTest, ErrorInsideAParenthesisClearsEverything)
{
    EXPECT_EQ("Error", Keys("2 + ( 1 / 0 )"));
    EXPECT_EQ(0, g_Calculator.m_nLevel);
}

TEST_F(CalculatorTest, IntegerModeDropsFractionsAfterEveryOperation)
{
    Start(MODE_INTEGER);
    EXPECT_EQ("3", Keys("7 / 2 ="));
    EXPECT_EQ("6", Keys("AC ( 7 / 2 ) * 2 ="));
    EXPECT_EQ("7", Keys("AC 7 / 2 * 2 + 1 ="));
}

TEST_F(CalculatorTest, BitOperatorsWorkOnWholeNumbers)
{
    Start(MODE_INTEGER);
    EXPECT_EQ("8", Keys("12 AND 10 ="));
    EXPECT_EQ("14", Keys("AC 12 OR 10 ="));
    EXPECT_EQ("6", Keys("AC 12 XOR 10 ="));
    Start(MODE_DECIMAL);
    EXPECT_EQ("1", Keys("5.7 AND 3.9 ="));
}
