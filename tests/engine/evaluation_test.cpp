// Binary operators and the order of evaluation, "=", the power and parentheses.

#include "tests/engine/calculator_fixture.h"

TEST_F(CalculatorTest, OperatorsApplyLeftToRight)
{
    const KeyCase aCases[] = {
        {"2 + 3 =", "5", 0},
        {"1 + 2 * 3 =", "9", 0},
        {"10 - 4 / 2 =", "3", 0},
        {"2 + 3 *", "5", 0},
        {"5 + =", "5", 0},
        {"5 + * 3 =", "15", 0},
        {"=", "0", 0},
        {"+ =", "0", 0},
        {"2 + 3 = =", "5", 0},
        {"2 + 3 = * 2 =", "10", 0},
        // A computed zero, -0 too, is a plain "0" wherever it is written.
        {"2 - 2 =", "0", 0},
        {"2 - 2 = sign", "0", 0},
        {"3 + ( 2 - 2 )", "0", 0},
        {"3 + ( 2 - 2 ) * 5 =", "15", 0},
        {"1 sign * 0 =", "0", 0},
        {"1 / 0 =", "Error", 0},
        {"0 / 0 =", "Error", 0},
        {"1 exp 300 * 1 exp 300 =", "Error", 0},
        {"5.7 AND 3.9 =", "1", 0},
    };
    ExpectCases(aCases);
    Start(MODE_DECIMAL);
    EXPECT_EQ(0, ExecuteCommand(CMD_EQUAL));
    EXPECT_EQ(LEVEL_INITIAL, Current().m_nStatus);
}

TEST_F(CalculatorTest, IntegerOperatorsDropFractions)
{
    const KeyCase aCases[] = {
        {"12 AND 10 =", "8", 0}, {"12 OR 10 =", "14", 0},     {"12 XOR 10 =", "6", 0},
        {"7 / 2 =", "3", 0},     {"( 7 / 2 ) * 2 =", "6", 0}, {"7 / 2 * 2 + 1 =", "7", 0},
    };
    ExpectCases(aCases, MODE_INTEGER);
}

TEST_F(CalculatorTest, PowerBindsTighterAndChainsLeftToRight)
{
    const KeyCase aCases[] = {
        {"2 + 3 x^y 2 =", "11", 0},
        {"2 * 3 x^y 2 - 1 =", "17", 0},
        {"2 x^y =", "4", 0},
        {"2 x^y 10 =", "1024", 0},
        {"2 x^y 3 +", "8", 0},
        {"2 x^y 3 + 1 =", "9", 0},
        {"2 x^y 3 x^y 2 =", "64", 0},
        {"2 = x^y 3 x^y 2 =", "64", 0},
        // A second x^y before an exponent is refused and changes nothing.
        {"2 x^y x^y", "2", 1},
        {"2 x^y x^y =", "4", 1},
        {"2 x^y x^y 3 =", "8", 1},
        {"5 = x^y", "0", 0},
        {"5 = x^y 2 =", "25", 0},
        // The exponent's text does not outlive the result.
        {"2 x^y 3 = x^y =", "8", 0},
        {"x^y", "0", 1},
        {"( x^y", "0", 1},
        {"10 x^y 400 =", "Error", 0},
        {"1 + 10 x^y 400 =", "Error", 0},
        {"10 x^y 400 x^y", "Error", 0},
        // The power is written with 16 digits and read back before the saved + applies.
        {"0 + 2 x^y 0.5 - 1.414213562373095 =", "0", 0},
    };
    ExpectCases(aCases);
}

TEST_F(CalculatorTest, PowerRecordsHowItResumes)
{
    Keys("2 + 3 x^y");
    EXPECT_EQ(CMD_ADD, g_Calculator.m_nPowSavedOp);
    EXPECT_EQ(3.0, g_Calculator.m_dblPowBase);
    EXPECT_EQ(SUB_POW_SAVED, Current().m_nSubStatus);
    EXPECT_EQ(CMD_POWER, Current().m_nOp);
    EXPECT_EQ(LEVEL_POWER, Current().m_nStatus);
    Keys("2");
    EXPECT_EQ(SUB_POW_SAVED, Current().m_nSubStatus);
    EXPECT_EQ(1, EvaluateLevel());
    EXPECT_EQ(11.0, Current().m_dblData);
    EXPECT_EQ("", CurrentText());

    Keys("AC 5 = x^y");
    EXPECT_EQ(SUB_POW_VALUE, Current().m_nSubStatus);
    Keys("AC 2 x^y 3");
    EXPECT_EQ(SUB_POW_TEXT, Current().m_nSubStatus);
    EXPECT_EQ(1, EvaluateLevel());
    EXPECT_EQ(8.0, Current().m_dblData);
    EXPECT_EQ(CMD_NONE, Current().m_nOp);
    EXPECT_EQ("3", CurrentText());
}

TEST_F(CalculatorTest, ParenthesesNestUpToTwentyLevels)
{
    const KeyCase aCases[] = {
        {"( 1 + 2 ) * 3 =", "9", 0},
        {"5 * ( 1 + 2 ) x^y 2 =", "45", 0},
        {"2 * ( 3 + ( 4 - 1 ) ) =", "12", 0},
        {"5 * ( 1 + 2 ) =", "15", 0},
        {"5 + ( 1 + 2 =", "8", 0},
        {"2 * ( 3 + ( 4 + 6 =", "26", 0},
        {"( )", "0", 0},
        {"5 + ( ) 2 =", "7", 0},
        {"5 + ( =", "5", 0},
        {"( (", "0", 1},
        {"5 (", "5", 1},
        {"5 = (", "5", 1},
        {")", "0", 1},
        {"2 + ( 1 / 0 )", "Error", 0},
    };
    ExpectCases(aCases);

    Keys("5 * ( 1 + 2 )");
    EXPECT_EQ(LEVEL_CLOSED, Current().m_nStatus);
    EXPECT_EQ(5.0, Current().m_dblData);
    EXPECT_EQ(CMD_MUL, Current().m_nOp);
    Keys("AC 5 + ( )");
    EXPECT_EQ(0, g_Calculator.m_nLevel);

    Keys("AC (");
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(0u, BeepsOf("1 + ("));
    EXPECT_EQ(MAX_LEVELS - 1, g_Calculator.m_nLevel);
    EXPECT_EQ(1u, BeepsOf("1 + ("));
    EXPECT_EQ("20", Keys("1 ="));
}
