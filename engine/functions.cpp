// The one-operand functions of both pads, applied to the number of the current level.

#include "engine/beep.h"
#include "engine/calculator_private.h"
#include "engine/number_text.h"

#include <cmath>

namespace
{

const uint32_t BINARY_MASK = 0xFFFF; // in binary the bit functions work on 16 bits

uint32_t ToBits(double dblValue)
{
    return DoubleToUnsigned32(std::floor(dblValue));
}

double MaskForRadix(uint32_t uValue)
{
    return g_Calculator.m_nRadix == RADIX_BIN ? uValue & BINARY_MASK : uValue;
}

// The inverse hyperbolic functions keep the platform's formulas and their order of operations,
// cancellation included: asinh of -1e9 is the logarithm of 0.
double Compute(unsigned nCode, double x)
{
    switch (nCode)
    {
    case CMD_SIN: return std::sin(x);
    case CMD_COS: return std::cos(x);
    case CMD_TAN: return std::tan(x);
    case CMD_ASIN: return std::asin(x);
    case CMD_ACOS: return std::acos(x);
    case CMD_ATAN: return std::atan(x);
    case CMD_SINH: return std::sinh(x);
    case CMD_COSH: return std::cosh(x);
    case CMD_TANH: return std::tanh(x);
    case CMD_ASINH: return std::log(std::sqrt(x * x + 1.0) + x);
    case CMD_ACOSH: return std::log(std::sqrt(x * x - 1.0) + x);
    case CMD_ATANH: return std::log((x + 1.0) / (1.0 - x)) * 0.5;
    case CMD_RECIP: return 1.0 / x;
    case CMD_SQUARE: return x * x;
    case CMD_SQRT: return std::sqrt(x);
    case CMD_LOG: return std::log10(x);
    case CMD_LN: return std::log(x);
    case CMD_POW10: return std::pow(10.0, x);
    case CMD_EXPE: return std::exp(x);
    case CMD_SHL: return MaskForRadix(ToBits(x) << 1);
    case CMD_SHR: return MaskForRadix(ToBits(x) >> 1);
    case CMD_NOT: return MaskForRadix(~ToBits(x));
    default: return x;
    }
}

} // namespace

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
    double dblResult = Compute(nCode, x);
    if (!CheckRange(dblResult))
        return 0;
    if (level.m_nStatus == LEVEL_INITIAL || level.m_nStatus == LEVEL_RESULT)
        level.m_dblData = dblResult;
    else
        StoreValueText(dblResult);
    return !g_Calculator.m_bError;
}
