#include "component/registration.h"

#include "base/module.h"
#include "component/registration_table.h"

#include <algorithm>
#include <string>

namespace
{

const int MODULE_PATH_SIZE = 264;

// The most characters that a row puts behind the module's path.
constexpr size_t MostSuffixChars()
{
    size_t cchMost = 0;
    for (const RegistrationRow& row : g_aRegistration)
    {
        if (row.bModulePath)
            cchMost = std::max(cchMost, std::char_traits<wchar_t>::length(row.pszText));
    }
    return cchMost;
}

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
    // What follows the path must fit behind it, and a cut path names no module.
    if (cchModule == 0 || cchModule + MostSuffixChars() >= MODULE_PATH_SIZE)
        return E_FAIL;

    // Desktop Windows checks the access mask that Windows CE ignores: a key opened with none could
    // not take the values written into it.
    HKEY hkey = nullptr;
    WCHAR szClass[] = L"";
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY, 0, szClass, 0, KEY_ALL_ACCESS,
                        nullptr, &hkey, nullptr) != ERROR_SUCCESS)
        return E_FAIL;
    // A registration with a value missing cannot work as a whole, and says so; the rows after a
    // failed one are not written.
    for (const RegistrationRow& row : g_aRegistration)
    {
        const WCHAR* pszText = row.pszText;
        if (row.bModulePath)
        {
            lstrcpynW(szModule + cchModule, row.pszText, MODULE_PATH_SIZE - cchModule);
            pszText = szModule;
        }
        if (!SetDefaultText(hkey, row.pszSubkey, pszText))
        {
            RegCloseKey(hkey);
            return E_FAIL;
        }
    }
    RegCloseKey(hkey);
    return S_OK;
}

HRESULT UnregisterComponent()
{
    // The whole key goes, with subkeys that others put there: any left would keep it. A key that
    // is missing (nothing was registered) or cannot be deleted whole is a failure.
    return RegDeleteTreeW(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY) == ERROR_SUCCESS ? S_OK : E_FAIL;
}
