#pragma once
// Wide text as a line of the transcript: UTF-8, with control characters, quotes and backslashes
// written as C escapes so that every line stays one line and shows what was sent.

#include <windows.h>

#include <string>

std::string EscapeText(const WCHAR* pszText, size_t nChars);

// Plain UTF-8 of wide text, for file names and messages.
std::string ToUtf8(const WCHAR* pszText, size_t nChars);
std::wstring FromUtf8(const std::string& sText);
