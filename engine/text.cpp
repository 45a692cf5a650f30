#include "engine/text.h"

size_t TextLength(const WideChar* psz)
{
    size_t n = 0;
    while (psz[n] != 0)
        ++n;
    return n;
}

void TextCopy(WideChar* pszDest, size_t cchDest, const WideChar* pszSrc)
{
    if (cchDest == 0)
        return;
    size_t i = 0;
    for (; i + 1 < cchDest && pszSrc[i] != 0; ++i)
        pszDest[i] = pszSrc[i];
    pszDest[i] = 0;
}

int TextAppend(WideChar* pszDest, size_t cchDest, const WideChar* pszSrc)
{
    size_t nDest = TextLength(pszDest);
    size_t nSrc = TextLength(pszSrc);
    if (nDest + nSrc + 1 > cchDest)
        return 0;
    for (size_t i = 0; i <= nSrc; ++i)
        pszDest[nDest + i] = pszSrc[i];
    return 1;
}

void TextFromAscii(WideChar* pszDest, size_t cchDest, const char* pszSrc)
{
    if (cchDest == 0)
        return;
    size_t i = 0;
    for (; i + 1 < cchDest && pszSrc[i] != 0; ++i)
        pszDest[i] = static_cast<WideChar>(static_cast<unsigned char>(pszSrc[i]));
    pszDest[i] = 0;
}

int TextFind(const WideChar* psz, WideChar ch)
{
    for (int i = 0; psz[i] != 0; ++i)
    {
        if (psz[i] == ch)
            return i;
    }
    return -1;
}

int TextEquals(const WideChar* pszA, const WideChar* pszB)
{
    size_t i = 0;
    for (; pszA[i] != 0 && pszA[i] == pszB[i]; ++i)
    {
    }
    return pszA[i] == pszB[i];
}
