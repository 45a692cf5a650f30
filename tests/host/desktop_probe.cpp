// desktop-probe: what a test of the floating panel needs to see and do on the Wine desktop from
// outside the panel: the foreground window, an application's edit text, real mouse clicks on the
// panel's keys. Every wait is for a condition, with a deadline.
//
//   desktop-probe wait-foreground CLASS SECONDS   until a CLASS window is the foreground window
//   desktop-probe watch-foreground CLASS          print "watching", then every change of the
//                                                 foreground window until stop-watch; status 1
//                                                 when anything but a CLASS window held it
//   desktop-probe stop-watch
//   desktop-probe wait-text CLASS TEXT SECONDS    until the CLASS window's edit control holds TEXT
//   desktop-probe click-keys "KEY ..." SECONDS    mouse clicks on the floating panel's keys
//   desktop-probe close-panel                     WM_CLOSE to the floating panel
//   desktop-probe drag-grip DX DY SECONDS         drags the panel's grip by (DX, DY) with the
//                                                 mouse, until the panel has moved so far
//   desktop-probe panel-place SECONDS             prints the panel's top left corner: "X Y"
//   desktop-probe menu-exit SECONDS               the right mouse button on the panel's grip,
//                                                 then a click on the menu's last item, Exit
//   desktop-probe drag-grip-far DX DY SECONDS     drags the grip by (DX, DY), perhaps past the
//                                                 screen's edge; prints the panel's top left
//                                                 corner once the drag has ended
//   desktop-probe panel-on-screen SECONDS         prints the panel's rectangle and the work area
//                                                 of its monitor; status 1 unless the one lies
//                                                 wholly in the other
//   desktop-probe count-panels                    prints how many floating panels are shown
//   desktop-probe command-panel ID                WM_COMMAND ID to the panel, as its menu sends
//   desktop-probe change-display WIDTH HEIGHT     changes the screen's size (a virtual desktop's)
//   desktop-probe click-dialog ID SECONDS         a mouse click on control ID of the dialog shown
//   desktop-probe press-key VK SECONDS            key VK down and up once a dialog is the
//                                                 foreground window
//   desktop-probe no-window CLASS SECONDS         until no CLASS window is shown
//   desktop-probe shortcut FILE                   prints the shortcut's target, arguments and
//                                                 working folder, a line each

#include "host/host_window.h"
#include "host/pad_key_names.h"
#include "host/text_escape.h"
#include "tests/support/pointer_input.h"

#include <shlobj.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <sstream>
#include <string>

namespace
{

const WCHAR STOP_EVENT[] = L"VardekoDesktopProbeStopWatch";
const WCHAR FLOATING_CLASS[] = L"VardekoHostFloatingPanel";
const DWORD POLL_MS = 5;

std::wstring ClassOf(HWND hwnd)
{
    WCHAR sz[128] = L"";
    if (hwnd != nullptr)
        GetClassNameW(hwnd, sz, 128);
    return sz;
}

std::string Describe(HWND hwnd)
{
    if (hwnd == nullptr)
        return "(none)";
    std::wstring s = ClassOf(hwnd);
    return ToUtf8(s.c_str(), s.size());
}

// Polls pfnDone every few milliseconds, pumping this thread's messages, until it holds or the
// seconds run out.
template <typename Done> bool WaitFor(double dSeconds, Done fnDone)
{
    ULONGLONG ullEnd = GetTickCount64() + static_cast<ULONGLONG>(dSeconds * 1000);
    for (;;)
    {
        if (fnDone())
            return true;
        if (GetTickCount64() >= ullEnd)
            return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(POLL_MS);
    }
}

int WaitForeground(const std::wstring& sClass, double dSeconds)
{
    if (WaitFor(dSeconds, [&] { return ClassOf(GetForegroundWindow()) == sClass; }))
        return 0;
    printf("the foreground window is %s\n", Describe(GetForegroundWindow()).c_str());
    return 1;
}

// Changes reported by the system and changes seen by polling, so that neither a missed event
// nor a short change between two polls goes unseen.
HWND g_hwndLast;
bool g_bStrayed;
std::wstring g_sWatchedClass;

void NoteForeground(HWND hwnd)
{
    if (hwnd == g_hwndLast)
        return;
    g_hwndLast = hwnd;
    printf("foreground: %s\n", Describe(hwnd).c_str());
    fflush(stdout);
    if (ClassOf(hwnd) != g_sWatchedClass)
        g_bStrayed = true;
}

void CALLBACK OnForegroundEvent(HWINEVENTHOOK, DWORD, HWND hwnd, LONG, LONG, DWORD, DWORD)
{
    NoteForeground(hwnd);
}

int WatchForeground(const std::wstring& sClass)
{
    g_sWatchedClass = sClass;
    HANDLE hStop = CreateEventW(nullptr, TRUE, FALSE, STOP_EVENT);
    HWINEVENTHOOK hHook = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                          OnForegroundEvent, 0, 0, WINEVENT_OUTOFCONTEXT);
    g_hwndLast = GetForegroundWindow();
    printf("watching\nforeground: %s\n", Describe(g_hwndLast).c_str());
    fflush(stdout);
    g_bStrayed = ClassOf(g_hwndLast) != sClass;
    for (;;)
    {
        DWORD dwWait = MsgWaitForMultipleObjects(1, &hStop, FALSE, POLL_MS, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        NoteForeground(GetForegroundWindow());
        if (dwWait == WAIT_OBJECT_0)
            break;
    }
    if (hHook != nullptr)
        UnhookWinEvent(hHook);
    CloseHandle(hStop);
    return g_bStrayed ? 1 : 0;
}

int StopWatch()
{
    HANDLE hStop = OpenEventW(EVENT_MODIFY_STATE, FALSE, STOP_EVENT);
    if (hStop == nullptr)
    {
        printf("no watch is running\n");
        return 1;
    }
    SetEvent(hStop);
    CloseHandle(hStop);
    return 0;
}

std::wstring EditText(const std::wstring& sClass)
{
    HWND hwndEdit = FindWindowExW(FindWindowW(sClass.c_str(), nullptr), nullptr, L"Edit", nullptr);
    if (hwndEdit == nullptr)
        return L"(no edit control)";
    WCHAR sz[1024] = L"";
    SendMessageW(hwndEdit, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(sz));
    return sz;
}

int WaitText(const std::wstring& sClass, const std::wstring& sText, double dSeconds)
{
    if (WaitFor(dSeconds, [&] { return EditText(sClass) == sText; }))
        return 0;
    std::wstring sActual = EditText(sClass);
    printf("the edit control holds \"%s\"\n", EscapeText(sActual.c_str(), sActual.size()).c_str());
    return 1;
}

HWND FloatingPanel()
{
    return FindWindowW(FLOATING_CLASS, nullptr);
}

// The input method's window inside the floating panel, once it is shown.
HWND PadOfPanel()
{
    HWND hwndPanel = FloatingPanel();
    if (hwndPanel == nullptr || !IsWindowVisible(hwndPanel))
        return nullptr;
    HWND hwndSip = FindWindowExW(hwndPanel, nullptr, nullptr, nullptr);
    return hwndSip != nullptr ? GetDlgItem(hwndSip, PAD_WINDOW_ID) : nullptr;
}

bool Click(POINT pt, DWORD dwDown, DWORD dwUp)
{
    INPUT aInputs[] = {MouseInputAt(pt, 0), MouseInputAt(pt, dwDown), MouseInputAt(pt, dwUp)};
    return SendInput(3, aInputs, sizeof(INPUT)) == 3;
}

int ClickKeys(const std::string& sKeys, double dSeconds)
{
    HWND hwndPad = nullptr;
    if (!WaitFor(dSeconds, [&] { return (hwndPad = PadOfPanel()) != nullptr; }))
    {
        printf("no floating panel with a pad appeared\n");
        return 1;
    }
    std::istringstream keys(sKeys);
    std::string sName;
    while (keys >> sName)
    {
        PadKeyPlace place;
        if (!FindPadKey(sName.c_str(), &place))
        {
            printf("unknown key '%s'\n", sName.c_str());
            return 2;
        }
        TapPoint tap = KeyCentre(place, PadWindowScale(hwndPad));
        POINT pt = {tap.x, tap.y};
        ClientToScreen(hwndPad, &pt);
        if (!Click(pt, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP))
        {
            printf("SendInput refused the clicks on '%s'\n", sName.c_str());
            return 1;
        }
    }
    return 0;
}

int DragGrip(int dx, int dy, double dSeconds)
{
    if (!WaitFor(dSeconds, [] { return PadOfPanel() != nullptr; }))
    {
        printf("no floating panel with a pad appeared\n");
        return 1;
    }
    RECT rcBefore;
    GetWindowRect(FloatingPanel(), &rcBefore);
    // Near the grip's left end, away from the menu button at its right end.
    POINT ptFrom = {rcBefore.left + 20, rcBefore.top + 4};
    POINT ptTo = {ptFrom.x + dx, ptFrom.y + dy};
    POINT ptHalf = {ptFrom.x + dx / 2, ptFrom.y + dy / 2};
    INPUT aPress[] = {MouseInputAt(ptFrom, 0), MouseInputAt(ptFrom, MOUSEEVENTF_LEFTDOWN)};
    if (SendInput(2, aPress, sizeof(INPUT)) != 2)
    {
        printf("SendInput refused the press on the grip\n");
        return 1;
    }
    // The rest once the panel has taken the press, as a hand moves after pressing.
    HWND hwndPanel = FloatingPanel();
    GUITHREADINFO gti = {};
    gti.cbSize = sizeof(gti);
    DWORD dwThread = GetWindowThreadProcessId(hwndPanel, nullptr);
    if (!WaitFor(dSeconds,
                 [&] { return GetGUIThreadInfo(dwThread, &gti) && gti.hwndCapture == hwndPanel; }))
    {
        printf("the panel did not take the capture on a press of its grip\n");
        return 1;
    }
    INPUT aMove[] = {MouseInputAt(ptHalf, 0), MouseInputAt(ptTo, 0),
                     MouseInputAt(ptTo, MOUSEEVENTF_LEFTUP)};
    if (SendInput(3, aMove, sizeof(INPUT)) != 3)
    {
        printf("SendInput refused the drag of the grip\n");
        return 1;
    }
    RECT rc;
    if (WaitFor(dSeconds, [&] {
            GetWindowRect(FloatingPanel(), &rc);
            return rc.left == rcBefore.left + dx && rc.top == rcBefore.top + dy;
        }))
        return 0;
    printf("the panel is at %ld,%ld, expected %ld,%ld\n", rc.left, rc.top, rcBefore.left + dx,
           rcBefore.top + dy);
    return 1;
}

// The panel's top left corner once the drag that was started has ended: the panel let go of the
// capture and has not moved for a while.
int DragGripFar(int dx, int dy, double dSeconds)
{
    if (!WaitFor(dSeconds, [] { return PadOfPanel() != nullptr; }))
    {
        printf("no floating panel with a pad appeared\n");
        return 1;
    }
    HWND hwndPanel = FloatingPanel();
    RECT rc;
    GetWindowRect(hwndPanel, &rc);
    POINT ptFrom = {rc.left + 20, rc.top + 4};
    POINT ptTo = {ptFrom.x + dx, ptFrom.y + dy};
    INPUT aPress[] = {MouseInputAt(ptFrom, 0), MouseInputAt(ptFrom, MOUSEEVENTF_LEFTDOWN)};
    if (SendInput(2, aPress, sizeof(INPUT)) != 2)
        return 1;
    GUITHREADINFO gti = {};
    gti.cbSize = sizeof(gti);
    DWORD dwThread = GetWindowThreadProcessId(hwndPanel, nullptr);
    auto fnCaptured = [&] {
        return GetGUIThreadInfo(dwThread, &gti) && gti.hwndCapture == hwndPanel;
    };
    if (!WaitFor(dSeconds, fnCaptured))
    {
        printf("the panel did not take the capture on a press of its grip\n");
        return 1;
    }
    // Beyond the screen the system keeps the pointer at its edge.
    INPUT aMove[] = {MouseInputAt(ptTo, 0), MouseInputAt(ptTo, MOUSEEVENTF_LEFTUP)};
    if (SendInput(2, aMove, sizeof(INPUT)) != 2)
        return 1;
    RECT rcLast = {};
    ULONGLONG ullStill = 0;
    bool bEnded = WaitFor(dSeconds, [&] {
        GetWindowRect(hwndPanel, &rc);
        if (fnCaptured() || !EqualRect(&rc, &rcLast))
        {
            rcLast = rc;
            ullStill = GetTickCount64();
            return false;
        }
        return GetTickCount64() - ullStill > 500;
    });
    printf("%ld %ld\n", rc.left, rc.top);
    return bEnded ? 0 : 1;
}

int PanelOnScreen(double dSeconds)
{
    if (!WaitFor(dSeconds, [] { return PadOfPanel() != nullptr; }))
    {
        printf("no floating panel\n");
        return 1;
    }
    HWND hwndPanel = FloatingPanel();
    RECT rc;
    GetWindowRect(hwndPanel, &rc);
    MONITORINFO mi;
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromWindow(hwndPanel, MONITOR_DEFAULTTONEAREST), &mi);
    printf("panel %ld,%ld-%ld,%ld in work area %ld,%ld-%ld,%ld\n", rc.left, rc.top, rc.right,
           rc.bottom, mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom);
    RECT rcBoth;
    IntersectRect(&rcBoth, &rc, &mi.rcWork);
    return EqualRect(&rcBoth, &rc) ? 0 : 1;
}

BOOL CALLBACK CountPanel(HWND hwnd, LPARAM lParam)
{
    if (ClassOf(hwnd) == FLOATING_CLASS && IsWindowVisible(hwnd))
        ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

int CountPanels()
{
    int nCount = 0;
    EnumWindows(CountPanel, reinterpret_cast<LPARAM>(&nCount));
    printf("%d\n", nCount);
    return 0;
}

int CommandPanel(UINT uId)
{
    HWND hwndPanel = FloatingPanel();
    if (hwndPanel == nullptr)
    {
        printf("no floating panel\n");
        return 1;
    }
    PostMessageW(hwndPanel, WM_COMMAND, uId, 0);
    return 0;
}

int ChangeDisplay(int nWidth, int nHeight)
{
    // The current mode but for its size: Wine finds no mode for the size alone.
    DEVMODEW dm = {};
    dm.dmSize = sizeof(dm);
    EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &dm);
    dm.dmPelsWidth = static_cast<DWORD>(nWidth);
    dm.dmPelsHeight = static_cast<DWORD>(nHeight);
    LONG lResult = ChangeDisplaySettingsW(&dm, 0);
    if (lResult == DISP_CHANGE_SUCCESSFUL)
        return 0;
    printf("ChangeDisplaySettings answered %ld\n", lResult);
    return 1;
}

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lParam)
{
    if (ClassOf(hwnd) == L"#32770" && IsWindowVisible(hwnd))
    {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND ShownDialog()
{
    HWND hwndDialog = nullptr;
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&hwndDialog));
    return hwndDialog;
}

int ClickDialog(int nId, double dSeconds)
{
    HWND hwndControl = nullptr;
    if (!WaitFor(dSeconds, [&] {
            HWND hwndDialog = ShownDialog();
            hwndControl = hwndDialog != nullptr ? GetDlgItem(hwndDialog, nId) : nullptr;
            return hwndControl != nullptr && IsWindowVisible(hwndControl);
        }))
    {
        printf("no dialog with a control %d appeared\n", nId);
        return 1;
    }
    RECT rc;
    GetWindowRect(hwndControl, &rc);
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    if (WindowFromPoint(pt) != hwndControl)
    {
        printf("control %d at %ld,%ld is covered or off the screen\n", nId, pt.x, pt.y);
        return 1;
    }
    return Click(pt, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP) ? 0 : 1;
}

int PressKey(WORD wVk, double dSeconds)
{
    if (!WaitFor(dSeconds, [] {
            HWND hwndDialog = ShownDialog();
            return hwndDialog != nullptr && GetForegroundWindow() == hwndDialog;
        }))
    {
        printf("no dialog became the foreground window (it is %s)\n",
               Describe(GetForegroundWindow()).c_str());
        return 1;
    }
    INPUT aInputs[2] = {};
    aInputs[0].type = aInputs[1].type = INPUT_KEYBOARD;
    aInputs[0].ki.wVk = aInputs[1].ki.wVk = wVk;
    aInputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, aInputs, sizeof(INPUT)) == 2 ? 0 : 1;
}

int PanelPlace(double dSeconds)
{
    RECT rc;
    if (!WaitFor(dSeconds, [] { return PadOfPanel() != nullptr; }) ||
        !GetWindowRect(FloatingPanel(), &rc))
    {
        printf("no floating panel\n");
        return 1;
    }
    printf("%ld %ld\n", rc.left, rc.top);
    return 0;
}

BOOL CALLBACK FindMenuWindow(HWND hwnd, LPARAM lParam)
{
    if (ClassOf(hwnd) == L"#32768" && IsWindowVisible(hwnd))
    {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Menus belong to the process that shows them, so the item is found by its place: the last item
// ends a few pixels above the menu window's bottom edge.
int MenuExit(double dSeconds)
{
    if (!WaitFor(dSeconds, [] { return PadOfPanel() != nullptr; }))
    {
        printf("no floating panel with a pad appeared\n");
        return 1;
    }
    RECT rcPanel;
    GetWindowRect(FloatingPanel(), &rcPanel);
    POINT ptGrip = {(rcPanel.left + rcPanel.right) / 2, rcPanel.top + 4};
    if (!Click(ptGrip, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP))
    {
        printf("SendInput refused the right click on the grip\n");
        return 1;
    }
    HWND hwndMenu = nullptr;
    if (!WaitFor(dSeconds, [&] {
            hwndMenu = nullptr;
            EnumWindows(FindMenuWindow, reinterpret_cast<LPARAM>(&hwndMenu));
            return hwndMenu != nullptr;
        }))
    {
        printf("no menu appeared\n");
        return 1;
    }
    RECT rcMenu;
    GetWindowRect(hwndMenu, &rcMenu);
    POINT ptExit = {(rcMenu.left + rcMenu.right) / 2, rcMenu.bottom - 6};
    return Click(ptExit, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP) ? 0 : 1;
}

BOOL CALLBACK FindShownWindow(HWND hwnd, LPARAM lParam)
{
    auto pFound = reinterpret_cast<std::pair<std::wstring, bool>*>(lParam);
    pFound->second = pFound->second || (IsWindowVisible(hwnd) && ClassOf(hwnd) == pFound->first);
    return !pFound->second;
}

int NoWindow(const std::wstring& sClass, double dSeconds)
{
    if (WaitFor(dSeconds, [&] {
            std::pair<std::wstring, bool> found(sClass, false);
            EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&found));
            return !found.second;
        }))
        return 0;
    printf("a %s window is still shown\n", ToUtf8(sClass.c_str(), sClass.size()).c_str());
    return 1;
}

// Through the shell's own reading of shortcut files.
int PrintShortcut(const wchar_t* pszFile)
{
    CoInitialize(nullptr);
    IShellLinkW* pLink = nullptr;
    IPersistFile* pFile = nullptr;
    WCHAR szPath[MAX_PATH] = L"", szArguments[1024] = L"", szFolder[MAX_PATH] = L"";
    bool bRead =
        SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&pLink))) &&
        SUCCEEDED(pLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pFile))) &&
        SUCCEEDED(pFile->Load(pszFile, STGM_READ)) &&
        SUCCEEDED(pLink->GetPath(szPath, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
        SUCCEEDED(pLink->GetArguments(szArguments, 1024)) &&
        SUCCEEDED(pLink->GetWorkingDirectory(szFolder, MAX_PATH));
    if (pFile != nullptr)
        pFile->Release();
    if (pLink != nullptr)
        pLink->Release();
    CoUninitialize();
    if (!bRead)
    {
        printf("cannot read the shortcut\n");
        return 1;
    }
    for (const WCHAR* psz : {szPath, szArguments, szFolder})
        printf("%s\n", ToUtf8(psz, wcslen(psz)).c_str());
    return 0;
}

int ClosePanel()
{
    HWND hwndPanel = FloatingPanel();
    if (hwndPanel == nullptr)
    {
        printf("no floating panel\n");
        return 1;
    }
    PostMessageW(hwndPanel, WM_CLOSE, 0, 0);
    return 0;
}

int Usage()
{
    printf("usage: desktop-probe wait-foreground CLASS SECONDS | watch-foreground CLASS | "
           "stop-watch | wait-text CLASS TEXT SECONDS | click-keys KEYS SECONDS | close-panel | "
           "drag-grip DX DY SECONDS | panel-place SECONDS | menu-exit SECONDS | "
           "drag-grip-far DX DY SECONDS | panel-on-screen SECONDS | count-panels | "
           "command-panel ID | change-display WIDTH HEIGHT | click-dialog ID SECONDS | "
           "press-key VK SECONDS | no-window CLASS SECONDS | shortcut FILE\n");
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
        return Usage();
    std::wstring sCommand = argv[1];
    if (sCommand == L"wait-foreground" && argc == 4)
        return WaitForeground(argv[2], _wtof(argv[3]));
    if (sCommand == L"watch-foreground" && argc == 3)
        return WatchForeground(argv[2]);
    if (sCommand == L"stop-watch" && argc == 2)
        return StopWatch();
    if (sCommand == L"wait-text" && argc == 5)
        return WaitText(argv[2], argv[3], _wtof(argv[4]));
    if (sCommand == L"click-keys" && argc == 4)
        return ClickKeys(ToUtf8(argv[2], wcslen(argv[2])), _wtof(argv[3]));
    if (sCommand == L"close-panel" && argc == 2)
        return ClosePanel();
    if (sCommand == L"drag-grip" && argc == 5)
        return DragGrip(_wtoi(argv[2]), _wtoi(argv[3]), _wtof(argv[4]));
    if (sCommand == L"panel-place" && argc == 3)
        return PanelPlace(_wtof(argv[2]));
    if (sCommand == L"menu-exit" && argc == 3)
        return MenuExit(_wtof(argv[2]));
    if (sCommand == L"drag-grip-far" && argc == 5)
        return DragGripFar(_wtoi(argv[2]), _wtoi(argv[3]), _wtof(argv[4]));
    if (sCommand == L"panel-on-screen" && argc == 3)
        return PanelOnScreen(_wtof(argv[2]));
    if (sCommand == L"count-panels" && argc == 2)
        return CountPanels();
    if (sCommand == L"command-panel" && argc == 3)
        return CommandPanel(static_cast<UINT>(_wtoi(argv[2])));
    if (sCommand == L"change-display" && argc == 4)
        return ChangeDisplay(_wtoi(argv[2]), _wtoi(argv[3]));
    if (sCommand == L"click-dialog" && argc == 4)
        return ClickDialog(_wtoi(argv[2]), _wtof(argv[3]));
    if (sCommand == L"press-key" && argc == 4)
        return PressKey(static_cast<WORD>(_wtoi(argv[2])), _wtof(argv[3]));
    if (sCommand == L"no-window" && argc == 4)
        return NoWindow(argv[2], _wtof(argv[3]));
    if (sCommand == L"shortcut" && argc == 3)
        return PrintShortcut(argv[2]);
    return Usage();
}
