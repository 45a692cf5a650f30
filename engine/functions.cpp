// The one-operand functions of both pads, applied to the number of the current level, and the
// power that x^y and 10^x share.

#include "engine/beep.h"
#include "engine/calculator_private.h"
#include "engine/integer_arithmetic.h"
#include "engine/inverse_hyperbolic.h"
#include "engine/number_text.h"
#include "engine/runtime_math.h"

#include <cmath>

namespace
{

const uint32_t BINARY_MASK = 0xFFFF; // in binary the bit functions work on 16 bits

// e^x rounds to 0 below this. Wine's msvcrt returns 1 + x from x = -1024 down, so the runtime is
// not asked there.
const double EXP_UNDERFLOW = -746.0;

double Exponential(double x)
{
    return x < EXP_UNDERFLOW ? 0.0 : RuntimeExp(x);
}

double MaskForRadix(uint32_t uValue)
{
    return g_Calculator.m_nRadix == RADIX_BIN ? uValue & BINARY_MASK : uValue;
}

double ComputeReal(unsigned nCode, double x)
{
    switch (nCode)
    {
    case CMD_SIN: return RuntimeSin(x);
    case CMD_COS: return RuntimeCos(x);
    case CMD_TAN: return RuntimeTan(x);
    case CMD_ASIN: return RuntimeAsin(x);
    case CMD_ACOS: return RuntimeAcos(x);
    case CMD_ATAN: return RuntimeAtan(x);
    case CMD_SINH: return RuntimeSinh(x);
    case CMD_COSH: return RuntimeCosh(x);
    case CMD_TANH: return RuntimeTanh(x);
    case CMD_ASINH: return InverseSinh(x);
    case CMD_ACOSH: return InverseCosh(x);
    case CMD_ATANH: return InverseTanh(x);
    case CMD_RECIP: return 1.0 / x;
    case CMD_SQUARE: return x * x;
    case CMD_SQRT: return RuntimeSqrt(x);
    case CMD_LOG: return RuntimeLog10(x);
    case CMD_LN: return RuntimeLog(x);
    case CMD_POW10: return RaisePower(10.0, x);
    case CMD_EXPE: return Exponential(x);
    default: return x;
    }
}

// The programmer pad works on the unsigned 32-bit value shown: powers and bit functions exactly,
// the real-valued functions in double, truncated and wrapped; a non-finite result stays so and
// ends in Error.
double ComputeInteger(unsigned nCode, uint32_t u)
{
    switch (nCode)
    {
    case CMD_SQUARE: return static_cast<uint32_t>(u * u);
    case CMD_POW10: return IntegerPower(10, u);
    case CMD_SHL: return MaskForRadix(u << 1);
    case CMD_SHR: return MaskForRadix(u >> 1);
    case CMD_NOT: return MaskForRadix(~u);
    default: break;
    }
    double dblResult = ComputeReal(nCode, u);
    return std::isfinite(dblResult) ? DoubleToUnsigned32(dblResult) : dblResult;
}

} // namespace

double RaisePower(double dblBase, double dblExponent)
{
    if (g_Calculator.m_nMode == MODE_INTEGER)
        return IntegerPower(DoubleToUnsigned32(dblBase), DoubleToUnsigned32(dblExponent));
    return RuntimePow(dblBase, dblExponent);
}

int ApplyFunction(unsigned nCode)
{
    EvalLevel& level = CurrentLevel();
    double x;
    switch (level.m_nStatus)
    {
    case LEVEL_ENTERING:
    case LEVEL_CLOSED:
        if (level.m_szInpBuf[0] == 0)
            return 0;
        x = ParseNumber(level.m_szInpBuf);
        break;
    case LEVEL_INITIAL:
    case LEVEL_RESULT: x = level.m_dblData; break;
    default:
        // After an operator key a number must be typed first; right after x^y the shown base
        // is not the function's to change.
        SoundBeep();
        return 0;
    }
    double dblResult = g_Calculator.m_nMode == MODE_INTEGER
                           ? ComputeInteger(nCode, DoubleToUnsigned32(x))
                           : ComputeReal(nCode, x);
    if (!CheckRange(dblResult))
        return 0;
    if (level.m_nStatus == LEVEL_INITIAL || level.m_nStatus == LEVEL_RESULT)
        level.m_dblData = dblResult;
    else
        StoreValueText(dblResult);
    return !g_Calculator.m_bError;
}
