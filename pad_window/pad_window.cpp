#include "pad_window/pad_window.h"

#include "base/module.h"
#include "engine/calculator.h"
#include "pad_model/layout.h"
#include "pad_window/key_actions.h"
#include "pad_window/painting.h"
#include "settings/settings_store.h"

#include <new>

namespace
{

typedef LRESULT (*MessageHandler)(HWND hwnd, PadState& state, UINT uMsg, WPARAM wParam,
                                  LPARAM lParam);

struct MessageEntry
{
    UINT uMsg;
    MessageHandler pfnHandler;
};

// The window's record lives in its user data slot, where the window procedure finds it from the
// handle alone; null before WM_CREATE has allocated it.
PadWindowData* WindowData(HWND hwnd)
{
    return reinterpret_cast<PadWindowData*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// The host's interface, or null before the host has registered it.
IIMCallback* WindowCallback(HWND hwnd)
{
    PadWindowData* pData = WindowData(hwnd);
    return pData != nullptr ? pData->m_pCallback : nullptr;
}

// Creation starts a selection: the saved pad state and options, a fresh calculation, and the
// window's record. Without the record the window cannot work, so it destroys itself and Select
// sees no window.
LRESULT OnCreate(HWND hwnd, PadState& state, UINT, WPARAM, LPARAM)
{
    // The window runs the module's code: the module stays loaded while it exists.
    ChangeObjectCount(1);
    LoadPadSettingsAndOptions(state);
    SetDisplayText(state, L"0", FALSE);
    state.nPressedKey = NO_KEY;
    state.bDirect = FALSE;
    Reset(NumberModeOfPad(state.nPadType), state.nRadix);
    // Value-initialised: the callback pointer is null until the host registers one.
    PadWindowData* pData = new (std::nothrow_t()) PadWindowData();
    if (pData == nullptr)
    {
        DestroyWindow(hwnd);
        return 0;
    }
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pData));
    return 0;
}

// The window manager asks for the invalid part of the pad, after an invalidation or an exposure.
LRESULT OnPaintMessage(HWND hwnd, PadState& state, UINT, WPARAM, LPARAM)
{
    return OnPaint(hwnd, state);
}

// The input method object's relay: the host's interface (posted by RegisterCallback) or a new
// size of the input panel (sent by ReceiveSipInfo).
LRESULT OnPadImInfo(HWND hwnd, PadState&, UINT, WPARAM wParam, LPARAM lParam)
{
    PadWindowData* pData = WindowData(hwnd);
    if (wParam == PAD_IMINFO_CALLBACK)
    {
        if (pData != nullptr)
            pData->m_pCallback = reinterpret_cast<IIMCallback*>(lParam);
    }
    else if (wParam == PAD_IMINFO_RESIZE)
    {
        RECT rc = {};
        GetClientRect(GetParent(hwnd), &rc);
        // Repaint TRUE: the pad is drawn for its new size at the next WM_PAINT.
        MoveWindow(hwnd, 0, 0, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    }
    return 0;
}

// The pen: down presses a key, a move off it cancels the press, up performs it. A double-click
// (the class has CS_DBLCLKS) is the second tap of a fast pair and presses like any other.
// Positions are unsigned, so a pen captured left of or above the window lies in no key.
LRESULT OnPenMessage(HWND hwnd, PadState& state, UINT uMsg, WPARAM, LPARAM lParam)
{
    int x = LOWORD(lParam);
    int y = HIWORD(lParam);
    switch (uMsg)
    {
    case WM_MOUSEMOVE: TrackKey(state, x, y); break;
    case WM_LBUTTONDOWN: PressKey(state, x, y); break;
    case WM_LBUTTONUP: ReleaseKey(state, WindowCallback(hwnd)); break;
    case WM_LBUTTONDBLCLK: PressKey(state, x, y); break;
    }
    return 0;
}

// A menu or dialog opening (WM_CANCELMODE), ReleaseCapture or another window taking the capture
// ends the press: the pen up it was waiting for will never come to this window.
LRESULT OnCaptureLost(HWND hwnd, PadState& state, UINT uMsg, WPARAM, LPARAM lParam)
{
    if (uMsg == WM_CAPTURECHANGED && reinterpret_cast<HWND>(lParam) == hwnd)
        return 0;
    CancelPress(state);
    if (uMsg == WM_CANCELMODE && GetCapture() == hwnd)
        ReleaseCapture();
    return 0;
}

// Deselect ends the selection: the record goes with the window, the pad state is kept for the
// next one.
LRESULT OnDestroy(HWND hwnd, PadState& state, UINT, WPARAM, LPARAM)
{
    PadWindowData* pData = WindowData(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    delete pData;
    SavePadSettings(state);
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
    // The one place the pad window reaches the keypad's pad state; the handlers are handed it.
    PadState& state = g_PadState;
    state.hwndPad = hwnd;
    for (const MessageEntry& entry : g_aPadMessageTable)
    {
        if (entry.uMsg == uMsg)
            return entry.pfnHandler(hwnd, state, uMsg, wParam, lParam);
    }
    return DefWindowProcW(hwnd, uMsg, wParam, lParam);
}

int HitTestKey(const PadState& state, int x, int y)
{
    int nPad = state.nPadType;
    int nResult = NO_KEY;
    int nToggle = NO_KEY;
    for (int i = 0; i < g_Layout.header.nKeyCount[nPad] && nResult == NO_KEY; ++i)
    {
        const KeyDef* pKey = KeyByIndex(nPad, i);
        if ((!state.bDirect || IsActiveInDirectMode(pKey)) && PointInKey(i, pKey, x, y))
            nResult = i;
        if (pKey->wKind == KEY_DIRECT)
            nToggle = i;
    }
    if (state.bDirect)
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
        if (state.bDisabledTapLeavesDirect && nResult == NO_KEY)
            nResult = nToggle;
    }
    else if (state.bDisplayTapEntersDirect && nResult == NO_KEY)
    {
        POINT pt = {x, y};
        if (PtInRect(&state.rcDisplay, pt))
            nResult = nToggle;
    }
    return nResult;
}

int HitTestKey(int x, int y)
{
    return HitTestKey(g_PadState, x, y);
}

void PressKey(PadState& state, int x, int y)
{
    if (state.nPressedKey != NO_KEY)
        return;
    // The capture brings the pen's moves and its lift to the pad even outside it, so a press
    // always ends in ReleaseKey.
    SetCapture(state.hwndPad);
    state.nPressedKey = HitTestKey(state, x, y);
    InvertKey(state, state.nPressedKey, nullptr);
}

void TrackKey(PadState& state, int x, int y)
{
    if (state.nPressedKey == NO_KEY)
        return;
    if (HitTestKey(state, x, y) == state.nPressedKey)
        return;
    CancelPress(state);
}

void CancelPress(PadState& state)
{
    int nKey = state.nPressedKey;
    state.nPressedKey = NO_KEY;
    InvertKey(state, nKey, nullptr);
}
