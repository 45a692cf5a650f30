#include "pad_window/pad_window.h"

#include "base/module.h"
#include "engine/calculator.h"
#include "pad_model/layout.h"
#include "pad_window/key_actions.h"
#include "pad_window/painting.h"
#include "platform/sip.h"
#include "settings/settings_store.h"

#include <new>

namespace
{

// The pad window's own record, kept in its user data slot.
struct PadWindowData
{
    IIMCallback* m_pCallback; // borrowed from the host: no reference is held
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

// Ends the press, if any, without its action and restores the key's look.
void CancelPress(HWND hwnd, PadState& state)
{
    int nKey = state.nPressedKey;
    state.nPressedKey = NO_KEY;
    InvertKey(hwnd, state, nKey, nullptr);
}

bool PointInKey(const PadState& state, int nKey, const KeyDef* pKey, int x, int y)
{
    KeyBounds bounds = KeyRectangle(nKey, pKey, state.nScale);
    return x >= bounds.nLeft && x < bounds.nRight && y >= bounds.nTop && y < bounds.nBottom;
}

// Creation starts a selection: the saved pad state and options, a fresh calculation, and the
// window's record. Without the record the window cannot work: -1 has the window manager destroy
// it, and Select sees no window.
LRESULT OnCreate(HWND hwnd, PadState& state)
{
    // The window runs the module's code: the module stays loaded while it exists.
    ChangeObjectCount(1);
    LoadPadSettingsAndOptions(state);
    SetDisplayText(hwnd, state, L"0", FALSE);
    state.nPressedKey = NO_KEY;
    state.bDirect = FALSE;
    Reset(NumberModeOfPad(state.nPadType), state.nRadix);
    // Value-initialised: the callback pointer is null until the host registers one.
    PadWindowData* pData = new (std::nothrow_t()) PadWindowData();
    if (pData == nullptr)
        return -1;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pData));
    return 0;
}

// The input method object's relay: the host's interface (posted by RegisterCallback) or a new
// size of the input panel (sent by ReceiveSipInfo).
void OnPadImInfo(HWND hwnd, WPARAM wParam, LPARAM lParam)
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
}

// The host sizes the pad through its panel: the pad takes the largest scale that fits the new
// client area. A resize repaints only the area it adds; at a new scale every pixel changes.
void OnSize(HWND hwnd, PadState& state, int nWidth, int nHeight)
{
    int nScale = PadScale(nWidth, nHeight);
    if (nScale == state.nScale)
        return;
    SetPadScale(state, nScale);
    InvalidateRect(hwnd, nullptr, FALSE);
}

// The pen: down presses a key, a move off it cancels the press, up performs it (ReleaseKey). A
// double-click (the class has CS_DBLCLKS) is the second tap of a fast pair and presses like any
// other.
void OnPenDown(HWND hwnd, PadState& state, int x, int y)
{
    if (state.nPressedKey != NO_KEY)
        return;
    // The capture brings the pen's moves and its lift to the pad even outside it, so a press
    // always ends in ReleaseKey.
    SetCapture(hwnd);
    state.nPressedKey = HitTestKey(state, x, y);
    InvertKey(hwnd, state, state.nPressedKey, nullptr);
}

void OnPenMove(HWND hwnd, PadState& state, int x, int y)
{
    if (state.nPressedKey != NO_KEY && HitTestKey(state, x, y) != state.nPressedKey)
        CancelPress(hwnd, state);
}

// ReleaseCapture or another window taking the capture ends the press: the pen up it was waiting
// for will never come to this window. The pad's own SetCapture changes nothing.
void OnCaptureChanged(HWND hwnd, PadState& state, HWND hwndNewCapture)
{
    if (hwndNewCapture != hwnd)
        CancelPress(hwnd, state);
}

// A menu or dialog opening ends the press, and the capture with it.
void OnCancelMode(HWND hwnd, PadState& state)
{
    CancelPress(hwnd, state);
    if (GetCapture() == hwnd)
        ReleaseCapture();
}

// Deselect ends the selection: the record goes with the window, the pad state is kept for the
// next one.
void OnDestroy(HWND hwnd, PadState& state)
{
    PadWindowData* pData = WindowData(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    delete pData;
    SavePadSettings(state);
    ChangeObjectCount(-1);
}

// Each message goes to its one handler. The one place the pad window reaches the keypad's pad
// state; the handlers are handed it with the window's handle. Pen positions are unsigned, so a
// pen captured left of or above the window lies in no key.
LRESULT CALLBACK PadWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    PadState& state = g_PadState;
    switch (uMsg)
    {
    case WM_CREATE: return OnCreate(hwnd, state);
    // The window manager asks for the invalid part of the pad, after an invalidation or an
    // exposure.
    case WM_PAINT: PaintPad(hwnd, state); return 0;
    case WM_PAD_IMINFO: OnPadImInfo(hwnd, wParam, lParam); return 0;
    case WM_SIZE: OnSize(hwnd, state, LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnPenDown(hwnd, state, LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_MOUSEMOVE: OnPenMove(hwnd, state, LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_LBUTTONUP: ReleaseKey(hwnd, state, WindowCallback(hwnd)); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(hwnd, state, reinterpret_cast<HWND>(lParam)); return 0;
    case WM_CANCELMODE: OnCancelMode(hwnd, state); return 0;
    case WM_DESTROY: OnDestroy(hwnd, state); return 0;
    }
    return DefWindowProcW(hwnd, uMsg, wParam, lParam);
}

} // namespace

bool RegisterPadWindowClass()
{
    // CS_DBLCLKS: a fast second tap arrives as WM_LBUTTONDBLCLK, which presses like any tap.
    WNDCLASSW wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = PadWndProc;
    wc.hInstance = g_hInstance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = PAD_WINDOW_CLASS;
    return RegisterClassW(&wc) != 0;
}

void UnregisterPadWindowClass()
{
    UnregisterClassW(PAD_WINDOW_CLASS, g_hInstance);
}

HWND CreatePadWindow(HWND hwndParent)
{
    // WM_CREATE runs inside CreateWindowExW. The child id lets the host find the pad with
    // GetDlgItem.
    RECT rc = {};
    GetClientRect(hwndParent, &rc);
    HWND hwnd = CreateWindowExW(0, PAD_WINDOW_CLASS, L"", WS_CHILD | WS_VISIBLE | WS_BORDER,
                                rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hwndParent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(PAD_WINDOW_ID)),
                                g_hInstance, nullptr);
    // A window whose creation failed late has destroyed itself already.
    return hwnd != nullptr && IsWindow(hwnd) ? hwnd : nullptr;
}

int HitTestKey(const PadState& state, int x, int y)
{
    int nPad = state.nPadType;
    int nResult = NO_KEY;
    int nToggle = NO_KEY;
    for (int i = 0; i < g_Layout.header.nKeyCount[nPad] && nResult == NO_KEY; ++i)
    {
        const KeyDef* pKey = KeyByIndex(nPad, i);
        if ((!state.bDirect || IsActiveInDirectMode(pKey)) && PointInKey(state, i, pKey, x, y))
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
                if (PointInKey(state, nKey, KeyByIndex(nPad, nKey), x, y))
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
