#include "pad_window/local_number_text.h"

int ToLocalNumberText(const WCHAR* pszText, WCHAR* pszOut)
{
    WCHAR szSeparator[4];
    // An empty separator would run the digits together: "." then.
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, szSeparator, 4) < 2)
    {
        szSeparator[0] = L'.';
        szSeparator[1] = 0;
    }
    int n = 0;
    const WCHAR* pszPoint = szSeparator;
    for (; *pszText != 0; ++pszText)
    {
        if (*pszText == L'.' && pszPoint != nullptr)
        {
            while (*pszPoint != 0)
                pszOut[n++] = *pszPoint++;
            pszPoint = nullptr;
        }
        else
            pszOut[n++] = *pszText;
    }
    pszOut[n] = 0;
    return n;
}
