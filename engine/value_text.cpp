// Numbers to text and back under the current mode and radix, and the check that a value can be
// shown at all.

#include "engine/calculator_private.h"
#include "engine/number_text.h"

#include <cmath>

namespace
{

const uint32_t BINARY_LIMIT = 0xFFFF; // the display has room for 16 binary digits

// Magnitudes strictly between these are written in general notation. The lower one is 0.1 to the
// 16th power as pow() rounds it, slightly above 1e-16, so 1e-16 itself is written in exponential
// notation.
const double GENERAL_LOWER_BOUND = 0x1.cd2b297d889c3p-54;
const double GENERAL_UPPER_BOUND = 1e16;

int RadixBase(int nRadix)
{
    switch (nRadix)
    {
    case RADIX_HEX: return 16;
    case RADIX_OCT: return 8;
    case RADIX_BIN: return 2;
    default: return 10;
    }
}

// Writes the value's text under the current mode and radix; 0 when it has none (a binary value
// above 16 bits), leaving pszOut empty. Non-finite decimal values are written with a '#'.
int WriteValueText(double dblValue, WideChar* pszOut)
{
    char szText[INPUT_TEXT_SIZE];
    pszOut[0] = 0;
    if (g_Calculator.m_nMode == MODE_INTEGER)
    {
        uint32_t uValue = DoubleToUnsigned32(dblValue);
        if (g_Calculator.m_nRadix == RADIX_BIN && uValue > BINARY_LIMIT)
            return 0;
        FormatUnsigned(uValue, RadixBase(g_Calculator.m_nRadix), szText, sizeof(szText));
    }
    else if (dblValue == 0)
    {
        // A computed zero, -0 included, shows as a fresh pad's "0".
        TextCopy(pszOut, INPUT_TEXT_SIZE, WIDE("0"));
        return 1;
    }
    else
    {
        double dblMagnitude = dblValue < 0 ? -dblValue : dblValue;
        if (dblMagnitude > GENERAL_LOWER_BOUND && dblMagnitude < GENERAL_UPPER_BOUND)
            FormatGeneral(dblValue, 16, szText, sizeof(szText));
        else
            FormatExponential(dblValue, 14, szText, sizeof(szText));
    }
    TextFromAscii(pszOut, INPUT_TEXT_SIZE, szText);
    return 1;
}

// The current text's value as a whole number in the current radix; the text is left empty when
// the error state was or is entered.
int WriteCurrentTextAsInteger(double dblValue)
{
    uint32_t uValue = DoubleToUnsigned32(dblValue);
    ClearCurrentText();
    if (g_Calculator.m_bError)
        return 0;
    return FormatNumber(static_cast<double>(uValue), CurrentText());
}

} // namespace

double ParseNumber(const WideChar* pszText)
{
    if (g_Calculator.m_nMode == MODE_INTEGER)
        return static_cast<double>(ParseUnsigned(pszText, RadixBase(g_Calculator.m_nRadix)));
    return ParseDecimal(pszText);
}

double CurrentTextValue()
{
    const EvalLevel& level = CurrentLevel();
    return level.m_bTextValue ? level.m_dblTextValue : ParseNumber(level.m_szInpBuf);
}

int FormatNumber(double dblValue, WideChar* pszOut)
{
    if (!WriteValueText(dblValue, pszOut))
        SetError(1);
    return !g_Calculator.m_bError;
}

int CheckRange(double dblValue)
{
    // The value is judged, not the error flag: a value that can be shown passes even while the
    // error state lasts. Judged without writing its text: only non-finite values (whose decimal
    // text holds a '#', and whose integer text would hide a failed calculation behind the 0 they
    // convert to) and binary values beyond the display's 16 digits have none.
    int bShown = std::isfinite(dblValue) &&
                 (g_Calculator.m_nMode != MODE_INTEGER || g_Calculator.m_nRadix != RADIX_BIN ||
                  DoubleToUnsigned32(dblValue) <= BINARY_LIMIT);
    if (!bShown)
        SetError(1);
    return bShown;
}

int StoreValueText(double dblValue)
{
    if (g_Calculator.m_nMode == MODE_INTEGER)
        return WriteCurrentTextAsInteger(dblValue);
    ClearCurrentText();
    if (g_Calculator.m_bError)
        return 0;
    return FormatNumber(dblValue, CurrentText());
}

int ChangeRadix(int nRadix)
{
    if (nRadix == g_Calculator.m_nRadix)
        return 1;
    double dblValue = ParseNumber(CurrentText());
    g_Calculator.m_nRadix = nRadix;
    return WriteCurrentTextAsInteger(dblValue);
}
