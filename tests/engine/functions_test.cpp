// The one-operand functions: where their operand comes from, where their result goes, and their
// failures.

#include "tests/engine/calculator_fixture.h"

TEST_F(CalculatorTest, FunctionsOfTheScientificPad)
{
    const KeyCase aCases[] = {
        {"4 sqrt", "2", 0},
        {"4 sqrt 5", "25", 0},
        {"2 x^2 x^2", "16", 0},
        {"3 + 2 x^2 =", "7", 0},
        {"0.5 asin", "0.5235987755982989", 0},
        {"1 e^x", "2.718281828459045", 0},
        {"0 cos", "1", 0},
        {"3 10^x", "1000", 0},
        {"1000 log", "3", 0},
        {"1 sinh", "1.175201193643801", 0},
        {"1 asinh", "0.881373587019543", 0},
        {"2 acosh", "1.316957896924817", 0},
        {"0.5 atanh", "0.5493061443340549", 0},
        {"4 = 1/x", "0.25", 0},
        {"2 = ln", "0.6931471805599453", 0},
        {"4 = sqrt 5", "5", 0},
        {"4 = sqrt 1/x + 1 =", "1.5", 0},
        {"1 + ( 4 + 5 ) sqrt", "3", 0},
        {"1 + ( 4 + 5 ) sqrt =", "4", 0},
        {"5 + sin", "5", 1},
        {"5 + sin 2 =", "7", 1},
        {"5 + DEL sqrt =", "5", 0},
        {"cos", "0", 0},
    };
    ExpectCases(aCases);
}

TEST_F(CalculatorTest, FunctionsFailIntoTheErrorState)
{
    const KeyCase aCases[] = {
        {"2 sign sqrt", "Error", 0},
        {"0 log", "Error", 0},
        {"0 ln", "Error", 0},
        {"0 1/x", "Error", 0},
        {"2 asin", "Error", 0},
        {"2 acos", "Error", 0},
        {"1000 e^x", "Error", 0},
        {"400 10^x", "Error", 0},
        {"1000 cosh", "Error", 0},
        {"1/x", "Error", 0},
        {"log", "Error", 0},
        {"ln", "Error", 0},
        // The inverse hyperbolic functions at and beyond the ends of their domains.
        {"1 atanh", "Error", 0},
        {"1 sign atanh", "Error", 0},
        {"1.0000001 atanh", "Error", 0},
        {"0.5 acosh", "Error", 0},
        {"0.9999999999999999 acosh", "Error", 0},
        {"1 sign acosh", "Error", 0},
        {"9 exp 999 asinh", "Error", 0},
    };
    ExpectCases(aCases);
}

TEST_F(CalculatorTest, FunctionKeepsTheLevelState)
{
    Keys("cos");
    EXPECT_EQ(1.0, Current().m_dblData);
    EXPECT_EQ(LEVEL_INITIAL, Current().m_nStatus);
    EXPECT_EQ(SUB_FUNCTION, Current().m_nSubStatus);
    Keys("AC 4 = 1/x");
    EXPECT_EQ(LEVEL_RESULT, Current().m_nStatus);
    Keys("AC 4 sqrt");
    EXPECT_EQ(LEVEL_ENTERING, Current().m_nStatus);
    Keys("AC 5 + DEL");
    EXPECT_EQ(0, ExecuteCommand(CMD_SQRT));
    EXPECT_EQ("", CurrentText());
}

TEST_F(CalculatorTest, BitFunctionsWorkOn32BitsOr16InBinary)
{
    const KeyCase aHex[] = {
        {"FFFFFFFF SHL", "FFFFFFFE", 0},
        {"1 SHR", "0", 0},
        {"FFFFFFFF SHR", "7FFFFFFF", 0},
        {"0 NOT", "FFFFFFFF", 0},
    };
    ExpectCases(aHex, MODE_INTEGER, RADIX_HEX);
    const KeyCase aBinary[] = {
        {"1000000000000000 SHL", "0", 0},   {"0 NOT", "1111111111111111", 0},
        {"101 NOT", "1111111111111010", 0}, {"1111 SHR", "111", 0},
        {"111111111 x^2", "Error", 0},
    };
    ExpectCases(aBinary, MODE_INTEGER, RADIX_BIN);
    const KeyCase aDecimal[] = {
        {"65535 SHL", "131070", 0},
        {"0 NOT", "4294967295", 0},
        {"10 sqrt", "3", 0},
        {"10 sqrt + 1 =", "4", 0},
    };
    ExpectCases(aDecimal, MODE_INTEGER, RADIX_DEC);
}

TEST_F(CalculatorTest, FunctionResultKeepsItsDigitsWhileItsTextStands)
{
    const KeyCase aCases[] = {
        // As after "=": the result's double, not its 16-digit text.
        {"3 sqrt x^2", "3", 0},
        {"7 1/x 1/x", "7", 0},
        {"2 sqrt x^2 - 2 =", "4.440892098500626e-016", 0},
        {"2 + 3 sqrt x^2 =", "5", 0},
        {"( 2 ) sqrt x^2", "2", 0},
        {"2 sqrt x^y 2 =", "2", 0},
        {"2 sqrt x^y =", "1.632526919438153", 0},
        // An edit of the text makes the text the number again.
        {"4 sqrt 5", "25", 0},
        {"3 sqrt sign x^2", "2.999999999999999", 0},
        {"3 sqrt DEL x^2", "2.999999999999975", 0},
        {"3 sqrt exp 2 =", "173.2050807568877", 0},
        {"3 sqrt CE 2 x^2", "4", 0},
    };
    ExpectCases(aCases);
}

TEST_F(CalculatorTest, BitFunctionsOnTheScientificPadTakeTheWholePartAsUnsigned32Bits)
{
    const KeyCase aCases[] = {
        {"6 SHL", "12", 0},
        {"6 SHL + 1 =", "13", 0},
        {"5.7 SHR", "2", 0},
        {"0 NOT", "4294967295", 0},
        {"2.5 sign SHL", "4294967290", 0},
        {"6 = SHL", "12", 0},
        {"1 exp 10 NOT", "2884901887", 0}, // 1e10 wraps to 1410065408
    };
    ExpectCases(aCases);
}

TEST_F(CalculatorTest, RealFunctionsOfTheProgrammerPadTruncateTheTrueValue)
{
    const KeyCase aCases[] = {
        // tanh 20 rounds to 1 but lies below it; e^22 and sinh 21 need more than a double's
        // rounding of their last digits.
        {"14 tanh", "0", 0},
        {"15 sinh", "274DC3FB", 0},
        {"16 e^x", "D5AD6DCE", 0},
        {"3E8 log", "3", 0},
        {"3E7 log", "2", 0},
        {"0 acos", "1", 0},
        // Beyond 32 bits the low bits are not known; below 0 there is no text.
        {"17 e^x", "Error", 0},
        {"35 sinh", "Error", 0},
        {"2 tan", "Error", 0},
        // Integer keys keep their modulo-2^32 arithmetic.
        {"10000 x^2", "0", 0},
        {"9 10^x", "3B9ACA00", 0},
        {"A 10^x", "540BE400", 0},
    };
    ExpectCases(aCases, MODE_INTEGER, RADIX_HEX);
}
