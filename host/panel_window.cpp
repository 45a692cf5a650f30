#include "host/panel_window.h"

#include "base/screen_area.h"
#include "host/host_window.h"
#include "host/input_methods.h"
#include "host/panel_scale.h"
#include "host/send_input_callback.h"

const WCHAR PANEL_PLACE_KEY[] = L"Software\\Vardeko\\Host";

namespace
{

const WCHAR FLOATING_CLASS[] = L"VardekoHostFloatingPanel";
const DWORD FLOATING_STYLE = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
const DWORD FLOATING_EX_STYLE = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;

// Held from the first interactive panel's start to its end: a second start finds it, and with it
// the panel that is open or about to be.
const WCHAR PANEL_MUTEX[] = L"VardekoFloatingPanel";
// How long a second start waits for the first one's window to appear.
const DWORD OPEN_PANEL_WAIT_MS = 10000;
const DWORD OPEN_PANEL_POLL_MS = 50;

// Posted by a second start: the panel comes into view.
const UINT WM_SHOW_PANEL = WM_APP + 1;

// Window coordinates fit in 16 bits (WM_MOVE carries them so): a stored number beyond is no
// place but a fault of the stored data.
const int PLACE_LIMIT = 32767;

SendInputCallback g_PanelCallback;

// A drag of the grip in progress: the cursor's offset from the window's top left corner.
bool g_bDragging;
POINT g_ptGrab;

// While the grip is dragged the panel also follows the pointer on a timer: the system may give
// the pointer's moves to the windows under it rather than to the captured panel when the panel is
// not the active window (Wine does).
const UINT_PTR DRAG_TIMER = 1;
const UINT DRAG_TIMER_MS = 15;

// The pad's scale, and the user's choice of it: 0 for Automatic, from the monitor's DPI.
int g_nScale = 1;
int g_nScaleChoice;
HMENU g_hmenuScale;

// The grip is the small caption of a 96 DPI screen, as many times taller as the pad.
int GripHeight()
{
    return GetSystemMetricsForDpi(SM_CYSMCAPTION, USER_DEFAULT_SCREEN_DPI) * g_nScale;
}

RECT GripRect()
{
    return {0, 0, SCREEN_WIDTH * g_nScale, GripHeight()};
}

RECT MenuButtonRect()
{
    int nSize = GripHeight();
    return {SCREEN_WIDTH * g_nScale - nSize, 0, SCREEN_WIDTH * g_nScale, nSize};
}

// The grip over the input panel, at the pad's scale, with the panel's border around them.
SIZE PanelWindowSize()
{
    RECT rc = {0, 0, SCREEN_WIDTH * g_nScale, GripHeight() + PANEL_HEIGHT * g_nScale};
    AdjustWindowRectEx(&rc, FLOATING_STYLE, FALSE, FLOATING_EX_STYLE);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

bool ReadPlace(const WCHAR* pszValue, int* pn)
{
    DWORD dw = 0;
    DWORD cb = sizeof(dw);
    if (RegGetValueW(HKEY_CURRENT_USER, PANEL_PLACE_KEY, pszValue, RRF_RT_REG_DWORD, nullptr, &dw,
                     &cb) != ERROR_SUCCESS)
        return false;
    int n = static_cast<int>(dw);
    if (n < -PLACE_LIMIT || n > PLACE_LIMIT)
        return false;
    *pn = n;
    return true;
}

void SavePlace()
{
    RECT rc;
    GetWindowRect(g_Host.hwndMain, &rc);
    HKEY hkey = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, PANEL_PLACE_KEY, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &hkey, nullptr) != ERROR_SUCCESS)
        return;
    DWORD dwLeft = static_cast<DWORD>(rc.left);
    DWORD dwTop = static_cast<DWORD>(rc.top);
    RegSetValueExW(hkey, L"PanelLeft", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwLeft),
                   sizeof(dwLeft));
    RegSetValueExW(hkey, L"PanelTop", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwTop),
                   sizeof(dwTop));
    RegCloseKey(hkey);
}

void ForgetPlace()
{
    RegDeleteKeyValueW(HKEY_CURRENT_USER, PANEL_PLACE_KEY, L"PanelLeft");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, PANEL_PLACE_KEY, L"PanelTop");
}

// The remembered place, wherever it lies: the caller keeps the panel on screen.
bool RememberedPlace(POINT* ppt)
{
    int x, y;
    if (!ReadPlace(L"PanelLeft", &x) || !ReadPlace(L"PanelTop", &y))
        return false;
    *ppt = {x, y};
    return true;
}

// Beside the bottom right corner of the window that has the activation when the panel fits there
// on that window's screen, else in that screen's bottom right corner.
POINT DefaultPlace(int nWidth, int nHeight)
{
    HWND hwndApplication = GetForegroundWindow();
    MONITORINFO mi;
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromWindow(hwndApplication, MONITOR_DEFAULTTOPRIMARY), &mi);
    const RECT& rcWork = mi.rcWork;
    RECT rcApplication;
    if (hwndApplication != nullptr && GetWindowRect(hwndApplication, &rcApplication) &&
        rcApplication.right + nWidth <= rcWork.right && rcApplication.bottom <= rcWork.bottom &&
        rcApplication.bottom - nHeight >= rcWork.top)
        return {rcApplication.right, rcApplication.bottom - nHeight};
    return {rcWork.right - nWidth, rcWork.bottom - nHeight};
}

// The panel's whole rectangle at pt, or as near to it as the screen allows.
void MovePanel(HWND hwnd, POINT pt)
{
    RECT rc;
    GetWindowRect(hwnd, &rc);
    OffsetRect(&rc, pt.x - rc.left, pt.y - rc.top);
    rc = OnScreenRect(rc);
    SetWindowPos(hwnd, nullptr, rc.left, rc.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void KeepOnScreen(HWND hwnd)
{
    RECT rc;
    GetWindowRect(hwnd, &rc);
    MovePanel(hwnd, {rc.left, rc.top});
}

// Resizes the panel for scale nScale from its top left corner, moved as far as it takes to stay
// on screen, and tells the input method the input panel's new size, as the platform does
// (ReceiveSipInfo).
void SetPanelScale(HWND hwnd, int nScale)
{
    g_nScale = nScale;
    SIZE size = PanelWindowSize();
    SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    KeepOnScreen(hwnd);
    SetWindowPos(g_Host.hwndPanel, nullptr, 0, GripHeight(), SCREEN_WIDTH * nScale,
                 PANEL_HEIGHT * nScale, SWP_NOZORDER | SWP_NOACTIVATE);
    if (g_Host.pMethod != nullptr)
        ReportPanelSize(g_Host.pMethod, g_Host.hwndPanel);
    InvalidateRect(hwnd, nullptr, TRUE);
}

// A size chosen in the menu, kept for the next panel.
void OnScaleCommand(HWND hwnd, int nChoice)
{
    g_nScaleChoice = nChoice;
    SavePanelScaleChoice(nChoice);
    CheckScaleChoice(g_hmenuScale, nChoice);
    SetPanelScale(hwnd, ScaleOfChoice(nChoice, GetDpiForWindow(hwnd)));
}

// Moved to a monitor of another DPI: Automatic takes that monitor's scale, at the place the
// system suggests.
void OnDpiChanged(HWND hwnd, UINT uDpi, const RECT& rcSuggested)
{
    if (g_nScaleChoice != 0)
        return;
    SetWindowPos(hwnd, nullptr, rcSuggested.left, rcSuggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetPanelScale(hwnd, ScaleForDpi(uDpi));
}

void ResetPlace(HWND hwnd)
{
    ForgetPlace();
    RECT rc;
    GetWindowRect(hwnd, &rc);
    MovePanel(hwnd, DefaultPlace(rc.right - rc.left, rc.bottom - rc.top));
}

void ShowPanel(HWND hwnd)
{
    KeepOnScreen(hwnd);
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void ShowPanelMenu(int x, int y)
{
    TrackPopupMenu(g_Host.hmenuInput, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, 0,
                   g_Host.hwndMain, nullptr);
}

void OnLeftButtonDown(HWND hwnd, POINT pt)
{
    RECT rcButton = MenuButtonRect();
    if (PtInRect(&rcButton, pt))
    {
        POINT ptMenu = {rcButton.left, rcButton.bottom};
        ClientToScreen(hwnd, &ptMenu);
        ShowPanelMenu(ptMenu.x, ptMenu.y);
        return;
    }
    RECT rcGrip = GripRect();
    if (!PtInRect(&rcGrip, pt))
        return;
    RECT rcWindow;
    GetWindowRect(hwnd, &rcWindow);
    ClientToScreen(hwnd, &pt);
    g_ptGrab = {pt.x - rcWindow.left, pt.y - rcWindow.top};
    g_bDragging = true;
    SetCapture(hwnd);
    SetTimer(hwnd, DRAG_TIMER, DRAG_TIMER_MS, nullptr);
}

void FollowPointer(HWND hwnd)
{
    if (!g_bDragging)
        return;
    POINT pt;
    GetCursorPos(&pt);
    MovePanel(hwnd, {pt.x - g_ptGrab.x, pt.y - g_ptGrab.y});
}

void EndDrag(HWND hwnd)
{
    if (!g_bDragging)
        return;
    FollowPointer(hwnd);
    g_bDragging = false;
    KillTimer(hwnd, DRAG_TIMER);
    if (GetCapture() == hwnd)
        ReleaseCapture();
    SavePlace();
}

void OnDragTimer(HWND hwnd)
{
    FollowPointer(hwnd);
    if ((GetAsyncKeyState(VK_LBUTTON) & 0x8000) == 0)
        EndDrag(hwnd);
}

// The panel's title in the small caption font of a 96 DPI screen, as many times larger as the
// pad, in the grip's inactive colours.
void DrawGripTitle(HWND hwnd, HDC hdc, RECT rcGrip)
{
    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0,
                                    USER_DEFAULT_SCREEN_DPI))
        return;
    ncm.lfSmCaptionFont.lfHeight *= g_nScale;
    ncm.lfSmCaptionFont.lfWidth *= g_nScale;
    HFONT hfont = CreateFontIndirectW(&ncm.lfSmCaptionFont);
    HGDIOBJ hfontOld = SelectObject(hdc, hfont);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_INACTIVECAPTIONTEXT));
    WCHAR szTitle[64];
    GetWindowTextW(hwnd, szTitle, 64);
    rcGrip.left += 2 * g_nScale;
    DrawTextW(hdc, szTitle, -1, &rcGrip,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(hdc, hfontOld);
    DeleteObject(hfont);
}

void PaintGrip(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT rcGrip = GripRect();
    rcGrip.right = MenuButtonRect().left;
    // Drawn inactive, as the panel always is: the active caption is the application's.
    DrawCaption(hwnd, hdc, &rcGrip, DC_SMALLCAP | DC_GRADIENT);
    DrawGripTitle(hwnd, hdc, rcGrip);
    RECT rcButton = MenuButtonRect();
    DrawFrameControl(hdc, &rcButton, DFC_SCROLL, DFCS_SCROLLDOWN);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK FloatingWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    // WS_EX_NOACTIVATE alone does not keep every system from activating on a click.
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_PAINT: PaintGrip(hwnd); return 0;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(hwnd,
                         {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case WM_MOUSEMOVE: FollowPointer(hwnd); return 0;
    case WM_TIMER:
        if (wParam == DRAG_TIMER)
            OnDragTimer(hwnd);
        return 0;
    // The drag ends with the button, not with the capture, which a panel that is not the active
    // window cannot count on keeping (under Wine it does not).
    case WM_LBUTTONUP: EndDrag(hwnd); return 0;
    case WM_CONTEXTMENU: {
        POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (lParam == -1)
        {
            RECT rcButton = MenuButtonRect();
            pt = {rcButton.left, rcButton.bottom};
            ClientToScreen(hwnd, &pt);
        }
        ShowPanelMenu(pt.x, pt.y);
        return 0;
    }
    case WM_COMMAND: {
        int nChoice = ScaleChoiceOfCommand(LOWORD(wParam));
        if (LOWORD(wParam) == IDM_RESET_POSITION)
            ResetPlace(hwnd);
        else if (nChoice >= 0)
            OnScaleCommand(hwnd, nChoice);
        else
            OnInputMenuCommand(LOWORD(wParam));
        return 0;
    }
    // The screens changed: one may have gone or shrunk from under the panel.
    case WM_DISPLAYCHANGE: KeepOnScreen(hwnd); return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA)
            KeepOnScreen(hwnd);
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(hwnd, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SHOW_PANEL: ShowPanel(hwnd); return 0;
    case WM_CLOSE: CloseHost(); return 0;
    case WM_DESTROY:
        // Closed before the button's release arrived: the place it was dragged to still counts.
        EndDrag(hwnd);
        DestroyMenu(g_Host.hmenuInput);
        g_Host.hmenuInput = nullptr;
        PostQuitMessage(0);
        return 0;
    default: return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    }
}

} // namespace

bool CreatePanelWindow()
{
    if (!RegisterHostClass(FLOATING_CLASS, FloatingWndProc, COLOR_BTNFACE))
        return false;
    // Placed at the system's DPI; a monitor of another DPI rescales it once it is made.
    g_nScaleChoice = LoadPanelScaleChoice();
    g_nScale = ScaleOfChoice(g_nScaleChoice, GetDpiForSystem());
    SIZE size = PanelWindowSize();
    int nWidth = size.cx;
    int nHeight = size.cy;
    POINT pt;
    if (!RememberedPlace(&pt))
        pt = DefaultPlace(nWidth, nHeight);
    RECT rc = OnScreenRect({pt.x, pt.y, pt.x + nWidth, pt.y + nHeight});
    HMENU hmenu = CreateInputMenu();
    InsertMenuW(hmenu, GetMenuItemCount(hmenu) - 2, MF_BYPOSITION | MF_STRING, IDM_RESET_POSITION,
                L"Reset position");
    g_hmenuScale = InsertScaleMenu(hmenu, IDM_OPTIONS, g_nScaleChoice);
    // Created hidden: showing it at creation would activate it.
    g_Host.hwndMain = CreateWindowExW(FLOATING_EX_STYLE, FLOATING_CLASS, L"Vardeko", FLOATING_STYLE,
                                      rc.left, rc.top, nWidth, nHeight, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    if (g_Host.hwndMain == nullptr)
    {
        DestroyMenu(hmenu);
        g_Host.hmenuInput = nullptr;
        return false;
    }
    g_Host.hwndPanel = CreateInputPanel(g_Host.hwndMain, 0, GripHeight(), g_nScale);
    if (g_Host.hwndPanel == nullptr)
        return false;
    int nScale = ScaleOfChoice(g_nScaleChoice, GetDpiForWindow(g_Host.hwndMain));
    if (nScale != g_nScale)
        SetPanelScale(g_Host.hwndMain, nScale);
    g_Host.pCallback = &g_PanelCallback;
    ShowWindow(g_Host.hwndMain, SW_SHOWNOACTIVATE);
    UpdateWindow(g_Host.hwndMain);
    PumpMessages();
    return true;
}

bool BringOpenPanelIntoView()
{
    HANDLE hMutex = CreateMutexW(nullptr, TRUE, PANEL_MUTEX);
    if (hMutex == nullptr || GetLastError() != ERROR_ALREADY_EXISTS)
        return false; // this process is the panel; the system releases the mutex at its end
    for (DWORD dwWaited = 0; dwWaited < OPEN_PANEL_WAIT_MS; dwWaited += OPEN_PANEL_POLL_MS)
    {
        HWND hwndPanel = FindWindowW(FLOATING_CLASS, nullptr);
        if (hwndPanel != nullptr && PostMessageW(hwndPanel, WM_SHOW_PANEL, 0, 0))
        {
            CloseHandle(hMutex);
            return true;
        }
        // The other panel ended before its window appeared: this one takes its place.
        DWORD dwWait = WaitForSingleObject(hMutex, OPEN_PANEL_POLL_MS);
        if (dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED)
            return false;
    }
    CloseHandle(hMutex);
    return false;
}

RECT PanelShotArea()
{
    RECT rcArea;
    GetWindowRect(g_Host.hwndMain, &rcArea);
    HWND hwndApplication = GetForegroundWindow();
    RECT rcApplication;
    if (hwndApplication != nullptr && hwndApplication != g_Host.hwndMain &&
        GetWindowRect(hwndApplication, &rcApplication))
        UnionRect(&rcArea, &rcArea, &rcApplication);
    return rcArea;
}
