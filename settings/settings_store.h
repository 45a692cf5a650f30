#pragma once
// The pad state and the four options, kept as REG_DWORD values in the component's CLSID key.
// Each group load or save opens (or creates) the key once for all its values.

#include "pad_model/pad_state.h"

#include <windows.h>

// *pdwValue is 0 unless the read succeeds; returns the registry's error code. A value of up to
// four bytes of any type is taken, a shorter one filling the low bytes. pszPath names the subkey
// of hkeyRoot that is opened (created, for a write) and closed again; null, hkeyRoot itself.
LONG ReadSettingDword(HKEY hkeyRoot, const WCHAR* pszPath, const WCHAR* pszName, DWORD* pdwValue);
LONG WriteSettingDword(HKEY hkeyRoot, const WCHAR* pszPath, const WCHAR* pszName, DWORD dwValue);

// What a new pad window starts from: pad type, INV, HYP and radix, then the four options.
void LoadPadSettingsAndOptions(PadState& state);
// Pad type, INV, HYP and radix of the state.
void SavePadSettings(const PadState& state);

// The four behaviour options of the state.
void LoadOptions(PadState& state);
void SaveOptions(const PadState& state);
