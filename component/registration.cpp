#include "component/registration.h"

#include "base/module.h"

namespace
{

const int MODULE_PATH_SIZE = 264;

const WCHAR* const g_apszSubkeys[] = {L"InprocServer32", L"DefaultIcon", L"IsSIPInputMethod"};

// Desktop Windows checks the access mask that Windows CE ignores: a key opened with none could
// not take the values written into it.
LONG CreateKey(HKEY hkeyParent, const WCHAR* pszPath, HKEY* phkey)
{
    WCHAR szClass[] = L"";
    return RegCreateKeyExW(hkeyParent, pszPath, 0, szClass, 0, KEY_ALL_ACCESS, nullptr, phkey,
                           nullptr);
}

// Writes a REG_SZ with its terminating zero counted in the size; false when it cannot.
bool SetDefaultText(HKEY hkey, const WCHAR* pszText)
{
    return RegSetValueExW(hkey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszText),
                          (lstrlenW(pszText) + 1) * sizeof(WCHAR)) == ERROR_SUCCESS;
}

bool SetSubkeyDefaultText(HKEY hkeyParent, const WCHAR* pszSubkey, const WCHAR* pszText)
{
    HKEY hkey = nullptr;
    if (CreateKey(hkeyParent, pszSubkey, &hkey) != ERROR_SUCCESS)
        return false;
    bool bWritten = SetDefaultText(hkey, pszText);
    RegCloseKey(hkey);
    return bWritten;
}

} // namespace

HRESULT RegisterComponent()
{
    WCHAR szModule[MODULE_PATH_SIZE];
    DWORD cchModule = GetModuleFileNameW(g_hInstance, szModule, MODULE_PATH_SIZE);
    // ",0" must fit behind the path, and a cut path names no module.
    if (cchModule == 0 || cchModule + 3 > MODULE_PATH_SIZE)
        return E_FAIL;

    WCHAR szPath[REGISTRY_PATH_SIZE];
    BuildClsidKeyPath(szPath);
    HKEY hkey = nullptr;
    if (CreateKey(HKEY_CLASSES_ROOT, szPath, &hkey) != ERROR_SUCCESS)
        return E_FAIL;
    // A host names the component by the key's default value and loads it through
    // InprocServer32: a registration without either cannot work, and says so. IsSIPInputMethod,
    // by which the input panel finds the component, comes last and only after the rest.
    bool bWritten =
        SetDefaultText(hkey, L"Vardeko") && SetSubkeyDefaultText(hkey, g_apszSubkeys[0], szModule);
    // The icon is the module's first: its path with ",0" behind it.
    lstrcpynW(szModule + cchModule, L",0", 3);
    bWritten = bWritten && SetSubkeyDefaultText(hkey, g_apszSubkeys[1], szModule) &&
               SetSubkeyDefaultText(hkey, g_apszSubkeys[2], L"1");
    RegCloseKey(hkey);
    return bWritten ? S_OK : E_FAIL;
}

HRESULT UnregisterComponent()
{
    WCHAR szPath[REGISTRY_PATH_SIZE];
    BuildClsidKeyPath(szPath);
    HKEY hkey = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, szPath, 0, KEY_READ, &hkey) != ERROR_SUCCESS)
        return E_FAIL; // nothing was registered
    RegCloseKey(hkey);
    // The whole key goes, with subkeys that others put there: any left would keep it.
    RegDeleteTreeW(HKEY_CLASSES_ROOT, szPath);
    LONG lResult = RegOpenKeyExW(HKEY_CLASSES_ROOT, szPath, 0, KEY_READ, &hkey);
    if (lResult == ERROR_SUCCESS)
        RegCloseKey(hkey);
    return lResult == ERROR_FILE_NOT_FOUND ? S_OK : E_FAIL;
}
