#pragma once
// Who may do what with a registry key, as an administrator may lock one down: for the Windows
// tests of what the component does with keys it may read but not change.

#include <gtest/gtest.h>
#include <sddl.h>
#include <windows.h>

// Everyone may read the key but not change it; everyone may do anything with it.
const wchar_t READ_ONLY_ACCESS[] = L"D:(A;;KR;;;WD)";
const wchar_t FULL_ACCESS[] = L"D:(A;;KA;;;WD)";

// Gives everyone the access that the SDDL text grants on HKEY_CLASSES_ROOT\pszPath, which is
// created when it is missing, and no other.
inline void SetKeyAccess(const wchar_t* pszPath, const wchar_t* pszSddl)
{
    HKEY hkey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CLASSES_ROOT, pszPath, 0, nullptr, 0, WRITE_DAC,
                                             nullptr, &hkey, nullptr));
    PSECURITY_DESCRIPTOR psd = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(pszSddl, SDDL_REVISION_1, &psd,
                                                                     nullptr));
    EXPECT_EQ(ERROR_SUCCESS, RegSetKeySecurity(hkey, DACL_SECURITY_INFORMATION, psd));
    LocalFree(psd);
    RegCloseKey(hkey);
}
