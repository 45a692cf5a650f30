// Typing, editing and the sign of the input text, and exponent entry.

#include "tests/engine/calculator_fixture.h"

TEST_F(CalculatorTest, TypingBuildsTheText)
{
    const KeyCase aCases[] = {
        {"0 0 5", "5", 0},
        {"0 . 5", ".5", 0},
        {"0 . 5 + 0 =", "0.5", 0},
        {"12345678901234567", "1234567890123456", 1},
        {"1.2345678901234567", "1.234567890123456", 1},
        {"123456789012345 sign 6", "-123456789012345", 1},
        {"1 . 2 . A F", "1.2", 0},
        {"12 + 3", "3", 0},
        {"12 + 3 = 4", "4", 0},
        {"12 + 3 = 4 =", "4", 0},
        {"2 * ( 1 + 2 ) 7 =", "14", 0},
        {"1 / 0 = 42", "Error", 0},
    };
    ExpectCases(aCases);
}

TEST_F(CalculatorTest, LeadingZeroGoesEvenBeforeARefusedCharacter)
{
    Keys("0 A");
    EXPECT_EQ("", CurrentText());
    EXPECT_EQ(LEVEL_ENTERING, Current().m_nStatus);
}

TEST_F(CalculatorTest, EditingKeysChangeOnlyTheText)
{
    const KeyCase aCases[] = {
        {"123 DEL", "12", 0},          {"1 DEL DEL", "0", 0},     {"2 + 3 = DEL", "0", 0},
        {"2 + 3 = DEL + 1 =", "6", 0}, {"2 + 3 CE 4 =", "6", 0},  {"12 + CE", "12", 0},
        {"12 sign", "-12", 0},         {"12 sign sign", "12", 0}, {"5 = sign", "-5", 0},
        {"5 = sign + 3 =", "-2", 0},   {"5 + DEL sign", "0", 0},
    };
    ExpectCases(aCases);
    Keys("1 / 0 = 5");
    EXPECT_EQ(0, ExecuteCommand(CMD_SIGN));
    EXPECT_EQ(0u, g_ulBeepCount);
}

TEST_F(CalculatorTest, ExponentEntry)
{
    const KeyCase aCases[] = {
        {"1 exp 2345", "1e+234", 1},
        {"1 exp 2 .", "1e+2", 1},
        // CE ends exponent entry: the digits start a new number.
        {"1 exp CE 5", "5", 0},
        {"1 exp 2 CE 5 + 6 =", "11", 0},
        {"1 exp 2 CE 5 exp 3", "5e+3", 0},
        {"1 exp 23 sign", "1e-23", 0},
        {"1 exp 23 sign sign", "1e+23", 0},
        {"1 exp 2 sign =", "0.01", 0},
        {"1 exp 23 DEL DEL DEL", "1e+", 0},
        {"1 exp 23 DEL DEL DEL 5", "1e+5", 0},
        {"1.5 exp 3 + 0 =", "1500", 0},
        {"2 exp + 1 =", "3", 0},
        {"5 + exp 1 =", "6", 0},
        {"5 = exp", "5", 0},
    };
    ExpectCases(aCases);
    Keys("1 exp 2 +");
    EXPECT_EQ(0, g_Calculator.m_bExpInput);
}
