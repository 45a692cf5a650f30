#include "host/panel_window.h"

#include "base/screen_area.h"
#include "host/host_window.h"
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

int GripHeight()
{
    return GetSystemMetrics(SM_CYSMCAPTION);
}

RECT GripRect()
{
    return {0, 0, SCREEN_WIDTH, GripHeight()};
}

RECT MenuButtonRect()
{
    int nSize = GripHeight();
    return {SCREEN_WIDTH - nSize, 0, SCREEN_WIDTH, nSize};
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

void PaintGrip(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT rcGrip = GripRect();
    rcGrip.right = MenuButtonRect().left;
    // Drawn inactive, as the panel always is: the active caption is the application's.
    DrawCaption(hwnd, hdc, &rcGrip, DC_SMALLCAP | DC_TEXT | DC_GRADIENT);
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
    case WM_COMMAND:
        if (LOWORD(wParam) == IDM_RESET_POSITION)
            ResetPlace(hwnd);
        else
            OnInputMenuCommand(LOWORD(wParam));
        return 0;
    // The screens changed: one may have gone or shrunk from under the panel.
    case WM_DISPLAYCHANGE: KeepOnScreen(hwnd); return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA)
            KeepOnScreen(hwnd);
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
    RECT rc = {0, 0, SCREEN_WIDTH, GripHeight() + PANEL_HEIGHT};
    AdjustWindowRectEx(&rc, FLOATING_STYLE, FALSE, FLOATING_EX_STYLE);
    int nWidth = rc.right - rc.left;
    int nHeight = rc.bottom - rc.top;
    POINT pt;
    if (!RememberedPlace(&pt))
        pt = DefaultPlace(nWidth, nHeight);
    rc = OnScreenRect({pt.x, pt.y, pt.x + nWidth, pt.y + nHeight});
    HMENU hmenu = CreateInputMenu();
    InsertMenuW(hmenu, GetMenuItemCount(hmenu) - 2, MF_BYPOSITION | MF_STRING, IDM_RESET_POSITION,
                L"Reset position");
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
    g_Host.hwndPanel = CreateInputPanel(g_Host.hwndMain, 0, GripHeight());
    if (g_Host.hwndPanel == nullptr)
        return false;
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
