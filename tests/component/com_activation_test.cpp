// The built DLL as a host meets it: registered through its own export, created through the COM
// runtime, driven in the host's order, and unloaded only when it allows.

#include "base/identity.h"
#include "host/input_methods.h"
#include "host/pad_key_names.h"
#include "host/recording_callback.h"
#include "platform/sip.h"
#include "tests/support/registry_access.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace
{

// The component's CLSID but for its last bit.
const CLSID CLSID_Other = {CLSID_Vardeko.Data1,
                           CLSID_Vardeko.Data2,
                           CLSID_Vardeko.Data3,
                           {0x8c, 0x2e, 0x7d, 0x15, 0xa0, 0xb4, 0xe9, 0x62}};

typedef HRESULT(STDAPICALLTYPE* DllFunction)();
typedef HRESULT(STDAPICALLTYPE* GetClassObjectFunction)(REFCLSID, REFIID, void**);

// The DLL as Wine sees the build tree: the Unix root is drive Z:.
std::wstring DllPath()
{
    std::wstring s = L"Z:";
    for (const char* p = VARDEKO_DLL_PATH; *p != 0; ++p)
        s += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
    return s;
}

HMODULE LoadedDll()
{
    return GetModuleHandleW(L"vardeko.dll");
}

template <typename T> T Export(const char* pszName)
{
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(LoadedDll(), pszName)));
}

// Loads the DLL, as regsvr32 does, calls the export pszName and unloads the DLL again.
HRESULT CallExport(const char* pszName)
{
    HMODULE hmod = LoadLibraryW(DllPath().c_str());
    if (hmod == nullptr)
        return HRESULT_FROM_WIN32(GetLastError());
    HRESULT hr =
        reinterpret_cast<DllFunction>(reinterpret_cast<void*>(GetProcAddress(hmod, pszName)))();
    FreeLibrary(hmod);
    return hr;
}

const wchar_t SERVER_KEY[] = VARDEKO_CLSID_KEY L"\\InprocServer32";
const wchar_t PANEL_KEY[] = VARDEKO_CLSID_KEY L"\\IsSIPInputMethod";

bool KeyExists(const wchar_t* pszPath)
{
    HKEY hkey = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, pszPath, 0, KEY_READ, &hkey) != ERROR_SUCCESS)
        return false;
    RegCloseKey(hkey);
    return true;
}

// Lets the COM runtime unload what it may: its delay has to pass between two calls.
void FreeUnusedLibraries()
{
    CoFreeUnusedLibrariesEx(0, 0);
    Sleep(20);
    CoFreeUnusedLibrariesEx(0, 0);
}

} // namespace

class ComActivationTest : public testing::Test
{
  protected:
    static void SetUpTestSuite() { ASSERT_EQ(S_OK, CallExport("DllRegisterServer")); }
    void SetUp() override { ASSERT_EQ(S_OK, CoInitialize(nullptr)); }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(ComActivationTest, HostDrivesTheKeypadThroughTheComRuntime)
{
    ASSERT_EQ(nullptr, LoadedDll());
    IInputMethod* pim = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_Vardeko, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                                     reinterpret_cast<void**>(&pim)));
    ASSERT_NE(nullptr, LoadedDll());

    RECT rc = {0, 0, 240, 80};
    AdjustWindowRectEx(&rc, WS_POPUP, FALSE, 0);
    HWND hwndSip =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 240, rc.right - rc.left,
                        rc.bottom - rc.top, nullptr, nullptr, nullptr, nullptr);
    ASSERT_EQ(S_OK, pim->Select(hwndSip));
    IMINFO imi = {};
    EXPECT_EQ(S_OK, pim->GetInfo(&imi));
    EXPECT_EQ(SIPF_DOCKED, imi.fdwFlags);
    SIPINFO si = {};
    si.cbSize = sizeof(si);
    EXPECT_EQ(S_OK, pim->ReceiveSipInfo(&si));
    RecordingCallback recorder;
    EXPECT_EQ(S_OK, pim->RegisterCallback(&recorder));
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);

    HWND hwndPad = GetDlgItem(hwndSip, PAD_WINDOW_ID);
    ASSERT_NE(nullptr, hwndPad);
    for (const char* pszKey : {"2", "+", "9", "=", "Input"})
    {
        PadKeyPlace place;
        ASSERT_TRUE(FindPadKey(pszKey, &place));
        TapPadKey(hwndPad, place);
    }
    EXPECT_EQ(CallLog({"SendString \"11\" 2"}), recorder.Transcript());

    EXPECT_EQ(S_OK, pim->Deselect());
    EXPECT_FALSE(IsWindow(hwndPad));
    DestroyWindow(hwndSip);

    FreeUnusedLibraries();
    EXPECT_NE(nullptr, LoadedDll()); // the object still lives
    EXPECT_EQ(S_FALSE, Export<DllFunction>("DllCanUnloadNow")());
    EXPECT_EQ(0u, pim->Release());
    FreeUnusedLibraries();
    EXPECT_EQ(nullptr, LoadedDll());
}

// A careless host: the last Release without Deselect, then the COM runtime unloads the module.
// The pad window must be gone by then, or the next message to it runs unloaded code.
TEST_F(ComActivationTest, LastReleaseWithoutDeselectLeavesNoWindowToTheUnloadedModule)
{
    IInputMethod* pim = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_Vardeko, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                                     reinterpret_cast<void**>(&pim)));
    HWND hwndSip = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 240, 242, 82,
                                   nullptr, nullptr, nullptr, nullptr);
    ASSERT_EQ(S_OK, pim->Select(hwndSip));
    HWND hwndPad = GetDlgItem(hwndSip, PAD_WINDOW_ID);
    ASSERT_NE(nullptr, hwndPad);
    EXPECT_EQ(S_FALSE, Export<DllFunction>("DllCanUnloadNow")());
    EXPECT_EQ(0u, pim->Release());
    EXPECT_FALSE(IsWindow(hwndPad));
    WNDCLASSW wc;
    EXPECT_FALSE(GetClassInfoW(LoadedDll(), L"VardekoWndClass", &wc));
    EXPECT_EQ(S_OK, Export<DllFunction>("DllCanUnloadNow")());
    FreeUnusedLibraries();
    EXPECT_EQ(nullptr, LoadedDll());
    // The host's panel lives on: repainted and tapped, it must reach none of the module's code.
    RedrawWindow(hwndSip, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    TapPadWindow(hwndSip, 170, 67);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    DestroyWindow(hwndSip);
}

TEST_F(ComActivationTest, FactoriesAndServerLocks)
{
    IClassFactory* pFactory = nullptr;
    ASSERT_EQ(S_OK, CoGetClassObject(CLSID_Vardeko, CLSCTX_INPROC_SERVER, nullptr,
                                     IID_IClassFactory, reinterpret_cast<void**>(&pFactory)));
    GetClassObjectFunction pfnGetClassObject = Export<GetClassObjectFunction>("DllGetClassObject");
    void* pv = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, pfnGetClassObject(CLSID_Other, IID_IClassFactory, &pv));
    EXPECT_EQ(reinterpret_cast<void*>(1), pv); // untouched
    EXPECT_EQ(E_NOINTERFACE, pfnGetClassObject(CLSID_Vardeko, IID_IInputMethod, &pv));
    EXPECT_EQ(nullptr, pv);
    EXPECT_EQ(E_POINTER, pfnGetClassObject(CLSID_Vardeko, IID_IClassFactory, nullptr));
    IUnknown* pUnknown = nullptr;
    ASSERT_EQ(S_OK,
              pfnGetClassObject(CLSID_Vardeko, IID_IUnknown, reinterpret_cast<void**>(&pUnknown)));
    EXPECT_EQ(0u, pUnknown->Release()); // a new factory with a count of 1

    // The factory keeps the module, and so does a lock after the factory is gone.
    DllFunction pfnCanUnloadNow = Export<DllFunction>("DllCanUnloadNow");
    EXPECT_EQ(S_FALSE, pfnCanUnloadNow());
    EXPECT_EQ(S_OK, pFactory->LockServer(TRUE));
    EXPECT_EQ(0u, pFactory->Release());
    EXPECT_EQ(S_FALSE, pfnCanUnloadNow());
    FreeUnusedLibraries();
    ASSERT_NE(nullptr, LoadedDll());
    ASSERT_EQ(S_OK, CoGetClassObject(CLSID_Vardeko, CLSCTX_INPROC_SERVER, nullptr,
                                     IID_IClassFactory, reinterpret_cast<void**>(&pFactory)));
    EXPECT_EQ(S_OK, pFactory->LockServer(FALSE));
    EXPECT_EQ(S_FALSE, pfnCanUnloadNow());
    EXPECT_EQ(0u, pFactory->Release());
    EXPECT_EQ(S_OK, pfnCanUnloadNow());
    FreeUnusedLibraries();
    EXPECT_EQ(nullptr, LoadedDll());
}

// A host that caches the class object, as COM hosts do, while it lets the COM runtime unload what
// is unused: the module stays for the factory, which then creates a working keypad.
TEST_F(ComActivationTest, AFactoryHeldAcrossFreeUnusedLibrariesStillCreatesObjects)
{
    IClassFactory* pFactory = nullptr;
    ASSERT_EQ(S_OK, CoGetClassObject(CLSID_Vardeko, CLSCTX_INPROC_SERVER, nullptr,
                                     IID_IClassFactory, reinterpret_cast<void**>(&pFactory)));
    FreeUnusedLibraries();
    ASSERT_NE(nullptr, LoadedDll()) << "unloaded under a factory the host still holds";

    IInputMethod* pim = nullptr;
    ASSERT_EQ(S_OK,
              pFactory->CreateInstance(nullptr, IID_IInputMethod, reinterpret_cast<void**>(&pim)));
    EXPECT_EQ(0u, pFactory->Release());
    HWND hwndSip = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 240, 242, 82,
                                   nullptr, nullptr, nullptr, nullptr);
    ASSERT_EQ(S_OK, pim->Select(hwndSip));
    EXPECT_NE(nullptr, GetDlgItem(hwndSip, PAD_WINDOW_ID));
    EXPECT_EQ(S_OK, pim->Deselect());
    EXPECT_EQ(0u, pim->Release());
    DestroyWindow(hwndSip);
    FreeUnusedLibraries();
    EXPECT_EQ(nullptr, LoadedDll());
}

TEST_F(ComActivationTest, ExportsExactlyTheFourFunctionsByNameAndOrdinal)
{
    HMODULE hmod = LoadLibraryExW(DllPath().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(nullptr, hmod);
    const BYTE* pBase = reinterpret_cast<const BYTE*>(hmod);
    const IMAGE_NT_HEADERS* pnt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        pBase + reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir =
        pnt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    const IMAGE_EXPORT_DIRECTORY* pexp =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(pBase + dir.VirtualAddress);
    const char* apszExpected[] = {"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer",
                                  "DllUnregisterServer"};
    ASSERT_EQ(4u, pexp->NumberOfNames);
    ASSERT_EQ(4u, pexp->NumberOfFunctions);
    const DWORD* pNames = reinterpret_cast<const DWORD*>(pBase + pexp->AddressOfNames);
    const WORD* pOrdinals = reinterpret_cast<const WORD*>(pBase + pexp->AddressOfNameOrdinals);
    for (DWORD i = 0; i < 4; ++i)
    {
        EXPECT_STREQ(apszExpected[i], reinterpret_cast<const char*>(pBase + pNames[i]));
        EXPECT_EQ(i + 1, pOrdinals[i] + pexp->Base);
    }
    FreeLibrary(hmod);
}

// An InprocServer32 key that the user may read but not change, as an earlier install by an
// administrator leaves it: regsvr32 must hear that the registration failed, and the input panel
// must not be offered a component that COM cannot load.
TEST_F(ComActivationTest, RegistrationFailsWhenTheServerKeyCannotBeWritten)
{
    RegDeleteTreeW(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY);
    SetKeyAccess(SERVER_KEY, READ_ONLY_ACCESS);
    EXPECT_EQ(E_FAIL, CallExport("DllRegisterServer"));
    EXPECT_FALSE(KeyExists(PANEL_KEY));

    SetKeyAccess(SERVER_KEY, FULL_ACCESS);
    EXPECT_EQ(S_OK, CallExport("DllRegisterServer"));
    EXPECT_TRUE(KeyExists(PANEL_KEY));
}

// An installation for one user registers the keypad in the user's own classes alone. Windows' COM
// finds it there; Wine's looks in the machine's classes only, so the host creates it from its
// module itself. Either way the keypad keeps its pad state in that registration, and the module
// unloads once the host is done with it.
TEST_F(ComActivationTest, TheHostActivatesAKeypadRegisteredForTheUserAlone)
{
    struct Restore
    {
        ~Restore()
        {
            RegDeleteTreeW(HKEY_CURRENT_USER, VARDEKO_USER_CLSID_KEY);
            CallExport("DllRegisterServer");
        }
    } restore;
    // The registration as the per-user package writes it: DllRegisterServer's, in the user's
    // classes.
    HKEY hkeyMachine = nullptr;
    HKEY hkeyUser = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExW(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY, 0, KEY_READ, &hkeyMachine));
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, VARDEKO_USER_CLSID_KEY, 0, nullptr,
                                             0, KEY_ALL_ACCESS, nullptr, &hkeyUser, nullptr));
    EXPECT_EQ(ERROR_SUCCESS, RegCopyTreeW(hkeyMachine, nullptr, hkeyUser));
    RegCloseKey(hkeyMachine);
    RegCloseKey(hkeyUser);
    ASSERT_EQ(S_OK, CallExport("DllUnregisterServer"));

    bool bFound = false;
    for (const InputMethodEntry& entry : FindInputMethods())
        bFound = bFound || (IsEqualCLSID(entry.clsid, CLSID_Vardeko) && entry.sName == L"Vardeko");
    EXPECT_TRUE(bFound);

    HWND hwndSip = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 240, 242, 82,
                                   nullptr, nullptr, nullptr, nullptr);
    RecordingCallback recorder;
    IInputMethod* pim = nullptr;
    const char* pszFailedCall = nullptr;
    ASSERT_EQ(S_OK, ActivateInputMethod(CLSID_Vardeko, hwndSip, &recorder, &pim, &pszFailedCall));
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    HWND hwndPad = GetDlgItem(hwndSip, PAD_WINDOW_ID);
    ASSERT_NE(nullptr, hwndPad);
    for (const char* pszKey : {"pad", "7", "+", "8", "=", "Input"})
    {
        PadKeyPlace place;
        ASSERT_TRUE(FindPadKey(pszKey, &place));
        TapPadKey(hwndPad, place);
    }
    EXPECT_EQ(CallLog({"SendString \"15\" 2"}), recorder.Transcript());
    DeactivateInputMethod(&pim);
    DestroyWindow(hwndSip);
    EXPECT_EQ(nullptr, LoadedDll());

    DWORD dwPadType = 0;
    DWORD cbPadType = sizeof(dwPadType);
    EXPECT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_CURRENT_USER, VARDEKO_USER_CLSID_KEY, L"PadType",
                                          RRF_RT_REG_DWORD, nullptr, &dwPadType, &cbPadType));
    EXPECT_EQ(1u, dwPadType);
    EXPECT_FALSE(KeyExists(VARDEKO_CLSID_KEY)) << "the keypad wrote into the machine's classes";
}
