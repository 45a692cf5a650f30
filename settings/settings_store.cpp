#include "settings/settings_store.h"

#include "base/module.h"
#include "pad/layout.h"
#include "pad/pad_state.h"

namespace
{

// A flag is on only when its stored number is exactly 1.
BOOL LoadFlag(const WCHAR* pszPath, const WCHAR* pszName)
{
    DWORD dwValue = 0;
    return ReadSettingDword(HKEY_CLASSES_ROOT, pszPath, pszName, &dwValue) == ERROR_SUCCESS &&
           dwValue == 1;
}

void SaveFlag(const WCHAR* pszPath, const WCHAR* pszName, BOOL bValue)
{
    WriteSettingDword(HKEY_CLASSES_ROOT, pszPath, pszName, bValue ? 1 : 0);
}

// A stored number outside the tables' range would index past them; such a value is taken as 0,
// which the next save stores.
int LoadIndex(const WCHAR* pszPath, const WCHAR* pszName, int nCount)
{
    DWORD dwValue = 0;
    if (ReadSettingDword(HKEY_CLASSES_ROOT, pszPath, pszName, &dwValue) != ERROR_SUCCESS ||
        dwValue >= static_cast<DWORD>(nCount))
        return 0;
    return static_cast<int>(dwValue);
}

} // namespace

LONG ReadSettingDword(HKEY hkeyRoot, const WCHAR* pszPath, const WCHAR* pszName, DWORD* pdwValue)
{
    *pdwValue = 0;
    HKEY hkey = nullptr;
    // Read access only: a key the user may read but not change still holds the settings.
    LONG lResult = RegOpenKeyExW(hkeyRoot, pszPath, 0, KEY_QUERY_VALUE, &hkey);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    DWORD dwType = 0;
    DWORD cbData = sizeof(DWORD);
    lResult = RegQueryValueExW(hkey, pszName, nullptr, &dwType, reinterpret_cast<BYTE*>(pdwValue),
                               &cbData);
    RegCloseKey(hkey);
    if (lResult != ERROR_SUCCESS)
        *pdwValue = 0; // a value too long for the buffer may have left part of itself there
    return lResult;
}

LONG WriteSettingDword(HKEY hkeyRoot, const WCHAR* pszPath, const WCHAR* pszName, DWORD dwValue)
{
    HKEY hkey = nullptr;
    WCHAR szClass[] = L"";
    LONG lResult =
        RegCreateKeyExW(hkeyRoot, pszPath, 0, szClass, 0, KEY_ALL_ACCESS, nullptr, &hkey, nullptr);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    lResult = RegSetValueExW(hkey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                             sizeof(DWORD));
    RegCloseKey(hkey);
    return lResult;
}

void LoadPadSettings(PadState& state)
{
    state.nPadType = 0;
    state.bInv = FALSE;
    state.bHyp = FALSE;
    state.nRadix = 0;
    WCHAR szPath[REGISTRY_PATH_SIZE];
    BuildClsidKeyPath(szPath);
    state.nPadType = LoadIndex(szPath, L"PadType", PAD_COUNT);
    state.bInv = LoadFlag(szPath, L"ModeInv");
    state.bHyp = LoadFlag(szPath, L"ModeHyp");
    state.nRadix = LoadIndex(szPath, L"Radix", RADIX_COUNT);
}

void SavePadSettings(const PadState& state)
{
    WCHAR szPath[REGISTRY_PATH_SIZE];
    BuildClsidKeyPath(szPath);
    WriteSettingDword(HKEY_CLASSES_ROOT, szPath, L"PadType", state.nPadType);
    SaveFlag(szPath, L"ModeInv", state.bInv);
    SaveFlag(szPath, L"ModeHyp", state.bHyp);
    WriteSettingDword(HKEY_CLASSES_ROOT, szPath, L"Radix", state.nRadix);
}

void LoadOptions(PadState& state)
{
    state.bEquelToInput = FALSE;
    state.bInputToClear = FALSE;
    state.bDirectInEx = FALSE;
    state.bDirectOutEx = FALSE;
    WCHAR szPath[REGISTRY_PATH_SIZE];
    BuildClsidKeyPath(szPath);
    state.bEquelToInput = LoadFlag(szPath, L"EquelToInput");
    state.bInputToClear = LoadFlag(szPath, L"InputToClear");
    state.bDirectInEx = LoadFlag(szPath, L"DirectInEx");
    state.bDirectOutEx = LoadFlag(szPath, L"DirectOutEx");
}

void SaveOptions(const PadState& state)
{
    WCHAR szPath[REGISTRY_PATH_SIZE];
    BuildClsidKeyPath(szPath);
    SaveFlag(szPath, L"EquelToInput", state.bEquelToInput);
    SaveFlag(szPath, L"InputToClear", state.bInputToClear);
    SaveFlag(szPath, L"DirectInEx", state.bDirectInEx);
    SaveFlag(szPath, L"DirectOutEx", state.bDirectOutEx);
}

void LoadOptions()
{
    LoadOptions(g_PadState);
}

void SaveOptions()
{
    SaveOptions(g_PadState);
}
