// Finding input methods in the registry and driving one in the platform's order, with a fake
// input method served by this process's class object.

#include "host/input_methods.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

const CLSID CLSID_Fake = {
    0x7d0c3a11, 0x52e4, 0x4f61, {0x9a, 0x3b, 0x1e, 0x44, 0x80, 0x2c, 0x6d, 0x01}};
const CLSID CLSID_NotMarked = {
    0x7d0c3a11, 0x52e4, 0x4f61, {0x9a, 0x3b, 0x1e, 0x44, 0x80, 0x2c, 0x6d, 0x02}};
const CLSID CLSID_UserOnly = {
    0x7d0c3a11, 0x52e4, 0x4f61, {0x9a, 0x3b, 0x1e, 0x44, 0x80, 0x2c, 0x6d, 0x03}};
const WCHAR FAKE_KEY[] = L"CLSID\\{7D0C3A11-52E4-4F61-9A3B-1E44802C6D01}";
const WCHAR NOT_MARKED_KEY[] = L"CLSID\\{7D0C3A11-52E4-4F61-9A3B-1E44802C6D02}";
const WCHAR USER_ONLY_KEY[] = L"CLSID\\{7D0C3A11-52E4-4F61-9A3B-1E44802C6D03}";
// The user's own classes, where an installation for one user registers.
const WCHAR USER_CLASSES[] = L"Software\\Classes\\";

void SetDefaultText(const std::wstring& sKey, const WCHAR* pszText,
                    HKEY hkeyRoot = HKEY_CLASSES_ROOT)
{
    RegSetKeyValueW(hkeyRoot, sKey.c_str(), nullptr, REG_SZ, pszText,
                    static_cast<DWORD>((wcslen(pszText) + 1) * sizeof(WCHAR)));
}

void SetUserDefaultText(const std::wstring& sKey, const WCHAR* pszText)
{
    SetDefaultText(USER_CLASSES + sKey, pszText, HKEY_CURRENT_USER);
}

// Records the calls the host makes, in order.
class FakeInputMethod final : public IInputMethod
{
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IInputMethod))
        {
            *ppv = static_cast<IInputMethod*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++lRefCount; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        calls.push_back("Release");
        return --lRefCount;
    }
    HRESULT STDMETHODCALLTYPE Select(HWND hwndSip) override
    {
        calls.push_back("Select");
        hwndSelected = hwndSip;
        return hrSelect;
    }
    HRESULT STDMETHODCALLTYPE Deselect() override { return Record("Deselect"); }
    HRESULT STDMETHODCALLTYPE Showing() override { return Record("Showing"); }
    HRESULT STDMETHODCALLTYPE Hiding() override { return Record("Hiding"); }
    HRESULT STDMETHODCALLTYPE GetInfo(IMINFO*) override { return Record("GetInfo"); }
    HRESULT STDMETHODCALLTYPE ReceiveSipInfo(SIPINFO* psi) override
    {
        sipInfo = *psi;
        return Record("ReceiveSipInfo");
    }
    HRESULT STDMETHODCALLTYPE RegisterCallback(IIMCallback* pCallback) override
    {
        pRegistered = pCallback;
        return Record("RegisterCallback");
    }
    HRESULT STDMETHODCALLTYPE GetImData(DWORD, void*) override { return E_FAIL; }
    HRESULT STDMETHODCALLTYPE SetImData(DWORD, void*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE UserOptionsDlg(HWND) override { return Record("UserOptionsDlg"); }

    HRESULT Record(const char* pszCall)
    {
        calls.push_back(pszCall);
        return S_OK;
    }

    LONG lRefCount = 0;
    HRESULT hrSelect = S_OK;
    HWND hwndSelected = nullptr;
    SIPINFO sipInfo = {};
    IIMCallback* pRegistered = nullptr;
    std::vector<std::string> calls;
};

FakeInputMethod g_fake;

class FakeFactory final : public IClassFactory
{
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory))
        {
            *ppv = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID riid, void** ppv) override
    {
        return g_fake.QueryInterface(riid, ppv);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

class InputMethodsTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_EQ(S_OK, CoInitialize(nullptr));
        g_fake = FakeInputMethod();
        ASSERT_EQ(S_OK, CoRegisterClassObject(CLSID_Fake, &factory, CLSCTX_INPROC_SERVER,
                                              REGCLS_MULTIPLEUSE, &dwCookie));
        // The screen with the panel docked at its bottom, as the host lays them out.
        hwndScreen = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 240, 320, nullptr, nullptr,
                                     nullptr, nullptr);
        hwndPanel = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 240, 240, 80,
                                    hwndScreen, nullptr, nullptr, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(hwndScreen);
        CoRevokeClassObject(dwCookie);
        RegDeleteTreeW(HKEY_CLASSES_ROOT, FAKE_KEY);
        RegDeleteTreeW(HKEY_CLASSES_ROOT, NOT_MARKED_KEY);
        for (const WCHAR* pszKey : {FAKE_KEY, USER_ONLY_KEY})
            RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(USER_CLASSES) + pszKey).c_str());
        CoUninitialize();
    }

    FakeFactory factory;
    DWORD dwCookie = 0;
    HWND hwndScreen = nullptr;
    HWND hwndPanel = nullptr;
    IIMCallback* const pCallback = reinterpret_cast<IIMCallback*>(0x1234);
};

const InputMethodEntry* Find(const std::vector<InputMethodEntry>& aMethods, const CLSID& clsid)
{
    for (const InputMethodEntry& entry : aMethods)
    {
        if (IsEqualCLSID(entry.clsid, clsid))
            return &entry;
    }
    return nullptr;
}

} // namespace

TEST_F(InputMethodsTest, OnlyClassesMarkedWithOneAreFoundByTheirNames)
{
    SetDefaultText(FAKE_KEY, L"Fake pad");
    SetDefaultText(std::wstring(FAKE_KEY) + L"\\IsSIPInputMethod", L"1");
    SetDefaultText(NOT_MARKED_KEY, L"Not a pad");
    SetDefaultText(std::wstring(NOT_MARKED_KEY) + L"\\IsSIPInputMethod", L"0");
    std::vector<InputMethodEntry> aMethods = FindInputMethods();
    const InputMethodEntry* pEntry = Find(aMethods, CLSID_Fake);
    ASSERT_NE(nullptr, pEntry);
    EXPECT_EQ(L"Fake pad", pEntry->sName);
    EXPECT_EQ(nullptr, Find(aMethods, CLSID_NotMarked));

    RegDeleteTreeW(HKEY_CLASSES_ROOT, (std::wstring(FAKE_KEY) + L"\\IsSIPInputMethod").c_str());
    EXPECT_EQ(nullptr, Find(FindInputMethods(), CLSID_Fake));
}

namespace
{

bool HasValue(const std::wstring& sKey, const WCHAR* pszValue, HKEY hkeyRoot = HKEY_CLASSES_ROOT)
{
    return RegGetValueW(hkeyRoot, sKey.c_str(), pszValue, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

} // namespace

TEST_F(InputMethodsTest, ClearingTheSavedStateKeepsTheRegistration)
{
    SetDefaultText(FAKE_KEY, L"Fake pad");
    SetDefaultText(std::wstring(FAKE_KEY) + L"\\IsSIPInputMethod", L"1");
    DWORD dwOne = 1;
    for (const WCHAR* pszValue : {L"PadType", L"Radix", L"EquelToInput"})
        RegSetKeyValueW(HKEY_CLASSES_ROOT, FAKE_KEY, pszValue, REG_DWORD, &dwOne, sizeof(dwOne));
    RegSetKeyValueW(HKEY_CLASSES_ROOT, FAKE_KEY, L"Text", REG_SZ, L"x", 2 * sizeof(WCHAR));

    EXPECT_TRUE(ClearInputMethodState(CLSID_Fake));
    for (const WCHAR* pszValue : {L"PadType", L"Radix", L"EquelToInput", L"Text"})
        EXPECT_FALSE(HasValue(FAKE_KEY, pszValue)) << pszValue;
    std::vector<InputMethodEntry> aMethods = FindInputMethods();
    const InputMethodEntry* pEntry = Find(aMethods, CLSID_Fake);
    ASSERT_NE(nullptr, pEntry) << "the registration went with the state";
    EXPECT_EQ(L"Fake pad", pEntry->sName);

    EXPECT_TRUE(ClearInputMethodState(CLSID_Fake));       // nothing left to clear
    EXPECT_FALSE(ClearInputMethodState(CLSID_NotMarked)); // no key at all
}

// An installation for one user registers its class in the user's own classes, which Windows'
// HKEY_CLASSES_ROOT shows over the machine's and Wine's does not show at all. The host finds such
// classes, lists a class registered both ways once, by the user's registration, clears the state
// where the user's input method keeps it, and reports one whose module is missing.
TEST_F(InputMethodsTest, ClassesOfTheUserAreFoundAndClearedInTheUsersRegistration)
{
    SetDefaultText(FAKE_KEY, L"Machine pad");
    SetDefaultText(std::wstring(FAKE_KEY) + L"\\IsSIPInputMethod", L"1");
    SetUserDefaultText(FAKE_KEY, L"User pad");
    SetUserDefaultText(std::wstring(FAKE_KEY) + L"\\IsSIPInputMethod", L"1");
    SetUserDefaultText(USER_ONLY_KEY, L"User only pad");
    SetUserDefaultText(std::wstring(USER_ONLY_KEY) + L"\\IsSIPInputMethod", L"1");
    std::vector<InputMethodEntry> aMethods = FindInputMethods();
    int nFakes = 0;
    for (const InputMethodEntry& entry : aMethods)
        nFakes += IsEqualCLSID(entry.clsid, CLSID_Fake) ? 1 : 0;
    EXPECT_EQ(1, nFakes);
    const InputMethodEntry* pEntry = Find(aMethods, CLSID_Fake);
    ASSERT_NE(nullptr, pEntry);
    EXPECT_EQ(L"User pad", pEntry->sName);
    pEntry = Find(aMethods, CLSID_UserOnly);
    ASSERT_NE(nullptr, pEntry);
    EXPECT_EQ(L"User only pad", pEntry->sName);

    const std::wstring sUserKey = std::wstring(USER_CLASSES) + FAKE_KEY;
    DWORD dwOne = 1;
    RegSetKeyValueW(HKEY_CURRENT_USER, sUserKey.c_str(), L"PadType", REG_DWORD, &dwOne,
                    sizeof(dwOne));
    RegSetKeyValueW(HKEY_CLASSES_ROOT, FAKE_KEY, L"PadType", REG_DWORD, &dwOne, sizeof(dwOne));
    EXPECT_TRUE(ClearInputMethodState(CLSID_Fake));
    EXPECT_FALSE(HasValue(sUserKey, L"PadType", HKEY_CURRENT_USER));
    EXPECT_TRUE(HasValue(FAKE_KEY, L"PadType")) << "not the user's state";
    EXPECT_TRUE(HasValue(sUserKey, nullptr, HKEY_CURRENT_USER)) << "the registration went";

    // A user's class whose module cannot be loaded is reported, and nothing is left alive.
    SetUserDefaultText(std::wstring(USER_ONLY_KEY) + L"\\InprocServer32",
                       L"C:\\nowhere\\missing.dll");
    IInputMethod* pMethod = reinterpret_cast<IInputMethod*>(1);
    const char* pszFailedCall = nullptr;
    EXPECT_TRUE(FAILED(
        ActivateInputMethod(CLSID_UserOnly, hwndPanel, pCallback, &pMethod, &pszFailedCall)));
    EXPECT_EQ(nullptr, pMethod);
    EXPECT_STREQ("CoCreateInstance", pszFailedCall);
}

TEST_F(InputMethodsTest, TheHostDrivesTheMethodInThePlatformsOrder)
{
    IInputMethod* pMethod = nullptr;
    const char* pszFailedCall = "";
    ASSERT_EQ(S_OK,
              ActivateInputMethod(CLSID_Fake, hwndPanel, pCallback, &pMethod, &pszFailedCall));
    EXPECT_EQ(nullptr, pszFailedCall);
    EXPECT_EQ(static_cast<IInputMethod*>(&g_fake), pMethod);
    EXPECT_EQ(hwndPanel, g_fake.hwndSelected);
    EXPECT_EQ(pCallback, g_fake.pRegistered);
    // The panel's place on the screen and the screen above it.
    EXPECT_EQ(SIPF_ON | SIPF_DOCKED, g_fake.sipInfo.fdwFlags);
    EXPECT_EQ(240, g_fake.sipInfo.rcSipRect.top);
    EXPECT_EQ(320, g_fake.sipInfo.rcSipRect.bottom);
    EXPECT_EQ(240, g_fake.sipInfo.rcVisibleDesktop.bottom);
    DeactivateInputMethod(&pMethod);
    EXPECT_EQ(nullptr, pMethod);
    std::vector<std::string> expected = {"Select",  "GetInfo", "ReceiveSipInfo", "RegisterCallback",
                                         "Showing", "Hiding",  "Deselect",       "Release"};
    EXPECT_EQ(expected, g_fake.calls);
    EXPECT_EQ(0, g_fake.lRefCount);
}

TEST_F(InputMethodsTest, AFailedSelectLeavesNothingSelectedOrAlive)
{
    g_fake.hrSelect = E_FAIL;
    IInputMethod* pMethod = reinterpret_cast<IInputMethod*>(1);
    const char* pszFailedCall = nullptr;
    EXPECT_EQ(E_FAIL,
              ActivateInputMethod(CLSID_Fake, hwndPanel, pCallback, &pMethod, &pszFailedCall));
    EXPECT_EQ(nullptr, pMethod);
    EXPECT_STREQ("Select", pszFailedCall);
    std::vector<std::string> expected = {"Select", "Deselect", "Release"};
    EXPECT_EQ(expected, g_fake.calls);
    EXPECT_EQ(0, g_fake.lRefCount);
    DeactivateInputMethod(&pMethod); // nothing to do
}

TEST_F(InputMethodsTest, AClassThatCannotBeCreatedIsReported)
{
    IInputMethod* pMethod = nullptr;
    const char* pszFailedCall = nullptr;
    EXPECT_TRUE(FAILED(
        ActivateInputMethod(CLSID_NotMarked, hwndPanel, pCallback, &pMethod, &pszFailedCall)));
    EXPECT_EQ(nullptr, pMethod);
    EXPECT_STREQ("CoCreateInstance", pszFailedCall);
}
