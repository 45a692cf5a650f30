// Behaviour chosen where the keypad's rules leave it open: the unsigned conversion, the end of
// the input text, the power next to operators and functions.

#include "tests/engine/calculator_fixture.h"

#include <cmath>

TEST_F(CalculatorTest, IntegersTruncateTowardZeroAndWrapModulo2To32)
{
    ExpectCases({{"3 - 5 =", "4294967294", 0},
                 {"3 - 5 = hex", "FFFFFFFE", 0},
                 {"5 = sign", "4294967291", 0}},
                MODE_INTEGER, RADIX_DEC);
    ExpectCases({{"3 - 5 =", "FFFFFFFE", 0}}, MODE_INTEGER, RADIX_HEX);
    ExpectCases({{"11 - 101 =", "Error", 0}}, MODE_INTEGER, RADIX_BIN);
    Start(MODE_INTEGER);
    for (double dblValue : {2.9, -2.9, 4294967296.0 + 3, -4294967296.0})
    {
        WideChar szText[INPUT_TEXT_SIZE];
        FormatNumber(dblValue, szText);
        double dblWrapped = std::fmod(std::trunc(dblValue), 4294967296.0);
        EXPECT_EQ(dblWrapped < 0 ? dblWrapped + 4294967296.0 : dblWrapped, ParseNumber(szText))
            << dblValue;
    }
}

TEST_F(CalculatorTest, NonFiniteIntegersAreErrorsInEveryRadix)
{
    for (int nRadix : {RADIX_DEC, RADIX_HEX, RADIX_OCT, RADIX_BIN})
        ExpectCases({{"1 / 0 =", "Error", 0}, {"0 / 0 =", "Error", 0}}, MODE_INTEGER, nRadix);
    Start(MODE_INTEGER);
    EXPECT_EQ(1, CheckRange(1e12));
    EXPECT_EQ(0, CheckRange(INFINITY));
}

TEST_F(CalculatorTest, ExponentKeyLeavesATextWithAMarkAsItIs)
{
    const KeyCase aCases[] = {
        {"1 exp exp 5", "1e+5", 0},
        {"1 exp exp 5 =", "100000", 0},
        {"1 exp 5 sign exp 2", "1e-52", 0},
        // A value written as text carries its mark too.
        {"1 exp 20 sign sqrt exp", "1e-010", 0},
        {"1 exp 20 sign sqrt exp =", "1e-010", 0},
    };
    ExpectCases(aCases);
}

TEST_F(CalculatorTest, PowerNextToOperatorsAndFunctions)
{
    const KeyCase aCases[] = {
        {"2 + x^y", "2", 1},
        {"2 + x^y 3 =", "5", 1},
        {"1 + 2 x^y 3 x^y 2 =", "65", 0},
        {"1 - 2 x^y 3 x^y 2 - 8 =", "-71", 0},
        {"1 + 2 x^y x^y =", "5", 1},
        {"2 x^y sin", "2", 1},
        {"2 x^y sin 3 =", "8", 1},
        {"2 x^y 3 x^2 =", "512", 0},
        {"1 + 2 x^y 4 sqrt =", "5", 0},
    };
    ExpectCases(aCases);

    Keys("2 + x^y");
    EXPECT_EQ(LEVEL_OPERATOR, Current().m_nStatus);
    EXPECT_EQ(CMD_ADD, Current().m_nOp);
    Keys("AC 2 x^y sin");
    EXPECT_EQ(LEVEL_POWER, Current().m_nStatus);
    EXPECT_EQ(SUB_POW_TEXT, Current().m_nSubStatus);

    // A function on the typed exponent is as good as typing its result.
    std::string sine = Keys("AC 3 sin");
    EXPECT_EQ(Keys(("AC 2 x^y " + sine + " =").c_str()), Keys("AC 2 x^y 3 sin ="));
}
