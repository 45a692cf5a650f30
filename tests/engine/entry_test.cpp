// Typing, editing and the sign of the input text, and exponent entry.

#include "tests/engine/calculator_fixture.h"

TEST_F(CalculatorTest, LeadingZeroIsAlwaysReplaced)
{
    EXPECT_EQ("5", Keys("0 0 5"));
    EXPECT_EQ(".5", Keys("AC 0 . 5"));
    EXPECT_EQ("0.5", Keys("+ 0 ="));
    // Even by a character that is then refused.
    Keys("AC 0 A");
    EXPECT_EQ("", CurrentText());
    EXPECT_EQ(LEVEL_ENTERING, Current().m_nStatus);
}

TEST_F(CalculatorTest, MantissaTakesSixteenCharactersBesidesThePoint)
{
    EXPECT_EQ(1u, BeepsOf("12345678901234567"));
    EXPECT_EQ("1234567890123456", CurrentText());
    Keys("AC");
    EXPECT_EQ(1u, BeepsOf("1.2345678901234567"));
    EXPECT_EQ("1.234567890123456", CurrentText());
    // A minus sign counts as one of the sixteen.
    Keys("AC 123456789012345 sign");
    EXPECT_EQ(1u, BeepsOf("6"));
    EXPECT_EQ("-123456789012345", CurrentText());
}

TEST_F(CalculatorTest, RefusedCharactersAreSilent)
{
    EXPECT_EQ(0u, BeepsOf("1 . 2 . A F"));
    EXPECT_EQ("1.2", CurrentText());
    EXPECT_EQ(0, EnterChar('x'));
    EXPECT_EQ(0, EnterChar('.'));
}

TEST_F(CalculatorTest, TypingAfterAnOperatorResultOrParenthesisStartsANewNumber)
{
    EXPECT_EQ("3", Keys("12 + 3"));
    EXPECT_EQ("4", Keys("= 4"));
    EXPECT_EQ("4", Keys("="));
    EXPECT_EQ("7", Keys("AC 2 * ( 1 + 2 ) 7"));
    EXPECT_EQ("14", Keys("="));
}

TEST_F(CalculatorTest, DeleteRemovesTheLastCharacter)
{
    EXPECT_EQ("12", Keys("123 DEL"));
    EXPECT_EQ("0", Keys("DEL DEL"));
    EXPECT_EQ(0u, BeepsOf("DEL"));
    EXPECT_EQ(LEVEL_ENTERING, Current().m_nStatus);
}

TEST_F(CalculatorTest, DeleteAfterAResultShowsZeroAndKeepsTheValue)
{
    EXPECT_EQ("0", Keys("2 + 3 = DEL"));
    EXPECT_EQ("5", Keys("+"));
    EXPECT_EQ("6", Keys("1 ="));
}

TEST_F(CalculatorTest, ClearEntryEmptiesOnlyTheText)
{
    EXPECT_EQ("0", Keys("2 + 3 CE"));
    EXPECT_EQ(LEVEL_ENTERING, Current().m_nStatus);
    EXPECT_EQ("6", Keys("4 ="));
    EXPECT_EQ("12", Keys("AC 12 + CE"));
    EXPECT_EQ(LEVEL_OPERATOR, Current().m_nStatus);
}

TEST_F(CalculatorTest, SignTogglesTheTextOrNegatesTheValue)
{
    EXPECT_EQ("-12", Keys("12 sign"));
    EXPECT_EQ("12", Keys("sign"));
    EXPECT_EQ("-5", Keys("AC 5 = sign"));
    EXPECT_EQ(LEVEL_RESULT, Current().m_nStatus);
    EXPECT_EQ("-2", Keys("+ 3 ="));
    // An empty text has no sign to change.
    EXPECT_EQ("0", Keys("AC 5 + DEL sign"));
    EXPECT_EQ("", CurrentText());
}

TEST_F(CalculatorTest, SignIsRefusedSilentlyInTheErrorState)
{
    Keys("1 / 0 = 5");
    EXPECT_EQ(0, ExecuteCommand(CMD_SIGN));
    EXPECT_EQ(0u, g_ulBeepCount);
}

TEST_F(CalculatorTest, ExponentTakesAtMostThreeDigits)
{
    EXPECT_EQ(1u, BeepsOf("1 exp 2345"));
    EXPECT_EQ("1e+234", Display());
    EXPECT_EQ(1u, BeepsOf("."));
    EXPECT_EQ("1e+234", Display());
}

TEST_F(CalculatorTest, ExponentDigitsNeedAMark)
{
    Keys("1 exp CE");
    EXPECT_EQ(0u, BeepsOf("5"));
    EXPECT_EQ("0", Display());
    EXPECT_EQ(1, g_Calculator.m_bExpInput);
    EXPECT_EQ("6", Keys("+ 6 ="));
}

TEST_F(CalculatorTest, ExponentSignToggles)
{
    EXPECT_EQ("1e-23", Keys("1 exp 23 sign"));
    EXPECT_EQ("1e+23", Keys("sign"));
    EXPECT_EQ("0.01", Keys("AC 1 exp 2 sign ="));
}

TEST_F(CalculatorTest, DeleteNeverRemovesTheExponentMark)
{
    EXPECT_EQ("1e+", Keys("1 exp 23 DEL DEL DEL"));
    EXPECT_EQ(1, g_Calculator.m_bExpInput);
    EXPECT_EQ("1e+5", Keys("5"));
}

TEST_F(CalculatorTest, ExponentEntryEndsWithTheNumber)
{
    EXPECT_EQ("1500", Keys("1.5 exp 3 + 0 ="));
    EXPECT_EQ(0, g_Calculator.m_bExpInput);
    // A dangling mark reads as the mantissa.
    EXPECT_EQ("3", Keys("AC 2 exp + 1 ="));
}

TEST_F(CalculatorTest, ExponentOnAnEmptyTextDoesNothing)
{
    EXPECT_EQ("5", Keys("5 + exp"));
    EXPECT_EQ(0, g_Calculator.m_bExpInput);
    EXPECT_EQ(LEVEL_OPERATOR, Current().m_nStatus);
    EXPECT_EQ("5", Keys("AC 5 = exp"));
    EXPECT_EQ(LEVEL_RESULT, Current().m_nStatus);
}

TEST_F(CalculatorTest, CharactersAreTypedUnseenInTheErrorState)
{
    Keys("1 / 0 = 42");
    EXPECT_EQ("Error", Display());
    EXPECT_EQ("42", CurrentText());
}
