// What the display shows at the functions' edges: the text of the double nearest the true value
// (mpmath), which a short decimal shows exactly, with no allowance in its last digit; and the
// special values outside the domains. function_accuracy_test.cpp checks the doubles themselves.

#include "engine/command_codes.h"
#include "engine/double_double.h"
#include "engine/real_functions.h"
#include "tests/engine/calculator_fixture.h"

#include <cmath>

namespace
{

double Evaluate(unsigned nCode, double x)
{
    return RoundToDouble(EvaluateRealFunction(nCode, x));
}

} // namespace

TEST(InverseHyperbolicTest, OutsideTheDomainIsNotANumber)
{
    EXPECT_TRUE(std::isnan(Evaluate(CMD_ACOSH, 0.9999999999999999)));
    EXPECT_TRUE(std::isnan(Evaluate(CMD_ACOSH, -INFINITY)));
    EXPECT_TRUE(std::isnan(Evaluate(CMD_ATANH, 1.0000000000000002)));
    EXPECT_TRUE(std::isnan(Evaluate(CMD_ASINH, NAN)));
    EXPECT_EQ(INFINITY, Evaluate(CMD_ATANH, 1.0));
    EXPECT_EQ(-INFINITY, Evaluate(CMD_ATANH, -1.0));
    EXPECT_EQ(-INFINITY, Evaluate(CMD_ASINH, -INFINITY));
    EXPECT_EQ(INFINITY, Evaluate(CMD_ACOSH, INFINITY));
    EXPECT_TRUE(std::signbit(Evaluate(CMD_ASINH, -0.0)));
    EXPECT_TRUE(std::signbit(Evaluate(CMD_ATANH, -0.0)));
}

TEST_F(CalculatorTest, DisplayShowsTheTrueValue)
{
    const KeyCase aCases[] = {
        // Short decimals, exactly.
        {"5 x^y 2 sign =", "0.04", 0},
        {"10 x^y 5 sign =", "1e-005", 0},
        {"5 sign 10^x", "1e-005", 0},
        {"3 0 0 sign 10^x", "1.00000000000000e-300", 0},
        {"22 10^x", "1.00000000000000e+022", 0},
        {"2 x^y 10 sign =", "0.0009765625", 0},
        {"4 x^y 0.5 =", "2", 0},
        {"1 exp 308 x^y 1 sign =", "1.00000000000000e-308", 0},
        // e^x where it underflows and overflows; the runtime is not asked below -746.
        {"2000 sign e^x", "0", 0},
        {"1024 sign e^x", "0", 0},
        {"746 sign e^x", "0", 0},
        {"745 sign e^x", "4.94065645841247e-324", 0},
        {"709 e^x", "8.21840746155497e+307", 0},
        {"710 e^x", "Error", 0},
        // pow and the rest at their edges.
        {"0 x^y 1 sign =", "Error", 0},
        {"0 sign x^y 3 sign =", "Error", 0},
        {"2 sign x^y 0.5 =", "Error", 0},
        {"0 x^y 0 =", "1", 0},
        {"0.5 x^y 1 exp 300 =", "0", 0},
        {"2 x^y 1074 sign =", "4.94065645841247e-324", 0},
        {"2 sign x^y 1075 sign =", "0", 0},
        {"0 sign sqrt", "0", 0},
        {"9 exp 999 sin", "Error", 0},
        {"1 exp 308 cos", "-0.8913089376870335", 0},
        {"1 exp 19 tan", "2.472793765846527", 0},
        {"710 sinh", "1.11699738308086e+308", 0},
        {"710 cosh", "1.11699738308086e+308", 0},
        // Large arguments of the trigonometric functions, the inverse hyperbolics far out and
        // near their edges, and the rest.
        {"1 exp 22 sin", "-0.8522008497671888", 0},
        {"1 exp 22 cos", "0.523214785395139", 0},
        {"1 exp 17 sin", "-0.4645301048353727", 0},
        {"100000 sin", "0.03574879797201651", 0},
        {"123456789 cos", "0.1402596815339096", 0},
        {"1 exp 300 tan", "1.421448823874724", 0},
        {"1 sign exp 9 asinh", "-21.41641301750636", 0},
        {"1 exp 155 acosh", "357.593836594637", 0},
        {"1 exp 10 sign asinh", "1e-010", 0},
        {"1.0000001 acosh", "0.0004472135919037347", 0},
        {"0.0000001 atanh", "1.000000000000003e-007", 0},
        {"0.9999999999 atanh", "11.85949901385502", 0},
        {"1.797693134862315 exp 308 asinh", "710.475860073944", 0},
        {"700 e^x", "1.01423205473500e+304", 0},
        {"700 sign e^x", "9.85967654375977e-305", 0},
        {"2 x^y 0.5 =", "1.414213562373095", 0},
        {"2 sign x^y 3 sign =", "-0.125", 0},
        {"1 exp 200 x^y 1.5 =", "1.00000000000000e+300", 0},
        {"0.5 sign 10^x", "0.3162277660168379", 0},
        {"307.5 10^x", "3.16227766016838e+307", 0},
        {"2 ln", "0.6931471805599453", 0},
        {"1 exp 300 log", "300", 0},
        {"1 exp 300 sign sqrt", "1.00000000000000e-150", 0},
        {"1.5 sinh", "2.129279455094817", 0},
        {"700 cosh", "5.07116027367502e+303", 0},
        {"0.5 tanh", "0.4621171572600097", 0},
        {"0.999 asin", "1.526071239626163", 0},
        {"0.999 sign acos", "3.09686756642106", 0},
        {"1 exp 300 atan", "1.570796326794897", 0},
    };
    ExpectCases(aCases);
}
