// The one-operand functions of both pads, applied to the number of the current level, and the
// power that x^y and 10^x share.

#include "engine/beep.h"
#include "engine/calculator_private.h"
#include "engine/float_bits.h"
#include "engine/integer_arithmetic.h"
#include "engine/number_text.h"
#include "engine/power.h"
#include "engine/real_functions.h"

namespace
{

const uint32_t BINARY_MASK = 0xFFFF; // in binary the bit functions work on 16 bits
const double LARGEST_UNSIGNED = 4294967295.0;

bool IsBitFunction(unsigned nCode)
{
    return nCode == CMD_SHL || nCode == CMD_SHR || nCode == CMD_NOT;
}

// SHL, SHR and NOT on both pads: on 16 bits in binary, else on 32.
double ApplyBitFunction(unsigned nCode, uint32_t u)
{
    u = nCode == CMD_SHL ? u << 1 : nCode == CMD_SHR ? u >> 1 : ~u;
    return g_Calculator.m_nRadix == RADIX_BIN ? u & BINARY_MASK : u;
}

// The scientific pad: the bit functions on the whole part of x as an unsigned 32-bit number.
double ComputeDecimal(unsigned nCode, double x)
{
    if (IsBitFunction(nCode))
        return ApplyBitFunction(nCode, DoubleToUnsigned32(Floor(x)));
    return RoundToDouble(EvaluateRealFunction(nCode, x));
}

// The programmer pad works on the unsigned 32-bit value shown: powers and bit functions exactly
// modulo 2^32; the real-valued functions give their true value truncated, which must be one the
// pad can show: beyond 32 bits its low bits are not known, and below 0 it has no text.
double ComputeInteger(unsigned nCode, uint32_t u)
{
    if (IsBitFunction(nCode))
        return ApplyBitFunction(nCode, u);
    if (nCode == CMD_SQUARE)
        return static_cast<uint32_t>(u * u);
    if (nCode == CMD_POW10)
        return IntegerPower(10, u);
    double dblWhole = TruncateToWhole(EvaluateRealFunction(nCode, u));
    return dblWhole >= 0 && dblWhole <= LARGEST_UNSIGNED ? dblWhole : NOT_A_NUMBER;
}

} // namespace

double RaisePower(double dblBase, double dblExponent)
{
    if (g_Calculator.m_nMode == MODE_INTEGER)
        return IntegerPower(DoubleToUnsigned32(dblBase), DoubleToUnsigned32(dblExponent));
    return RoundToDouble(Power(dblBase, dblExponent));
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
        x = CurrentTextValue();
        break;
    case LEVEL_INITIAL:
    case LEVEL_RESULT: x = level.m_dblData; break;
    default:
        // After an operator key a number must be typed first; right after x^y the shown base
        // is not the function's to change.
        SoundBeep();
        return 0;
    }
    bool bInteger = g_Calculator.m_nMode == MODE_INTEGER;
    double dblResult =
        bInteger ? ComputeInteger(nCode, DoubleToUnsigned32(x)) : ComputeDecimal(nCode, x);
    if (!CheckRange(dblResult))
        return 0;
    if (level.m_nStatus == LEVEL_INITIAL || level.m_nStatus == LEVEL_RESULT)
    {
        level.m_dblData = dblResult;
    }
    else if (StoreValueText(dblResult) && !bInteger)
    {
        // The text shows 16 digits; the result goes on with all of its own until the text is
        // edited.
        level.m_dblTextValue = dblResult;
        level.m_bTextValue = 1;
    }
    return !g_Calculator.m_bError;
}
