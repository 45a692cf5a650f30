// Binary operators, "=", parentheses and the power. Evaluation runs strictly left to right on a
// level; only the power binds tighter, by saving the operator pending when it starts.

#include "engine/beep.h"
#include "engine/calculator_private.h"
#include "engine/float_bits.h"
#include "engine/integer_arithmetic.h"
#include "engine/number_text.h"

namespace
{

bool IsBinaryOperator(unsigned nOp)
{
    return nOp != CMD_NONE && nOp != CMD_POWER;
}

// The bit operators on the scientific pad's doubles.
double ApplyBitwise(unsigned nOp, double dblLeft, double dblRight)
{
    return ApplyIntegerOperator(nOp, DoubleToUnsigned32(Floor(dblLeft)),
                                DoubleToUnsigned32(Floor(dblRight)));
}

double ApplyOperator(unsigned nOp, double dblLeft, double dblRight)
{
    // The programmer pad's operands are the unsigned values shown.
    if (g_Calculator.m_nMode == MODE_INTEGER)
        return ApplyIntegerOperator(nOp, DoubleToUnsigned32(dblLeft), DoubleToUnsigned32(dblRight));
    switch (nOp)
    {
    case CMD_ADD: return dblLeft + dblRight;
    case CMD_SUB: return dblLeft - dblRight;
    case CMD_MUL: return dblLeft * dblRight;
    // By zero this is infinite or NaN, which the range check turns into the error state.
    case CMD_DIV: return dblLeft / dblRight;
    case CMD_AND:
    case CMD_OR:
    case CMD_XOR: return ApplyBitwise(nOp, dblLeft, dblRight);
    default: return dblRight;
    }
}

// The value of a closed parenthesis becomes the text of the level below it.
void CloseInto(double dblValue)
{
    StoreValueText(dblValue);
    SetLevelStatus(LEVEL_CLOSED, -1, 1);
}

} // namespace

int EvaluateLevel()
{
    EvalLevel& level = CurrentLevel();
    if (level.m_szInpBuf[0] == 0)
        return level.m_nStatus != LEVEL_INITIAL;
    const int bErrorBefore = g_Calculator.m_bError;
    double dblRight = CurrentTextValue();
    bool bApply = true;
    if (level.m_nOp == CMD_POWER)
    {
        double dblPower = RaisePower(g_Calculator.m_dblPowBase, dblRight);
        switch (level.m_nSubStatus)
        {
        case SUB_POW_TEXT:
        case SUB_POW_VALUE:
            g_Calculator.m_dblPowBase = dblPower;
            level.m_dblData = dblPower;
            level.m_nOp = CMD_NONE;
            bApply = false;
            break;
        case SUB_POW_SAVED:
            g_Calculator.m_dblPowBase = dblPower;
            StoreValueText(dblPower);
            // A binary text above 16 bits has just cleared every level: nothing is left to apply.
            if (g_Calculator.m_bError && !bErrorBefore)
                return 0;
            level.m_nOp = g_Calculator.m_nPowSavedOp;
            level.m_nStatus = LEVEL_ENTERING;
            // The saved operator takes the power as shown, rounded to its digits.
            dblRight = ParseNumber(level.m_szInpBuf);
            break;
        default:
            SoundBeep();
            level.m_nOp = CMD_NONE;
            bApply = false;
            break;
        }
        if (!CheckRange(g_Calculator.m_dblPowBase))
            return 0;
    }
    if (bApply && (level.m_nStatus == LEVEL_ENTERING || level.m_nStatus == LEVEL_CLOSED))
    {
        level.m_dblData = ApplyOperator(level.m_nOp, level.m_dblData, dblRight);
        level.m_nOp = CMD_NONE;
        ClearCurrentText();
    }
    return CheckRange(level.m_dblData);
}

int PressOperator(unsigned nCode)
{
    // Right after another operator the text is empty and the new operator replaces the old.
    if (EvaluateLevel())
    {
        CurrentLevel().m_nOp = static_cast<uint16_t>(nCode);
        SetLevelStatus(LEVEL_OPERATOR, -1, 1);
    }
    return 1;
}

int PressEquals()
{
    // Every open parenthesis is closed on the way down to level 0.
    do
    {
        if (!EvaluateLevel())
        {
            g_Calculator.m_nLevel = 0;
            return 0;
        }
        double dblValue = CurrentLevel().m_dblData;
        --g_Calculator.m_nLevel;
        if (g_Calculator.m_nLevel >= 0)
            CloseInto(dblValue);
    } while (g_Calculator.m_nLevel >= 0);
    g_Calculator.m_nLevel = 0;
    EvalLevel& level = CurrentLevel();
    level.m_nOp = CMD_NONE;
    SetLevelStatus(LEVEL_RESULT, 0, 1);
    ClearCurrentText();
    return 1;
}

int OpenParenthesis()
{
    int nLevel = g_Calculator.m_nLevel;
    unsigned nStatus = CurrentLevel().m_nStatus;
    // A parenthesis follows an operator, or begins the calculation.
    bool bAllowed = nLevel < MAX_LEVELS - 1 &&
                    (nStatus == LEVEL_OPERATOR || (nLevel == 0 && nStatus == LEVEL_INITIAL));
    if (!bAllowed)
    {
        SoundBeep();
        return 0;
    }
    g_Calculator.m_nLevel = nLevel + 1;
    ClearLevel(nLevel + 1);
    return 1;
}

int CloseParenthesis()
{
    if (g_Calculator.m_nLevel < 1)
    {
        SoundBeep();
        return 0;
    }
    if (!EvaluateLevel())
    {
        g_Calculator.m_nLevel = 0;
        return 0;
    }
    double dblValue = CurrentLevel().m_dblData;
    --g_Calculator.m_nLevel;
    CloseInto(dblValue);
    return 1;
}

int PressPower()
{
    EvalLevel& level = CurrentLevel();
    // Nothing to raise yet; or right after x^y, before an exponent, where a second x^y would
    // take the shown base as its own exponent.
    if ((g_Calculator.m_nLevel == 0 && level.m_nStatus == LEVEL_INITIAL) ||
        level.m_nStatus == LEVEL_POWER)
    {
        SoundBeep();
        return 0;
    }
    // Powers chain left to right: the pending one completes and its result is the new base.
    if (level.m_nOp == CMD_POWER)
    {
        double dblPower = RaisePower(g_Calculator.m_dblPowBase, CurrentTextValue());
        if (!CheckRange(dblPower))
            return 0;
        StoreValueText(dblPower);
    }
    uint16_t nSubStatus;
    switch (level.m_nStatus)
    {
    case LEVEL_ENTERING:
    case LEVEL_CLOSED:
        if (IsBinaryOperator(level.m_nOp))
        {
            g_Calculator.m_nPowSavedOp = level.m_nOp;
            nSubStatus = SUB_POW_SAVED;
        }
        else if (level.m_nOp == CMD_POWER && level.m_nSubStatus == SUB_POW_SAVED)
        {
            // The operator saved by the first power of a chain still waits for the last one.
            nSubStatus = SUB_POW_SAVED;
        }
        else
        {
            nSubStatus = SUB_POW_TEXT;
        }
        g_Calculator.m_dblPowBase = CurrentTextValue();
        break;
    case LEVEL_RESULT:
        g_Calculator.m_dblPowBase = level.m_dblData;
        nSubStatus = SUB_POW_VALUE;
        break;
    default:
        // Right after an operator there is no base to take; nor on a fresh inner level.
        SoundBeep();
        return 0;
    }
    level.m_nSubStatus = nSubStatus;
    level.m_nOp = CMD_POWER;
    SetLevelStatus(LEVEL_POWER, -1, 0);
    return 1;
}
