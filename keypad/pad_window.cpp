#include "keypad/pad_window.h"

#include "base/module.h"
#include "engine/calculator.h"
#include "keypad/key_actions.h"
#include "keypad/painting.h"
#include "pad/layout.h"
#include "pad/pad_state.h"
#include "settings/settings_store.h"

namespace
{

typedef LRESULT (*MessageHandler)(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

struct MessageEntry
{
    UINT uMsg;
    MessageHandler pfnHandler;
};

LRESULT OnCreate(HWND hwnd, UINT, WPARAM, LPARAM)
{
    // The window runs the module's code: the module stays loaded while it exists.
    ChangeObjectCount(1);
    LoadPadSettings();
    LoadOptions();
    SetDisplayText(L"0", FALSE);
    g_PadState.nPressedKey = NO_KEY;
    g_PadState.bDirect = FALSE;
    Reset(g_PadState.nPadType, g_PadState.nRadix);
    PadWindowData* pData = static_cast<PadWindowData*>(LocalAlloc(LPTR, sizeof(PadWindowData)));
    if (pData == nullptr)
    {
        DestroyWindow(hwnd);
        return 0;
    }
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pData));
    return 0;
}

LRESULT OnPaintMessage(HWND hwnd, UINT, WPARAM, LPARAM)
{
    return OnPaint(hwnd);
}

LRESULT OnPadImInfo(HWND hwnd, UINT, WPARAM wParam, LPARAM lParam)
{
    PadWindowData* pData = reinterpret_cast<PadWindowData*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (wParam == PAD_IMINFO_CALLBACK)
    {
        if (pData != nullptr)
            pData->m_pCallback = reinterpret_cast<IIMCallback*>(lParam);
    }
    else if (wParam == PAD_IMINFO_RESIZE)
    {
        RECT rc = {};
        GetClientRect(GetParent(hwnd), &rc);
        MoveWindow(hwnd, 0, 0, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    }
    return 0;
}

// Positions are unsigned, so a pen captured left of or above the window lies in no key.
LRESULT OnPenMessage(HWND hwnd, UINT uMsg, WPARAM, LPARAM lParam)
{
    int x = LOWORD(lParam);
    int y = HIWORD(lParam);
    switch (uMsg)
    {
    case WM_MOUSEMOVE: TrackKey(x, y); break;
    case WM_LBUTTONDOWN: PressKey(hwnd, x, y); break;
    case WM_LBUTTONUP: ReleaseKey(hwnd, x, y); break;
    case WM_LBUTTONDBLCLK: PressKey(hwnd, x, y); break;
    }
    return 0;
}

// A menu or dialog opening (WM_CANCELMODE), ReleaseCapture or another window taking the capture
// ends the press: the pen up it was waiting for will never come to this window.
LRESULT OnCaptureLost(HWND hwnd, UINT uMsg, WPARAM, LPARAM lParam)
{
    if (uMsg == WM_CAPTURECHANGED && reinterpret_cast<HWND>(lParam) == hwnd)
        return 0;
    CancelPress();
    if (uMsg == WM_CANCELMODE && GetCapture() == hwnd)
        ReleaseCapture();
    return 0;
}

LRESULT OnDestroy(HWND hwnd, UINT, WPARAM, LPARAM)
{
    HLOCAL hData = reinterpret_cast<HLOCAL>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (hData != nullptr)
        LocalFree(hData);
    SavePadSettings();
    ChangeObjectCount(-1);
    return 0;
}

const MessageEntry g_aPadMessageTable[] = {
    {WM_CREATE, OnCreate},
    {WM_PAINT, OnPaintMessage},
    {WM_PAD_IMINFO, OnPadImInfo},
    {WM_LBUTTONDOWN, OnPenMessage},
    {WM_MOUSEMOVE, OnPenMessage},
    {WM_LBUTTONUP, OnPenMessage},
    {WM_LBUTTONDBLCLK, OnPenMessage},
    {WM_CAPTURECHANGED, OnCaptureLost},
    {WM_CANCELMODE, OnCaptureLost},
    {WM_DESTROY, OnDestroy},
};

bool PointInKey(int nKey, const KeyDef* pKey, int x, int y)
{
    KeyBounds bounds = KeyRectangle(nKey, pKey);
    return x >= bounds.nLeft && x < bounds.nRight && y >= bounds.nTop && y < bounds.nBottom;
}

} // namespace

LRESULT CALLBACK PadWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    g_PadState.hwndPad = hwnd;
    for (const MessageEntry& entry : g_aPadMessageTable)
    {
        if (entry.uMsg == uMsg)
            return entry.pfnHandler(hwnd, uMsg, wParam, lParam);
    }
    return DefWindowProcW(hwnd, uMsg, wParam, lParam);
}

int HitTestKey(int x, int y)
{
    int nPad = g_PadState.nPadType;
    int nResult = NO_KEY;
    int nToggle = NO_KEY;
    for (int i = 0; i < g_Layout.header.nKeyCount[nPad] && nResult == NO_KEY; ++i)
    {
        const KeyDef* pKey = KeyByIndex(nPad, i);
        if ((!g_PadState.bDirect || IsActiveInDirectMode(pKey)) && PointInKey(i, pKey, x, y))
            nResult = i;
        if (pKey->wKind == KEY_DIRECT)
            nToggle = i;
    }
    if (g_PadState.bDirect)
    {
        if (nResult == NO_KEY)
        {
            for (int j = 0; j < DIRECT_ROW_KEYS; ++j)
            {
                int nKey = DIRECT_KEY_BASE + j;
                if (PointInKey(nKey, KeyByIndex(nPad, nKey), x, y))
                    nResult = nKey;
            }
        }
        if (g_PadState.bDirectOutEx && nResult == NO_KEY)
            nResult = nToggle;
    }
    else if (g_PadState.bDirectInEx && nResult == NO_KEY)
    {
        POINT pt = {x, y};
        if (PtInRect(&g_PadState.rcDisplay, pt))
            nResult = nToggle;
    }
    return nResult;
}

void PressKey(HWND hwnd, int x, int y)
{
    if (g_PadState.nPressedKey != NO_KEY)
        return;
    SetCapture(hwnd);
    g_PadState.nPressedKey = HitTestKey(x, y);
    InvertKey(g_PadState.nPressedKey, nullptr);
}

void TrackKey(int x, int y)
{
    if (g_PadState.nPressedKey == NO_KEY)
        return;
    if (HitTestKey(x, y) == g_PadState.nPressedKey)
        return;
    CancelPress();
}

void CancelPress()
{
    int nKey = g_PadState.nPressedKey;
    g_PadState.nPressedKey = NO_KEY;
    InvertKey(nKey, nullptr);
}
