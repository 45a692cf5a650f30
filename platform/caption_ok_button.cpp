#include "platform/caption_ok_button.h"

#include "platform/sip.h"

#include <commctrl.h>

namespace
{

const UINT_PTR SUBCLASS_ID = 1;
const WCHAR OK_TEXT[] = L"OK";

// The button's state lives in the subclass's reference data.
const DWORD_PTR STATE_TRACKING = 1; // the button went down on it and holds the capture
const DWORD_PTR STATE_PRESSED = 2;  // drawn pushed: tracking with the pointer over it

void DrawButton(HWND hwnd, bool bPressed)
{
    RECT rc = CaptionOkButtonRect(hwnd);
    if (IsRectEmpty(&rc))
        return;
    // A window DC starts with the system font, the bold face the handheld labels the button in.
    HDC hdc = GetWindowDC(hwnd);
    DrawFrameControl(hdc, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | (bPressed ? DFCS_PUSHED : 0));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    if (bPressed)
        OffsetRect(&rc, 1, 1);
    DrawTextW(hdc, OK_TEXT, 2, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ReleaseDC(hwnd, hdc);
}

// A point of the screen in hwnd's window coordinates.
POINT ToWindow(HWND hwnd, POINT pt)
{
    RECT rcWindow;
    GetWindowRect(hwnd, &rcWindow);
    return {pt.x - rcWindow.left, pt.y - rcWindow.top};
}

bool IsOverButton(HWND hwnd, POINT ptScreen)
{
    RECT rc = CaptionOkButtonRect(hwnd);
    return PtInRect(&rc, ToWindow(hwnd, ptScreen)) != FALSE;
}

void SetState(HWND hwnd, DWORD_PTR dwState, SUBCLASSPROC pfnProc)
{
    SetWindowSubclass(hwnd, pfnProc, SUBCLASS_ID, dwState);
}

LRESULT CALLBACK CaptionOkProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR dwState)
{
    switch (uMsg)
    {
    case WM_NCHITTEST:
        if (IsOverButton(hwnd,
                         {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}))
            return HT_CAPTION_OK;
        break;
    // The default handling repaints the caption over the button.
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_SETTEXT: {
        LRESULT lResult = DefSubclassProc(hwnd, uMsg, wParam, lParam);
        DrawButton(hwnd, (dwState & STATE_PRESSED) != 0);
        return lResult;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (wParam != static_cast<WPARAM>(HT_CAPTION_OK))
            break;
        SetState(hwnd, STATE_TRACKING | STATE_PRESSED, CaptionOkProc);
        SetCapture(hwnd);
        DrawButton(hwnd, true);
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
        if ((dwState & STATE_TRACKING) == 0)
            break;
        POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(hwnd, &pt);
        bool bOver = IsOverButton(hwnd, pt);
        if (uMsg == WM_LBUTTONUP)
        {
            ReleaseCapture(); // WM_CAPTURECHANGED ends the tracking
            if (bOver)
                PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return 0;
        }
        if (bOver != ((dwState & STATE_PRESSED) != 0))
        {
            SetState(hwnd, STATE_TRACKING | (bOver ? STATE_PRESSED : 0), CaptionOkProc);
            DrawButton(hwnd, bOver);
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        if ((dwState & STATE_TRACKING) == 0)
            break;
        SetState(hwnd, 0, CaptionOkProc);
        DrawButton(hwnd, false);
        break;
    case WM_NCDESTROY: RemoveWindowSubclass(hwnd, CaptionOkProc, SUBCLASS_ID); break;
    }
    return DefSubclassProc(hwnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK OnCbtEvent(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND)
    {
        const CREATESTRUCTW* pcs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if ((pcs->dwExStyle & WS_EX_CAPTIONOKBTN) != 0 && (pcs->style & WS_CAPTION) == WS_CAPTION)
            SetWindowSubclass(reinterpret_cast<HWND>(wParam), CaptionOkProc, SUBCLASS_ID, 0);
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

} // namespace

bool InstallCaptionOkButtons()
{
    return SetWindowsHookExW(WH_CBT, OnCbtEvent, nullptr, GetCurrentThreadId()) != nullptr;
}

RECT CaptionOkButtonRect(HWND hwnd)
{
    RECT rcButton = {};
    LONG lStyle = GetWindowLongW(hwnd, GWL_STYLE);
    if ((lStyle & WS_CAPTION) != WS_CAPTION)
        return rcButton;
    // The frame as the system sizes it: what lies around a client area, less the caption.
    RECT rcFrame = {};
    AdjustWindowRectEx(&rcFrame, static_cast<DWORD>(lStyle), FALSE,
                       static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)));
    int nFrameX = -rcFrame.left;
    int nCaptionTop = -rcFrame.top - GetSystemMetrics(SM_CYCAPTION);
    RECT rcWindow;
    GetWindowRect(hwnd, &rcWindow);
    // The close box spans the caption's last SM_CXSIZE pixels, 2 pixels in from the edges.
    int nButtonWidth = GetSystemMetrics(SM_CXSIZE) - 2;
    int nCloseLeft = rcWindow.right - rcWindow.left - nFrameX - GetSystemMetrics(SM_CXSIZE);
    rcButton.top = nCaptionTop + 2;
    rcButton.bottom = nCaptionTop + GetSystemMetrics(SM_CYSIZE) - 2;
    rcButton.right = nCloseLeft - 2;
    HDC hdc = GetWindowDC(hwnd);
    SIZE size = {};
    GetTextExtentPoint32W(hdc, OK_TEXT, 2, &size);
    ReleaseDC(hwnd, hdc);
    int nTextWidth = size.cx + 2 * (GetSystemMetrics(SM_CXEDGE) + 1);
    rcButton.left = rcButton.right - (nTextWidth > nButtonWidth ? nTextWidth : nButtonWidth);
    return rcButton;
}
