#include "engine/inverse_hyperbolic.h"

#include "engine/exp_log.h"
#include "engine/float_bits.h"

namespace
{

// Above this the 1 beside x^2 changes the result by less than 2^-106 of it: asinh x and acosh x
// are ln 2x.
const double HUGE_ARGUMENT = 0x1p52;

} // namespace

ScaledDoubleDouble InverseSinh(double a)
{
    if (!(a < POSITIVE_INFINITY))
        return Plain(a);
    if (a > HUGE_ARGUMENT)
        return {LogOfScaled({a, 0}, 1), 0};
    // asinh a = ln(1 + w), w = a + sqrt(a^2 + 1) - 1 = a + a^2 / (sqrt(a^2 + 1) + 1).
    DoubleDouble square = TwoProduct(a, a);
    DoubleDouble root = SquareRoot(Add(square, 1.0));
    return {LogOnePlus(Add(Divide(square, Add(root, 1.0)), a)), 0};
}

ScaledDoubleDouble InverseCosh(double x)
{
    if (!(x >= 1))
        return Plain(NOT_A_NUMBER);
    if (x > HUGE_ARGUMENT)
        return InverseSinh(x); // both ln 2x there
    // acosh x = ln(1 + w), w = (x - 1) + sqrt((x - 1)(x + 1)): x^2 - 1 is exact in double-double.
    DoubleDouble root = SquareRoot(Add(TwoProduct(x, x), -1.0));
    return {LogOnePlus(Add(root, TwoSum(x, -1.0))), 0};
}

ScaledDoubleDouble InverseTanh(double a)
{
    if (!(a < 1))
        return Plain(a == 1 ? POSITIVE_INFINITY : NOT_A_NUMBER);
    // atanh a = ln(1 + w) / 2, w = 2a / (1 - a); 1 - a is exact near 1.
    return {LogOnePlus(Divide({2 * a, 0}, TwoSum(1.0, -a))), -1};
}
