#pragma once
// The pad state and the four options, kept as REG_DWORD values in the component's CLSID key.
// Every access opens or creates the key, does one read or write, and closes it again.

#include <windows.h>

// *pdwValue is 0 unless the read succeeds; returns the registry's error code. A value of up to
// four bytes of any type is taken, a shorter one filling the low bytes.
LONG ReadSettingDword(HKEY hkeyRoot, const WCHAR* pszPath, const WCHAR* pszName, DWORD* pdwValue);
LONG WriteSettingDword(HKEY hkeyRoot, const WCHAR* pszPath, const WCHAR* pszName, DWORD dwValue);

// Pad type, INV, HYP and radix of g_PadState.
void LoadPadSettings();
void SavePadSettings();

// The four behaviour options of g_PadState.
void LoadOptions();
void SaveOptions();
