#include "engine/calculator_private.h"

// Zero-initialised storage is exactly the state Reset(MODE_DECIMAL, RADIX_DEC) leaves: decimal
// floating point, radix decimal, no error, level 0 and every level fresh. So the engine is ready
// before the keypad sets it up, with no initialiser that would put its 3 KB into the DLL's data.
Calculator g_Calculator;

void Reset(int nMode, int nRadix)
{
    if (nMode != -1)
        g_Calculator.m_nMode = nMode;
    if (nRadix != -1)
        g_Calculator.m_nRadix = nRadix;
    AllClear();
}

void AllClear()
{
    g_Calculator.m_bError = 0;
    g_Calculator.m_bExpInput = 0;
    ClearLevels();
    g_Calculator.m_szStatus[0] = 0;
}

void ClearLevels()
{
    g_Calculator.m_nLevel = 0;
    for (int i = 0; i < MAX_LEVELS; ++i)
        ClearLevel(i);
}

void ClearLevel(int nLevel)
{
    SetLevelStatus(LEVEL_INITIAL, nLevel, 1);
    EvalLevel& level = g_Calculator.m_aLevel[nLevel];
    level.m_dblData = 0.0;
    level.m_szInpBuf[0] = 0;
    level.m_bTextValue = 0;
    level.m_nOp = CMD_NONE;
}

void SetLevelStatus(unsigned nStatus, int nLevel, int bClearSubStatus)
{
    EvalLevel& level = nLevel == -1 ? CurrentLevel() : g_Calculator.m_aLevel[nLevel];
    level.m_nStatus = static_cast<uint16_t>(nStatus);
    // Typing keeps the sub-status, so a pending power still knows how to resume.
    if (nStatus == LEVEL_ENTERING)
        return;
    if (bClearSubStatus)
        level.m_nSubStatus = SUB_NONE;
    g_Calculator.m_bExpInput = 0;
}

void SetError(int bError)
{
    g_Calculator.m_bError = bError;
    if (bError)
        ClearLevels();
}
