// A DLL that keeps every number text conversion, built like the component's DLL, to measure what
// they add to it; with NUMBER_TEXT_BASELINE it keeps none of them.

#include "engine/number_text.h"

extern "C" __declspec(dllexport) double ProbeNumberText(const WideChar* pszText, char* pszOut)
{
#ifdef NUMBER_TEXT_BASELINE
    (void)pszText;
    (void)pszOut;
    return 0;
#else
    const double dblValue = ParseDecimal(pszText);
    FormatGeneral(dblValue, 16, pszOut, 64);
    FormatExponential(dblValue, 14, pszOut, 64);
    FormatFixed(dblValue, 6, pszOut, 64);
    FormatUnsigned(ParseUnsigned(pszText, 16) + DoubleToUnsigned32(dblValue), 2, pszOut, 64);
    FormatSigned(-1, pszOut, 64);
    return dblValue;
#endif
}
