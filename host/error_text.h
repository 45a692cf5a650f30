#pragma once
// Failures as the host's messages name them: the code in hex, then the system's own words.

#include <windows.h>

#include <string>

// "HRESULT 0x8007007E (Module not found)"; without the parenthesis where the system has no text.
std::string HresultText(HRESULT hr);

// "error 5 (Access denied)", for a Win32 error code.
std::string Win32ErrorText(DWORD dwError);
