#include "host/text_escape.h"

#include <cstdio>

namespace
{

void AppendUtf8(unsigned ch, std::string* ps)
{
    if (ch < 0x80)
    {
        *ps += static_cast<char>(ch);
    }
    else if (ch < 0x800)
    {
        *ps += static_cast<char>(0xC0 | (ch >> 6));
        *ps += static_cast<char>(0x80 | (ch & 0x3F));
    }
    else if (ch < 0x10000)
    {
        *ps += static_cast<char>(0xE0 | (ch >> 12));
        *ps += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        *ps += static_cast<char>(0x80 | (ch & 0x3F));
    }
    else
    {
        *ps += static_cast<char>(0xF0 | (ch >> 18));
        *ps += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        *ps += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        *ps += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

// The code point at *pi, which moves past it; a surrogate without its partner is U+FFFD.
unsigned NextCodePoint(const WCHAR* pszText, size_t nChars, size_t* pi)
{
    unsigned ch = pszText[(*pi)++];
    if (ch >= 0xD800 && ch < 0xDC00 && *pi < nChars && pszText[*pi] >= 0xDC00 &&
        pszText[*pi] < 0xE000)
        return 0x10000 + ((ch - 0xD800) << 10) + (pszText[(*pi)++] - 0xDC00);
    if (ch >= 0xD800 && ch < 0xE000)
        return 0xFFFD;
    return ch;
}

} // namespace

std::string EscapeText(const WCHAR* pszText, size_t nChars)
{
    std::string s;
    size_t i = 0;
    while (i < nChars)
    {
        unsigned ch = NextCodePoint(pszText, nChars, &i);
        switch (ch)
        {
        case '\r': s += "\\r"; break;
        case '\n': s += "\\n"; break;
        case '\t': s += "\\t"; break;
        case '\b': s += "\\b"; break;
        case '"': s += "\\\""; break;
        case '\\': s += "\\\\"; break;
        default:
            if (ch < 0x20 || ch == 0x7F)
            {
                char sz[8];
                snprintf(sz, sizeof(sz), "\\x%02x", ch);
                s += sz;
            }
            else
            {
                AppendUtf8(ch, &s);
            }
        }
    }
    return s;
}

std::string ToUtf8(const WCHAR* pszText, size_t nChars)
{
    std::string s;
    size_t i = 0;
    while (i < nChars)
        AppendUtf8(NextCodePoint(pszText, nChars, &i), &s);
    return s;
}

std::wstring FromUtf8(const std::string& sText)
{
    int nChars =
        MultiByteToWideChar(CP_UTF8, 0, sText.data(), static_cast<int>(sText.size()), nullptr, 0);
    std::wstring s(static_cast<size_t>(nChars), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, sText.data(), static_cast<int>(sText.size()), &s[0], nChars);
    return s;
}
