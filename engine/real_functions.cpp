#include "engine/real_functions.h"

#include "engine/command_codes.h"
#include "engine/exp_log.h"
#include "engine/float_bits.h"
#include "engine/hyperbolic.h"
#include "engine/inverse_hyperbolic.h"
#include "engine/inverse_trigonometric.h"
#include "engine/power.h"
#include "engine/trigonometric.h"

namespace
{

// Below this every odd function here rounds to x itself: their cubic terms are below 2^-54 of x.
const double TINY = 0x1p-28;

// The odd functions, of |x| at least 2^-28.
ScaledDoubleDouble EvaluateOdd(unsigned nCode, double a)
{
    switch (nCode)
    {
    case CMD_SIN: return Sine(a);
    case CMD_TAN: return Tangent(a);
    case CMD_ASIN: return ArcSine(a);
    case CMD_ATAN: return ArcTangent(a);
    case CMD_SINH: return HyperbolicSine(a);
    case CMD_TANH: return HyperbolicTangent(a);
    case CMD_ASINH: return InverseSinh(a);
    default: return InverseTanh(a);
    }
}

bool IsOdd(unsigned nCode)
{
    switch (nCode)
    {
    case CMD_SIN:
    case CMD_TAN:
    case CMD_ASIN:
    case CMD_ATAN:
    case CMD_SINH:
    case CMD_TANH:
    case CMD_ASINH:
    case CMD_ATANH: return true;
    default: return false;
    }
}

} // namespace

ScaledDoubleDouble EvaluateRealFunction(unsigned nCode, double x)
{
    if (IsOdd(nCode))
    {
        // f(-x) = -f(x); tiny arguments, zeros of either sign and NaN are their own results.
        double a = Magnitude(x);
        if (!(a >= TINY))
            return Plain(x);
        ScaledDoubleDouble v = EvaluateOdd(nCode, a);
        if (x < 0)
            v.m_ddValue = Negate(v.m_ddValue);
        return v;
    }
    switch (nCode)
    {
    case CMD_COS: return Cosine(x);
    case CMD_ACOS: return ArcCosine(x);
    case CMD_COSH: return HyperbolicCosine(x);
    case CMD_ACOSH: return InverseCosh(x);
    case CMD_RECIP: return Plain(1.0 / x);
    case CMD_SQUARE: return Plain(x * x);
    case CMD_SQRT: return Plain(SquareRootOf(x));
    case CMD_LOG: return CommonLogarithm(x);
    case CMD_LN: return NaturalLogarithm(x);
    case CMD_POW10: return Power(10.0, x);
    case CMD_EXPE: return ExponentialOf({x, 0});
    default: return Plain(x);
    }
}
