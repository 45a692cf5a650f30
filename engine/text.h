#pragma once
// UTF-16 text as the platform's wide strings hold it. On Windows the code unit is wchar_t, so
// engine text goes to Win32 unchanged; elsewhere wchar_t is 32 bits wide and char16_t is used.

#include <cstddef>

#ifdef _WIN32
typedef wchar_t WideChar;
#define WIDE(text) L##text
#else
typedef char16_t WideChar;
#define WIDE(text) u##text
#endif

// Length in code units, without the terminator.
size_t TextLength(const WideChar* psz);

// Copies at most cchDest - 1 units of pszSrc and always terminates (when cchDest > 0).
void TextCopy(WideChar* pszDest, size_t cchDest, const WideChar* pszSrc);

// Appends pszSrc as far as it fits in cchDest units with the terminator; returns 0 and changes
// nothing when it does not fit whole.
int TextAppend(WideChar* pszDest, size_t cchDest, const WideChar* pszSrc);

// Widens ASCII text, copying at most cchDest - 1 characters and terminating.
void TextFromAscii(WideChar* pszDest, size_t cchDest, const char* pszSrc);

// Position of the first ch in psz, or -1.
int TextFind(const WideChar* psz, WideChar ch);

int TextEquals(const WideChar* pszA, const WideChar* pszB);
