#include "host/input_methods.h"

#include "host/error_text.h"
#include "host/text_escape.h"

namespace
{

const int CLSID_TEXT_CHARS = 39; // {xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx} and a terminator
const int NAME_CHARS = 256;
const int PATH_CHARS = MAX_PATH + 1;

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
    HKEY hkeyClsid = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID", 0, KEY_READ, &hkeyClsid) != ERROR_SUCCESS)
        return aMethods;
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
        if (!ReadDefaultText(hkeyClsid, szKey, &entry.sName))
            entry.sName = szKey;
        ReadDefaultText(hkeyClsid, (std::wstring(szKey) + L"\\InprocServer32").c_str(),
                        &entry.sServer);
        aMethods.push_back(entry);
    }
    RegCloseKey(hkeyClsid);
    return aMethods;
}

bool ClearInputMethodState(const CLSID& clsid)
{
    WCHAR szClsid[CLSID_TEXT_CHARS];
    if (StringFromGUID2(clsid, szClsid, CLSID_TEXT_CHARS) == 0)
        return false;
    std::wstring sKey = std::wstring(L"CLSID\\") + szClsid;
    HKEY hkey = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, sKey.c_str(), 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &hkey) !=
        ERROR_SUCCESS)
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
    if (FAILED(hr))
        return hr;
    *ppszFailedCall = "Select";
    hr = pMethod->Select(hwndSip);
    if (FAILED(hr))
    {
        // A failed Select may have made part of its window; Deselect clears it.
        pMethod->Deselect();
        pMethod->Release();
        CoFreeUnusedLibraries();
        return hr;
    }
    IMINFO imi = {};
    imi.cbSize = sizeof(imi);
    pMethod->GetInfo(&imi);
    SIPINFO si;
    FillSipInfo(hwndSip, &si);
    pMethod->ReceiveSipInfo(&si);
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
    CoFreeUnusedLibraries();
}
