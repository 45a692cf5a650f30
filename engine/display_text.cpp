// What the display line shows, and the diagnostic dump of the current level.

#include "engine/calculator_private.h"
#include "engine/number_text.h"

void GetDisplayText(WideChar* pszOut)
{
    const EvalLevel& level = CurrentLevel();
    if (!g_Calculator.m_bError)
    {
        if (level.m_nStatus == LEVEL_OPERATOR || level.m_nStatus == LEVEL_RESULT)
        {
            // Showing a value can itself fail: above 16 bits in binary.
            if (FormatNumber(level.m_dblData, pszOut))
                return;
        }
        else
        {
            TextCopy(pszOut, DISPLAY_TEXT_SIZE,
                     level.m_szInpBuf[0] != 0 ? level.m_szInpBuf : WIDE("0"));
            return;
        }
    }
    TextCopy(pszOut, DISPLAY_TEXT_SIZE, WIDE("Error"));
}

namespace
{

// The status text is cut at its buffer's end: a large value has hundreds of fixed-point digits.
void AppendClipped(const WideChar* pszText)
{
    WideChar* pszStatus = g_Calculator.m_szStatus;
    size_t n = TextLength(pszStatus);
    TextCopy(pszStatus + n, STATUS_TEXT_SIZE - n, pszText);
}

void AppendAscii(const char* pszText)
{
    WideChar szText[STATUS_TEXT_SIZE];
    TextFromAscii(szText, STATUS_TEXT_SIZE, pszText);
    AppendClipped(szText);
}

void AppendSigned(long nValue)
{
    char szText[24];
    FormatSigned(nValue, szText, sizeof(szText));
    AppendAscii(szText);
}

void AppendFixed(double dblValue)
{
    // Cut like the whole status text: a large value has hundreds of digits.
    char szText[STATUS_TEXT_SIZE];
    FormatFixed(dblValue, 6, szText, sizeof(szText));
    AppendAscii(szText);
}

} // namespace

void GetStatusText(WideChar* pszOut)
{
    const EvalLevel& level = CurrentLevel();
    g_Calculator.m_szStatus[0] = 0;
    AppendAscii("----------------\rStatus=");
    AppendSigned(level.m_nStatus);
    AppendAscii(", ");
    AppendSigned(level.m_nSubStatus);
    AppendAscii(", ");
    AppendSigned(level.m_nOp);
    AppendAscii(" (");
    AppendSigned(g_Calculator.m_nPowSavedOp);
    AppendAscii(")\rm_dblData=");
    AppendFixed(level.m_dblData);
    AppendAscii(" (");
    AppendFixed(g_Calculator.m_dblPowBase);
    AppendAscii(")\rm_szInpBuf=[");
    AppendClipped(level.m_szInpBuf);
    AppendAscii("]\r");
    TextCopy(pszOut, STATUS_TEXT_SIZE, g_Calculator.m_szStatus);
}
