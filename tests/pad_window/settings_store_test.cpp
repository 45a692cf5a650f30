// The pad state and options in the registry: loaded when the pad window is created, the pad
// state saved when it is destroyed, and the exact-1 rule for flags.

#include "base/module.h"
#include "pad_model/pad_state.h"
#include "settings/settings_store.h"
#include "tests/pad_window/test_host.h"
#include "tests/support/registry_access.h"

namespace
{

void StoreRaw(const wchar_t* pszName, DWORD dwType, const void* pData, DWORD cbData)
{
    HKEY hkey = nullptr;
    RegCreateKeyExW(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &hkey, nullptr);
    RegSetValueExW(hkey, pszName, 0, dwType, static_cast<const BYTE*>(pData), cbData);
    RegCloseKey(hkey);
}

} // namespace

class SettingsStoreTest : public KeypadTest
{
};

TEST_F(SettingsStoreTest, FirstStartWithAnEmptyStore)
{
    EXPECT_EQ(PAD_SCIENTIFIC, g_PadState.nPadType);
    EXPECT_FALSE(g_PadState.bInv || g_PadState.bHyp || g_PadState.bDirect);
    EXPECT_EQ(0, g_PadState.nRadix);
    EXPECT_FALSE(g_PadState.bEqualsSends || g_PadState.bClearAfterSending ||
                 g_PadState.bDisplayTapEntersDirect || g_PadState.bDisabledTapLeavesDirect);
    EXPECT_EQ("0", panel->Display());
    EXPECT_EQ(NO_KEY, g_PadState.nPressedKey);
    panel.reset();
    // Destruction saves the pad state, never the options.
    EXPECT_EQ(0, StoredSetting(L"PadType"));
    EXPECT_EQ(0, StoredSetting(L"ModeInv"));
    EXPECT_EQ(0, StoredSetting(L"ModeHyp"));
    EXPECT_EQ(0, StoredSetting(L"Radix"));
    EXPECT_EQ(-1, StoredSetting(L"EquelToInput"));
}

TEST_F(SettingsStoreTest, PadStateSurvivesTheWindowButTheCalculationDoesNot)
{
    panel->TapCode(CMD_INV);
    panel->TapCode(CMD_HYP);
    panel->TapCode(CMD_PAD);
    panel->TapCode(CMD_OCT);
    panel->TapText("17");
    panel->TapCode(CMD_PAD);    // back to the scientific pad...
    panel->TapCode(CMD_PAD);    // ...and to the programmer pad again
    panel->TapCode(CMD_DIRECT); // direct mode is not kept
    Reopen();
    EXPECT_EQ(PAD_PROGRAMMER, g_PadState.nPadType);
    EXPECT_TRUE(g_PadState.bInv);
    EXPECT_TRUE(g_PadState.bHyp);
    EXPECT_EQ(2, g_PadState.nRadix);
    EXPECT_FALSE(g_PadState.bDirect);
    EXPECT_EQ("0", panel->Display());
    panel->TapText("78"); // octal: 8 is refused
    EXPECT_EQ("7", panel->Display());
    EXPECT_EQ(1, StoredSetting(L"PadType"));
    EXPECT_EQ(1, StoredSetting(L"ModeInv"));
    EXPECT_EQ(2, StoredSetting(L"Radix"));
}

TEST_F(SettingsStoreTest, FlagsAreOnOnlyWhenTheStoredNumberIsExactlyOne)
{
    Close();
    StoreSetting(L"ModeInv", 2);
    BYTE bOne = 1;
    StoreRaw(L"ModeHyp", REG_BINARY, &bOne, 1); // the low byte of a zeroed number
    StoreSetting(L"EquelToInput", 0xFFFFFFFF);
    StoreSetting(L"InputToClear", 1);
    StoreRaw(L"DirectInEx", REG_SZ, L"1", 4); // "1" as text is the number 0x31
    DWORD adwLong[2] = {1, 0};
    StoreRaw(L"DirectOutEx", REG_BINARY, adwLong, 8); // too long to read
    Open();
    EXPECT_FALSE(g_PadState.bInv);
    EXPECT_TRUE(g_PadState.bHyp);
    EXPECT_FALSE(g_PadState.bEqualsSends);
    EXPECT_TRUE(g_PadState.bClearAfterSending);
    EXPECT_FALSE(g_PadState.bDisplayTapEntersDirect);
    EXPECT_FALSE(g_PadState.bDisabledTapLeavesDirect);
    panel.reset();
    EXPECT_EQ(0, StoredSetting(L"ModeInv"));
    EXPECT_EQ(1, StoredSetting(L"ModeHyp"));
}

TEST_F(SettingsStoreTest, OutOfRangePadTypeAndRadixAreTakenAsZero)
{
    Close();
    StoreSetting(L"PadType", 7);
    StoreSetting(L"Radix", 0xFFFFFFFF);
    Open();
    EXPECT_EQ(PAD_SCIENTIFIC, g_PadState.nPadType);
    EXPECT_EQ(0, g_PadState.nRadix);
    panel->TapText("5"); // the pad works
    EXPECT_EQ("5", panel->Display());
    panel.reset();
    EXPECT_EQ(0, StoredSetting(L"PadType"));
    EXPECT_EQ(0, StoredSetting(L"Radix"));
}

TEST_F(SettingsStoreTest, OptionsSaveWritesAllFourAsZeroOrOne)
{
    g_PadState.bEqualsSends = 5;
    g_PadState.bClearAfterSending = 0;
    g_PadState.bDisplayTapEntersDirect = 1;
    g_PadState.bDisabledTapLeavesDirect = 0;
    SaveOptions(g_PadState);
    EXPECT_EQ(1, StoredSetting(L"EquelToInput"));
    EXPECT_EQ(0, StoredSetting(L"InputToClear"));
    EXPECT_EQ(1, StoredSetting(L"DirectInEx"));
    EXPECT_EQ(0, StoredSetting(L"DirectOutEx"));
    LoadOptions(g_PadState);
    EXPECT_EQ(1, g_PadState.bEqualsSends);
}

TEST_F(SettingsStoreTest, ReadAndWriteReportTheRegistryResult)
{
    ClearSettingsStore();
    DWORD dwValue = 123;
    EXPECT_NE(ERROR_SUCCESS,
              ReadSettingDword(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY, L"PadType", &dwValue));
    EXPECT_EQ(0u, dwValue);
    EXPECT_EQ(ERROR_SUCCESS, WriteSettingDword(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY, L"Radix", 3));
    EXPECT_EQ(ERROR_SUCCESS,
              ReadSettingDword(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY, L"Radix", &dwValue));
    EXPECT_EQ(3u, dwValue);
    DWORD adwLong[2] = {7, 7};
    StoreRaw(L"Long", REG_BINARY, adwLong, 8);
    EXPECT_EQ(ERROR_MORE_DATA,
              ReadSettingDword(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY, L"Long", &dwValue));
    EXPECT_EQ(0u, dwValue);
    // Without a path the key given is used as it is, and stays open.
    HKEY hkey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExW(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY, 0, KEY_ALL_ACCESS, &hkey));
    EXPECT_EQ(ERROR_SUCCESS, WriteSettingDword(hkey, nullptr, L"Radix", 2));
    EXPECT_EQ(ERROR_SUCCESS, ReadSettingDword(hkey, nullptr, L"Radix", &dwValue));
    EXPECT_EQ(2u, dwValue);
    EXPECT_EQ(ERROR_MORE_DATA, ReadSettingDword(hkey, nullptr, L"Long", &dwValue));
    EXPECT_EQ(ERROR_SUCCESS, WriteSettingDword(hkey, nullptr, L"PadType", 1));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(hkey));
    EXPECT_EQ(1, StoredSetting(L"PadType"));
    EXPECT_EQ(2, StoredSetting(L"Radix"));
}

// A key the user may read but not change, as an administrator may lock the settings down.
TEST_F(SettingsStoreTest, ReadOnlyKeyStillHoldsTheSettingsAndSavingFailsQuietly)
{
    Close();
    StoreSetting(L"PadType", 1);
    StoreSetting(L"InputToClear", 1);
    SetKeyAccess(VARDEKO_CLSID_KEY, READ_ONLY_ACCESS);
    HKEY hkey = nullptr;
    ASSERT_EQ(ERROR_ACCESS_DENIED,
              RegOpenKeyExW(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY, 0, KEY_SET_VALUE, &hkey));
    Open();
    EXPECT_EQ(PAD_PROGRAMMER, g_PadState.nPadType);
    EXPECT_TRUE(g_PadState.bClearAfterSending);
    panel->TapCode(CMD_PAD);
    EXPECT_EQ(PAD_SCIENTIFIC, g_PadState.nPadType);
    Close();
    EXPECT_EQ(1, StoredSetting(L"PadType"));
    SetKeyAccess(VARDEKO_CLSID_KEY, FULL_ACCESS);
}

// An installation for one user registers the component in the user's own classes, and the
// settings live there, as Windows' HKEY_CLASSES_ROOT, which shows the user's classes over the
// machine's, would have it: the machine's key, which a registration for the machine may also hold,
// is neither read nor written then. Without the user's key the machine's serves again.
TEST_F(SettingsStoreTest, AUserRegistrationHoldsTheSettings)
{
    Close();
    StoreSetting(L"PadType", 0);
    StoreSetting(L"EquelToInput", 1);
    ASSERT_EQ(ERROR_SUCCESS,
              WriteSettingDword(HKEY_CURRENT_USER, VARDEKO_USER_CLSID_KEY, L"InputToClear", 1));
    Open();
    EXPECT_FALSE(g_PadState.bEqualsSends);
    EXPECT_TRUE(g_PadState.bClearAfterSending);
    panel->TapCode(CMD_PAD);
    Close();
    DWORD dwValue = 0;
    EXPECT_EQ(ERROR_SUCCESS,
              ReadSettingDword(HKEY_CURRENT_USER, VARDEKO_USER_CLSID_KEY, L"PadType", &dwValue));
    EXPECT_EQ(1u, dwValue);
    EXPECT_EQ(0, StoredSetting(L"PadType"));
    SaveOptions(g_PadState);
    EXPECT_EQ(ERROR_SUCCESS, ReadSettingDword(HKEY_CURRENT_USER, VARDEKO_USER_CLSID_KEY,
                                              L"EquelToInput", &dwValue));
    EXPECT_EQ(0u, dwValue);
    EXPECT_EQ(1, StoredSetting(L"EquelToInput"));
    EXPECT_EQ(-1, StoredSetting(L"InputToClear"));

    RegDeleteTreeW(HKEY_CURRENT_USER, VARDEKO_USER_CLSID_KEY);
    Open();
    EXPECT_TRUE(g_PadState.bEqualsSends);
    EXPECT_EQ(PAD_SCIENTIFIC, g_PadState.nPadType);
}
