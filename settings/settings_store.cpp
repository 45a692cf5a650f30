#include "settings/settings_store.h"

#include "base/module.h"
#include "pad_model/layout.h"
#include "pad_model/pad_state.h"

namespace
{

// Through the group's open key; a key that could not be opened holds nothing and takes nothing.
bool ReadValue(HKEY hkey, const WCHAR* pszName, DWORD* pdwValue)
{
    *pdwValue = 0;
    return hkey != nullptr && ReadSettingDword(hkey, nullptr, pszName, pdwValue) == ERROR_SUCCESS;
}

void WriteValue(HKEY hkey, const WCHAR* pszName, DWORD dwValue)
{
    if (hkey != nullptr)
        WriteSettingDword(hkey, nullptr, pszName, dwValue);
}

// A flag is on only when its stored number is exactly 1.
BOOL LoadFlag(HKEY hkey, const WCHAR* pszName)
{
    DWORD dwValue = 0;
    return ReadValue(hkey, pszName, &dwValue) && dwValue == 1;
}

void SaveFlag(HKEY hkey, const WCHAR* pszName, BOOL bValue)
{
    WriteValue(hkey, pszName, bValue ? 1 : 0);
}

// A stored number outside the tables' range would index past them; such a value is taken as 0,
// which the next save stores.
int LoadIndex(HKEY hkey, const WCHAR* pszName, int nCount)
{
    DWORD dwValue = 0;
    if (!ReadValue(hkey, pszName, &dwValue) || dwValue >= static_cast<DWORD>(nCount))
        return 0;
    return static_cast<int>(dwValue);
}

// The settings live in the key the component was registered with. Windows' HKEY_CLASSES_ROOT
// shows a key of the user's own classes (an installation for one user) over the machine's and
// writes into it; Wine's shows the machine's classes alone. So the user's key comes first, and the
// machine's view only when the user's classes lack it, as on Windows.
// Each group of values is read or written through one opening of the key: every opening and
// closing is a round trip to the registry, and a pad window's creation reads eight values.
// KEY_QUERY_VALUE opens the key for reading: a key the user may read but not change still holds
// the settings. KEY_SET_VALUE also creates it when it is missing (the component need not be
// registered). Null when it cannot be opened: every value then reads as missing, and every write
// fails quietly.
HKEY OpenSettingsKey(REGSAM samDesired)
{
    HKEY hkey = nullptr;
    WCHAR szClass[] = L"";
    LONG lResult = RegOpenKeyExW(HKEY_CURRENT_USER, VARDEKO_USER_CLSID_KEY, 0, samDesired, &hkey);
    if (lResult == ERROR_FILE_NOT_FOUND)
        lResult = samDesired == KEY_SET_VALUE
                      ? RegCreateKeyExW(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY, 0, szClass, 0,
                                        samDesired, nullptr, &hkey, nullptr)
                      : RegOpenKeyExW(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY, 0, samDesired, &hkey);
    return lResult == ERROR_SUCCESS ? hkey : nullptr;
}

void CloseSettingsKey(HKEY hkey)
{
    if (hkey != nullptr)
        RegCloseKey(hkey);
}

void LoadPadSettings(HKEY hkey, PadState& state)
{
    state.nPadType = LoadIndex(hkey, L"PadType", PAD_COUNT);
    state.bInv = LoadFlag(hkey, L"ModeInv");
    state.bHyp = LoadFlag(hkey, L"ModeHyp");
    state.nRadix = LoadIndex(hkey, L"Radix", RADIX_COUNT);
}

void LoadOptions(HKEY hkey, PadState& state)
{
    state.bEqualsSends = LoadFlag(hkey, L"EquelToInput");
    state.bClearAfterSending = LoadFlag(hkey, L"InputToClear");
    state.bDisplayTapEntersDirect = LoadFlag(hkey, L"DirectInEx");
    state.bDisabledTapLeavesDirect = LoadFlag(hkey, L"DirectOutEx");
}

} // namespace

// The platform's own calls open the subkey (creating it, for a write) and close it again.
LONG ReadSettingDword(HKEY hkeyRoot, const WCHAR* pszPath, const WCHAR* pszName, DWORD* pdwValue)
{
    *pdwValue = 0;
    DWORD cbData = sizeof(DWORD);
    LONG lResult = RegGetValueW(hkeyRoot, pszPath, pszName, RRF_RT_ANY | RRF_NOEXPAND, nullptr,
                                pdwValue, &cbData);
    if (lResult != ERROR_SUCCESS)
        *pdwValue = 0; // a value too long for the buffer may have left part of itself there
    return lResult;
}

LONG WriteSettingDword(HKEY hkeyRoot, const WCHAR* pszPath, const WCHAR* pszName, DWORD dwValue)
{
    return RegSetKeyValueW(hkeyRoot, pszPath, pszName, REG_DWORD, &dwValue, sizeof(DWORD));
}

void LoadPadSettingsAndOptions(PadState& state)
{
    HKEY hkey = OpenSettingsKey(KEY_QUERY_VALUE);
    LoadPadSettings(hkey, state);
    LoadOptions(hkey, state);
    CloseSettingsKey(hkey);
}

void SavePadSettings(const PadState& state)
{
    HKEY hkey = OpenSettingsKey(KEY_SET_VALUE);
    WriteValue(hkey, L"PadType", state.nPadType);
    SaveFlag(hkey, L"ModeInv", state.bInv);
    SaveFlag(hkey, L"ModeHyp", state.bHyp);
    WriteValue(hkey, L"Radix", state.nRadix);
    CloseSettingsKey(hkey);
}

void LoadOptions(PadState& state)
{
    HKEY hkey = OpenSettingsKey(KEY_QUERY_VALUE);
    LoadOptions(hkey, state);
    CloseSettingsKey(hkey);
}

void SaveOptions(const PadState& state)
{
    HKEY hkey = OpenSettingsKey(KEY_SET_VALUE);
    SaveFlag(hkey, L"EquelToInput", state.bEqualsSends);
    SaveFlag(hkey, L"InputToClear", state.bClearAfterSending);
    SaveFlag(hkey, L"DirectInEx", state.bDisplayTapEntersDirect);
    SaveFlag(hkey, L"DirectOutEx", state.bDisabledTapLeavesDirect);
    CloseSettingsKey(hkey);
}
