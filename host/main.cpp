// vardeko-host: a simulated handheld screen that loads input methods the way the Windows CE
// input panel does, for people to try them and for scripts to drive them.

#include "host/console_output.h"
#include "host/error_text.h"
#include "host/host_script.h"
#include "host/host_window.h"
#include "host/panel_window.h"
#include "host/script_runner.h"
#include "host/text_escape.h"

#include <cwchar>

namespace
{

const int EXIT_FAILURE_STATUS = 1;
const int EXIT_USAGE_STATUS = 2;

// The method named sName (any case), the first found when sName is empty, or -1.
int ChooseMethod(const std::string& sName)
{
    if (g_Host.aMethods.empty())
        return -1;
    if (sName.empty())
        return 0;
    std::wstring sWide = FromUtf8(sName);
    for (size_t i = 0; i < g_Host.aMethods.size(); ++i)
    {
        if (lstrcmpiW(g_Host.aMethods[i].sName.c_str(), sWide.c_str()) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

std::string MethodNames()
{
    std::string s;
    for (const InputMethodEntry& entry : g_Host.aMethods)
        s += (s.empty() ? "" : ", ") + ToUtf8(entry.sName.c_str(), entry.sName.size());
    return s.empty() ? "none" : s;
}

// Clears the saved state of the input method that the run will select; one that cannot be
// found is left to the selection to report.
bool ResetMethod(const std::string& sName)
{
    int nMethod = ChooseMethod(sName);
    if (nMethod < 0)
        return true;
    if (ClearInputMethodState(g_Host.aMethods[nMethod].clsid))
        return true;
    const std::wstring& sMethod = g_Host.aMethods[nMethod].sName;
    WriteError("vardeko-host: cannot clear the saved state of " +
               ToUtf8(sMethod.c_str(), sMethod.size()) +
               ", the values of its class key under HKEY_CLASSES_ROOT\\CLSID: check that this "
               "user may write that key\n");
    return false;
}

int Run(const HostScript& script)
{
    if (script.bPanel && !script.bScripted && BringOpenPanelIntoView())
        return 0;
    if (script.bReset)
    {
        g_Host.aMethods = FindInputMethods();
        if (!ResetMethod(script.sMethod))
            return EXIT_FAILURE_STATUS;
    }
    bool bCreated = script.bPanel ? CreatePanelWindow() : CreateHostWindow(script.bScripted);
    if (!bCreated)
    {
        WriteError("vardeko-host: cannot create the host's windows (" +
                   Win32ErrorText(GetLastError()) +
                   "): under Wine, check that DISPLAY names an X display that is running\n");
        return EXIT_FAILURE_STATUS;
    }
    int nMethod = ChooseMethod(script.sMethod);
    if (nMethod < 0)
    {
        WriteError(g_Host.aMethods.empty()
                       ? "vardeko-host: no input method is registered: register one with "
                         "regsvr32 (scripts/run registers the keypad)\n"
                       : "vardeko-host: no input method is called '" + script.sMethod +
                             "' (registered: " + MethodNames() + ")\n");
        if (script.bScripted || !script.sMethod.empty())
        {
            CloseHost();
            return EXIT_FAILURE_STATUS;
        }
    }
    else
    {
        const char* pszFailedCall = nullptr;
        HRESULT hr = SelectInputMethod(nMethod, &pszFailedCall);
        if (FAILED(hr))
        {
            WriteError("vardeko-host: " +
                       ActivationFailureText(g_Host.aMethods[nMethod], pszFailedCall, hr) + "\n");
            CloseHost();
            return EXIT_FAILURE_STATUS;
        }
    }
    int nStatus = script.bScripted ? RunHostScript(script) : RunMessageLoop();
    CloseHost();
    PumpMessages();
    return nStatus;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::string> aArgs;
    for (int i = 1; i < argc; ++i)
        aArgs.push_back(ToUtf8(argv[i], wcslen(argv[i])));
    HostScript script;
    std::string sError;
    if (!ParseHostScript(aArgs, &script, &sError))
    {
        WriteError("vardeko-host: " + sError + "\ntry 'vardeko-host --help'\n");
        return EXIT_USAGE_STATUS;
    }
    if (script.bHelp)
    {
        WriteOutput(g_szHostUsage);
        return 0;
    }
    if (!script.bScripted)
        ReleaseOwnConsole();
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(hr))
    {
        WriteError("vardeko-host: COM is not available: CoInitializeEx failed with " +
                   HresultText(hr) + "\n");
        return EXIT_FAILURE_STATUS;
    }
    int nStatus = Run(script);
    CoUninitialize();
    return nStatus;
}
