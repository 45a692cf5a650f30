#include "host/input_methods.h"

#include "host/error_text.h"
#include "host/text_escape.h"

namespace
{

const int CLSID_TEXT_CHARS = 39; // {xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx} and a terminator
const int NAME_CHARS = 256;
const int PATH_CHARS = MAX_PATH + 1;

// Where classes are registered, in the order Windows looks: the user's own classes (an
// installation for one user), then the machine's. Windows' HKEY_CLASSES_ROOT shows both, the
// user's over the machine's; Wine's shows the machine's alone, so the user's are read first by
// themselves. On Windows that reads a per-user class twice, and the first reading counts.
struct ClassesKey
{
    HKEY hkeyRoot;
    const WCHAR* pszPath;
};
const ClassesKey g_aClassesKeys[] = {{HKEY_CURRENT_USER, L"Software\\Classes\\CLSID"},
                                     {HKEY_CLASSES_ROOT, L"CLSID"}};

// The modules of per-user classes that this host loaded itself (see CreateUserClassInstance).
std::vector<HMODULE> g_aUserClassModules;

// The default value of hkeyParent\pszSubkey as text, or false when it is missing or no text.
bool ReadDefaultText(HKEY hkeyParent, const WCHAR* pszSubkey, std::wstring* ps)
{
    WCHAR szValue[PATH_CHARS];
    DWORD cbValue = sizeof(szValue);
    if (RegGetValueW(hkeyParent, pszSubkey, nullptr, RRF_RT_REG_SZ, nullptr, szValue, &cbValue) !=
        ERROR_SUCCESS)
        return false;
    *ps = szValue;
    return true;
}

// The path of the class's key under classes.hkeyRoot.
std::wstring ClassKeyPath(const ClassesKey& classes, const CLSID& clsid)
{
    WCHAR szClsid[CLSID_TEXT_CHARS] = L"";
    StringFromGUID2(clsid, szClsid, CLSID_TEXT_CHARS);
    return std::wstring(classes.pszPath) + L"\\" + szClsid;
}

// Opens the key of the class where Windows would find it: in the user's own classes, else in the
// machine's; returns the registry's error code.
LONG OpenClassKey(const CLSID& clsid, REGSAM samDesired, HKEY* phkey)
{
    LONG lResult = ERROR_FILE_NOT_FOUND;
    for (const ClassesKey& classes : g_aClassesKeys)
    {
        lResult = RegOpenKeyExW(classes.hkeyRoot, ClassKeyPath(classes, clsid).c_str(), 0,
                                samDesired, phkey);
        if (lResult != ERROR_FILE_NOT_FOUND)
            break;
    }
    return lResult;
}

// Adds the input methods registered under hkeyClsid, a CLSID key of classes, that aMethods lacks.
void AddInputMethods(HKEY hkeyClsid, std::vector<InputMethodEntry>* paMethods)
{
    WCHAR szKey[CLSID_TEXT_CHARS + 1];
    for (DWORD dwIndex = 0;; ++dwIndex)
    {
        DWORD cchKey = CLSID_TEXT_CHARS + 1;
        LONG lResult =
            RegEnumKeyExW(hkeyClsid, dwIndex, szKey, &cchKey, nullptr, nullptr, nullptr, nullptr);
        if (lResult == ERROR_MORE_DATA)
            continue; // longer than any CLSID text
        if (lResult != ERROR_SUCCESS)
            break;
        std::wstring sFlag;
        std::wstring sSubkey = std::wstring(szKey) + L"\\IsSIPInputMethod";
        if (!ReadDefaultText(hkeyClsid, sSubkey.c_str(), &sFlag) || sFlag != L"1")
            continue;
        InputMethodEntry entry;
        if (FAILED(CLSIDFromString(szKey, &entry.clsid)))
            continue;
        bool bKnown = false;
        for (const InputMethodEntry& known : *paMethods)
            bKnown = bKnown || IsEqualCLSID(known.clsid, entry.clsid);
        if (bKnown)
            continue;
        if (!ReadDefaultText(hkeyClsid, szKey, &entry.sName))
            entry.sName = szKey;
        ReadDefaultText(hkeyClsid, (std::wstring(szKey) + L"\\InprocServer32").c_str(),
                        &entry.sServer);
        paMethods->push_back(entry);
    }
}

// A module's export by name, as the function type it has; null when the module lacks it.
template <typename Function> Function FindExport(HMODULE hmod, const char* pszName)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(hmod, pszName)));
}

// What CoFreeUnusedLibraries does for the modules that COM loaded, for those loaded here.
void FreeUnusedUserClassModules()
{
    for (size_t i = g_aUserClassModules.size(); i-- > 0;)
    {
        HMODULE hmod = g_aUserClassModules[i];
        auto pfnCanUnloadNow = FindExport<LPFNCANUNLOADNOW>(hmod, "DllCanUnloadNow");
        if (pfnCanUnloadNow != nullptr && pfnCanUnloadNow() != S_OK)
            continue;
        FreeLibrary(hmod);
        g_aUserClassModules.erase(g_aUserClassModules.begin() + i);
    }
}

void FreeUnusedModules()
{
    CoFreeUnusedLibraries();
    FreeUnusedUserClassModules();
}

// Windows' COM finds a class registered for the user alone, as an installation for one user
// registers the keypad; Wine's looks in the machine's classes only and answers
// REGDB_E_CLASSNOTREG. Such a class is created here as Windows' COM creates an in-process one:
// from its InprocServer32 module's class object, the module staying loaded until it can unload.
HRESULT CreateUserClassInstance(const CLSID& clsid, IInputMethod** ppMethod)
{
    // Only the user's own classes: the machine's are COM's to find.
    const ClassesKey& user = g_aClassesKeys[0];
    std::wstring sPath;
    if (!ReadDefaultText(user.hkeyRoot, (ClassKeyPath(user, clsid) + L"\\InprocServer32").c_str(),
                         &sPath))
        return REGDB_E_CLASSNOTREG;
    HMODULE hmod = LoadLibraryExW(sPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (hmod == nullptr)
        return HRESULT_FROM_WIN32(GetLastError());
    g_aUserClassModules.push_back(hmod);
    auto pfnGetClassObject = FindExport<LPFNGETCLASSOBJECT>(hmod, "DllGetClassObject");
    IClassFactory* pFactory = nullptr;
    HRESULT hr =
        pfnGetClassObject != nullptr
            ? pfnGetClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&pFactory))
            : CO_E_ERRORINDLL;
    if (SUCCEEDED(hr))
    {
        hr =
            pFactory->CreateInstance(nullptr, IID_IInputMethod, reinterpret_cast<void**>(ppMethod));
        pFactory->Release();
    }
    if (FAILED(hr))
        FreeUnusedUserClassModules();
    return hr;
}

// The panel's place on the simulated screen and what stays visible above it.
void FillSipInfo(HWND hwndSip, SIPINFO* psi)
{
    *psi = SIPINFO();
    psi->cbSize = sizeof(SIPINFO);
    psi->fdwFlags = SIPF_ON | SIPF_DOCKED;
    HWND hwndScreen = GetParent(hwndSip);
    GetWindowRect(hwndSip, &psi->rcSipRect);
    MapWindowPoints(HWND_DESKTOP, hwndScreen, reinterpret_cast<POINT*>(&psi->rcSipRect), 2);
    GetClientRect(hwndScreen, &psi->rcVisibleDesktop);
    psi->rcVisibleDesktop.bottom = psi->rcSipRect.top;
}

} // namespace

std::vector<InputMethodEntry> FindInputMethods()
{
    std::vector<InputMethodEntry> aMethods;
    for (const ClassesKey& classes : g_aClassesKeys)
    {
        HKEY hkeyClsid = nullptr;
        if (RegOpenKeyExW(classes.hkeyRoot, classes.pszPath, 0, KEY_READ, &hkeyClsid) !=
            ERROR_SUCCESS)
            continue;
        AddInputMethods(hkeyClsid, &aMethods);
        RegCloseKey(hkeyClsid);
    }
    return aMethods;
}

bool ClearInputMethodState(const CLSID& clsid)
{
    HKEY hkey = nullptr;
    if (OpenClassKey(clsid, KEY_QUERY_VALUE | KEY_SET_VALUE, &hkey) != ERROR_SUCCESS)
        return false;
    // Named first, deleted after: deleting while enumerating would skip values.
    std::vector<std::wstring> aNames;
    WCHAR szName[NAME_CHARS];
    for (DWORD dwIndex = 0;; ++dwIndex)
    {
        DWORD cchName = NAME_CHARS;
        LONG lResult =
            RegEnumValueW(hkey, dwIndex, szName, &cchName, nullptr, nullptr, nullptr, nullptr);
        if (lResult == ERROR_MORE_DATA)
            continue; // longer than any name an input method gives its settings
        if (lResult != ERROR_SUCCESS)
            break;
        if (cchName != 0)
            aNames.push_back(szName);
    }
    bool bCleared = true;
    for (const std::wstring& sName : aNames)
        bCleared = RegDeleteValueW(hkey, sName.c_str()) == ERROR_SUCCESS && bCleared;
    RegCloseKey(hkey);
    return bCleared;
}

HRESULT ActivateInputMethod(const CLSID& clsid, HWND hwndSip, IIMCallback* pCallback,
                            IInputMethod** ppMethod, const char** ppszFailedCall)
{
    *ppMethod = nullptr;
    IInputMethod* pMethod = nullptr;
    *ppszFailedCall = "CoCreateInstance";
    HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                                  reinterpret_cast<void**>(&pMethod));
    if (hr == REGDB_E_CLASSNOTREG)
        hr = CreateUserClassInstance(clsid, &pMethod);
    if (FAILED(hr))
        return hr;
    *ppszFailedCall = "Select";
    hr = pMethod->Select(hwndSip);
    if (FAILED(hr))
    {
        // A failed Select may have made part of its window; Deselect clears it.
        pMethod->Deselect();
        pMethod->Release();
        FreeUnusedModules();
        return hr;
    }
    IMINFO imi = {};
    imi.cbSize = sizeof(imi);
    pMethod->GetInfo(&imi);
    ReportPanelSize(pMethod, hwndSip);
    pMethod->RegisterCallback(pCallback);
    pMethod->Showing();
    *ppMethod = pMethod;
    *ppszFailedCall = nullptr;
    return S_OK;
}

std::string ActivationFailureText(const InputMethodEntry& entry, const char* pszFailedCall,
                                  HRESULT hr)
{
    std::string sName = ToUtf8(entry.sName.c_str(), entry.sName.size());
    std::string sFailure = std::string(pszFailedCall) + " failed with " + HresultText(hr);
    if (lstrcmpA(pszFailedCall, "CoCreateInstance") != 0)
        return "the input method " + sName + " could not open in the input panel: its " + sFailure +
               "; try again, or choose another with --method";
    if (entry.sServer.empty())
        return "cannot create the input method " + sName + ": " + sFailure +
               "; its class names no DLL (InprocServer32): register its DLL again with regsvr32";
    std::string sBits = sizeof(void*) == 8 ? "64" : "32";
    return "cannot create the input method " + sName + ": " + sFailure + "; its DLL " +
           ToUtf8(entry.sServer.c_str(), entry.sServer.size()) +
           " could not be loaded or made no input method: check that it exists and is a " + sBits +
           "-bit DLL, and register it again with the " + sBits + "-bit regsvr32";
}

void ReportPanelSize(IInputMethod* pMethod, HWND hwndSip)
{
    SIPINFO si;
    FillSipInfo(hwndSip, &si);
    pMethod->ReceiveSipInfo(&si);
}

void DeactivateInputMethod(IInputMethod** ppMethod)
{
    if (*ppMethod == nullptr)
        return;
    (*ppMethod)->Hiding();
    (*ppMethod)->Deselect();
    (*ppMethod)->Release();
    *ppMethod = nullptr;
    FreeUnusedModules();
}
