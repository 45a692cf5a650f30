#include "host/script_runner.h"

#include "host/console_output.h"
#include "host/error_text.h"
#include "host/host_window.h"
#include "host/pad_key_names.h"
#include "host/panel_window.h"
#include "host/picture.h"
#include "host/text_escape.h"

#include <cstdio>

namespace
{

const UINT OPTIONS_TIMER_MS = 50;

// An options shot in progress: the timer that looks for the dialog inside its modal loop.
struct OptionsShot
{
    const ScriptStep* pStep;
    int nScale;
    bool bFound;
    bool bWritten;
};

OptionsShot g_OptionsShot;

bool WritePicture(const Picture& picture, const std::string& sFile)
{
    HRESULT hr = WritePng(picture, FromUtf8(sFile).c_str());
    if (SUCCEEDED(hr))
        return true;
    WriteError("vardeko-host: cannot write the picture " + sFile + ": " + HresultText(hr) +
               "; check that its folder exists and may be written\n");
    return false;
}

bool SavePicture(HWND hwnd, bool bWholeWindow, int nScale, const std::string& sFile)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Picture picture = CapturePicture(hwnd, bWholeWindow);
    if (nScale > 1)
        picture = EnlargePicture(picture, nScale);
    return WritePicture(picture, sFile);
}

std::string WindowText(HWND hwnd)
{
    int nChars = GetWindowTextLengthW(hwnd);
    std::wstring s(static_cast<size_t>(nChars) + 1, L'\0');
    nChars = GetWindowTextW(hwnd, &s[0], nChars + 1);
    return EscapeText(s.c_str(), static_cast<size_t>(nChars));
}

// The dialog's caption and each control's class, id and text, and the state of check boxes, so
// that a script can see what the user would read.
void RecordDialog(HWND hwndDlg)
{
    g_Host.pCallback->AddTranscriptLine("dialog \"" + WindowText(hwndDlg) + "\"");
    for (HWND hwnd = GetWindow(hwndDlg, GW_CHILD); hwnd != nullptr;
         hwnd = GetWindow(hwnd, GW_HWNDNEXT))
    {
        WCHAR szClass[32];
        int nClassChars = GetClassNameW(hwnd, szClass, 32);
        CharLowerW(szClass);
        char szId[16];
        snprintf(szId, sizeof(szId), " %d ", static_cast<short>(GetDlgCtrlID(hwnd)));
        std::string sLine = ToUtf8(szClass, static_cast<size_t>(nClassChars)) + szId + "\"" +
                            WindowText(hwnd) + "\"";
        LONG lType = GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK;
        if (lstrcmpW(szClass, L"button") == 0 && (lType == BS_CHECKBOX || lType == BS_AUTOCHECKBOX))
            sLine +=
                SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? " checked" : " unchecked";
        g_Host.pCallback->AddTranscriptLine(sLine);
    }
}

BOOL CALLBACK FindOptionsDialog(HWND hwnd, LPARAM lParam)
{
    WCHAR szClass[16];
    GetClassNameW(hwnd, szClass, 16);
    if (lstrcmpW(szClass, L"#32770") == 0 && IsWindowVisible(hwnd) &&
        GetWindow(hwnd, GW_OWNER) == g_Host.hwndMain)
    {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK OnOptionsTimer(HWND, UINT, UINT_PTR idTimer, DWORD)
{
    HWND hwndDlg = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindOptionsDialog, reinterpret_cast<LPARAM>(&hwndDlg));
    if (hwndDlg == nullptr)
        return; // not open yet
    KillTimer(nullptr, idTimer);
    g_OptionsShot.bFound = true;
    RedrawWindow(hwndDlg, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    g_OptionsShot.bWritten =
        SavePicture(hwndDlg, true, g_OptionsShot.nScale, g_OptionsShot.pStep->sFile);
    RecordDialog(hwndDlg);
    PostMessageW(hwndDlg, WM_COMMAND, IDCANCEL, 0);
}

// Opens the dialog through the menu command and photographs it from inside its modal loop.
bool ShootOptions(const ScriptStep& step, int nScale)
{
    g_OptionsShot = {&step, nScale, false, false};
    UINT_PTR idTimer = SetTimer(nullptr, 0, OPTIONS_TIMER_MS, OnOptionsTimer);
    SendMessageW(g_Host.hwndMain, WM_COMMAND, IDM_OPTIONS, 0);
    KillTimer(nullptr, idTimer);
    if (!g_OptionsShot.bFound)
        WriteError("vardeko-host: the options dialog did not open: the input method's "
                   "UserOptionsDlg returned without showing one\n");
    return g_OptionsShot.bFound && g_OptionsShot.bWritten;
}

void Tap(int x, int y)
{
    TapPadWindow(PadWindow(), x, y);
    PumpMessages();
}

void TapKey(const PadKeyPlace& place)
{
    TapPadKey(PadWindow(), place);
    PumpMessages();
}

// The simulated screen, or the floating panel with the application it types into.
bool SaveShot(int nScale, const std::string& sFile)
{
    if (g_Host.hwndEdit != nullptr)
        return SavePicture(g_Host.hwndMain, false, nScale, sFile);
    RedrawWindow(g_Host.hwndMain, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Picture picture = CaptureScreenArea(PanelShotArea());
    if (nScale > 1)
        picture = EnlargePicture(picture, nScale);
    return WritePicture(picture, sFile);
}

bool RunStep(const ScriptStep& step, int* pnScale)
{
    switch (step.nKind)
    {
    case STEP_KEY: TapKey(step.place); return true;
    case STEP_TAP: Tap(step.x, step.y); return true;
    case STEP_SCALE: *pnScale = step.nScale; return true;
    case STEP_SHOT: return SaveShot(*pnScale, step.sFile);
    case STEP_PAD_SHOT: return SavePicture(PadWindow(), false, *pnScale, step.sFile);
    case STEP_OPTIONS: SendMessageW(g_Host.hwndMain, WM_COMMAND, IDM_OPTIONS, 0); return true;
    case STEP_OPTIONS_SHOT: return ShootOptions(step, *pnScale);
    }
    return false;
}

} // namespace

int RunHostScript(const HostScript& script)
{
    int nScale = 1;
    int nStatus = 0;
    for (const ScriptStep& step : script.aSteps)
    {
        if (!RunStep(step, &nScale))
        {
            nStatus = 1;
            break;
        }
    }
    if (script.bPrint)
    {
        std::string sOutput;
        for (const std::string& sLine : g_Host.pCallback->Transcript())
            sOutput += sLine + "\n";
        // The floating panel's application is not ours to read.
        if (g_Host.hwndEdit != nullptr)
            sOutput += "text: \"" + WindowText(g_Host.hwndEdit) + "\"\n";
        WriteOutput(sOutput);
    }
    return nStatus;
}
