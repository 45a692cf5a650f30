#include "component/registration.h"

#include "base/module.h"

namespace
{

const int MODULE_PATH_SIZE = 264;

const WCHAR* const g_apszSubkeys[] = {L"InprocServer32", L"DefaultIcon", L"IsSIPInputMethod"};

// Sets the default value of hkey's subkey pszSubkey, created when it is missing (null: of hkey
// itself), to the REG_SZ pszText, its terminating zero counted in the size; false when it cannot.
bool SetDefaultText(HKEY hkey, const WCHAR* pszSubkey, const WCHAR* pszText)
{
    return RegSetKeyValueW(hkey, pszSubkey, nullptr, REG_SZ, pszText,
                           (lstrlenW(pszText) + 1) * sizeof(WCHAR)) == ERROR_SUCCESS;
}

} // namespace

HRESULT RegisterComponent()
{
    WCHAR szModule[MODULE_PATH_SIZE];
    DWORD cchModule = GetModuleFileNameW(g_hInstance, szModule, MODULE_PATH_SIZE);
    // ",0" must fit behind the path, and a cut path names no module.
    if (cchModule == 0 || cchModule + 3 > MODULE_PATH_SIZE)
        return E_FAIL;

    // Desktop Windows checks the access mask that Windows CE ignores: a key opened with none could
    // not take the values written into it.
    HKEY hkey = nullptr;
    WCHAR szClass[] = L"";
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY, 0, szClass, 0, KEY_ALL_ACCESS,
                        nullptr, &hkey, nullptr) != ERROR_SUCCESS)
        return E_FAIL;
    // A host names the component by the key's default value and loads it through
    // InprocServer32: a registration without either cannot work, and says so. IsSIPInputMethod,
    // by which the input panel finds the component, comes last and only after the rest.
    bool bWritten = SetDefaultText(hkey, nullptr, L"Vardeko") &&
                    SetDefaultText(hkey, g_apszSubkeys[0], szModule);
    // The icon is the module's first: its path with ",0" behind it.
    lstrcpynW(szModule + cchModule, L",0", 3);
    bWritten = bWritten && SetDefaultText(hkey, g_apszSubkeys[1], szModule) &&
               SetDefaultText(hkey, g_apszSubkeys[2], L"1");
    RegCloseKey(hkey);
    return bWritten ? S_OK : E_FAIL;
}

HRESULT UnregisterComponent()
{
    // The whole key goes, with subkeys that others put there: any left would keep it. A key that
    // is missing (nothing was registered) or cannot be deleted whole is a failure.
    return RegDeleteTreeW(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY) == ERROR_SUCCESS ? S_OK : E_FAIL;
}
