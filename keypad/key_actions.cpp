#include "keypad/key_actions.h"

#include "engine/calculator.h"
#include "keypad/painting.h"
#include "pad/pad_state.h"

namespace
{

PadWindowData* WindowData(HWND hwnd)
{
    return reinterpret_cast<PadWindowData*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// The host's interface, or null before the host has registered it.
IIMCallback* Callback(HWND hwnd)
{
    PadWindowData* pData = WindowData(hwnd);
    return pData != nullptr ? pData->m_pCallback : nullptr;
}

void RepaintDisplay()
{
    InvalidateRect(g_PadState.hwndPad, &g_PadState.rcDisplay, TRUE);
    UpdateWindow(g_PadState.hwndPad);
}

void ActOnModeKey(const KeyDef* pKey)
{
    switch (pKey->wCode)
    {
    case CMD_INV:
        g_PadState.bInv = !g_PadState.bInv;
        RepaintPad();
        break;
    case CMD_HYP:
        g_PadState.bHyp = !g_PadState.bHyp;
        RepaintPad();
        break;
    case CMD_DEC:
    case CMD_HEX:
    case CMD_OCT:
    case CMD_BIN:
        g_PadState.nRadix = pKey->wCode - CMD_DEC;
        ChangeRadix(g_PadState.nRadix);
        RefreshDisplay();
        DrawRadixIndicator(nullptr);
        break;
    }
}

void ActOnPadKey(HWND hwnd, const KeyDef* pKey)
{
    switch (pKey->wKind)
    {
    case KEY_CHAR:
        EnterChar(static_cast<WideChar>(pKey->wChar));
        RefreshDisplay();
        break;
    case KEY_COMMAND: {
        unsigned nCode = SelectKeyCode(pKey);
        ExecuteCommand(nCode);
        RefreshDisplay();
        if (nCode == CMD_EQUAL && g_PadState.bEquelToInput)
            SendDisplayText(Callback(hwnd));
        break;
    }
    case KEY_MODE: ActOnModeKey(pKey); break;
    case KEY_PADSWITCH:
        g_PadState.nPadType =
            g_PadState.nPadType == PAD_SCIENTIFIC ? PAD_PROGRAMMER : PAD_SCIENTIFIC;
        Reset(g_PadState.nPadType, g_PadState.nRadix);
        GetDisplayText(g_PadState.szDisplay);
        RepaintPad();
        break;
    case KEY_INPUT: SendDisplayText(Callback(hwnd)); break;
    }
}

} // namespace

void ReleaseKey(HWND hwnd, int, int)
{
    // The press ends before the capture goes, so that the capture change finds nothing to cancel.
    int nKey = g_PadState.nPressedKey;
    g_PadState.nPressedKey = NO_KEY;
    InvertKey(nKey, nullptr);
    ReleaseCapture();
    if (nKey == NO_KEY)
        return;

    const KeyDef* pKey = KeyByIndex(g_PadState.nPadType, nKey);
    if (nKey < DIRECT_KEY_BASE && pKey != nullptr && pKey->wKind == KEY_DIRECT)
    {
        g_PadState.bDirect = !g_PadState.bDirect;
        RepaintPad();
        return;
    }
    if (g_PadState.bDirect)
    {
        SendDirectKey(hwnd, nKey);
        return;
    }
    if (nKey >= DIRECT_KEY_BASE || pKey == nullptr)
        return;
    ActOnPadKey(hwnd, pKey);
}

unsigned SelectKeyCode(const KeyDef* pKey)
{
    unsigned nCode;
    if (g_PadState.bInv && g_PadState.bHyp)
        nCode = pKey->wInvHypCode;
    else if (g_PadState.bInv)
        nCode = pKey->wInvCode;
    else if (g_PadState.bHyp)
        nCode = pKey->wHypCode;
    else
        nCode = pKey->wCode;
    return nCode != 0 ? nCode : pKey->wCode;
}

void RefreshDisplay()
{
    GetDisplayText(g_PadState.szDisplay);
    RepaintDisplay();
}

void RepaintPad()
{
    InvalidateRect(g_PadState.hwndPad, nullptr, FALSE);
    UpdateWindow(g_PadState.hwndPad);
}

void SendDisplayText(IIMCallback* pCallback)
{
    if (pCallback != nullptr)
        pCallback->SendString(g_PadState.szDisplay, lstrlenW(g_PadState.szDisplay));
    if (g_PadState.bInputToClear)
    {
        ExecuteCommand(CMD_AC);
        RefreshDisplay();
    }
}

void SendDirectKey(HWND hwnd, int nKey)
{
    const KeyDef* pKey = KeyByIndex(g_PadState.nPadType, nKey);
    if (pKey == nullptr)
        return;
    IIMCallback* pCallback = Callback(hwnd);
    if (pKey->wKind == KEY_VKEY)
        SendKeyEvent(pKey->wCode, pKey->wChar, pCallback);
    else if (pKey->wChar != 0)
        SendKeyChar(pKey->wChar, pCallback);
}

void SendKeyChar(WCHAR ch, IIMCallback* pCallback)
{
    if (pCallback == nullptr)
        return;
    WCHAR szText[2] = {ch, 0};
    pCallback->SendString(szText, 1);
}

void SendKeyEvent(WORD wVirtualKey, WCHAR ch, IIMCallback* pCallback)
{
    if (pCallback == nullptr)
        return;
    if (ch == 0)
    {
        pCallback->SendVirtualKey(static_cast<BYTE>(wVirtualKey), KeyStateDownFlag);
        return;
    }
    UINT uShift = 0;
    UINT uChar = ch;
    pCallback->SendCharEvents(wVirtualKey, KeyStateDownFlag, 1, &uShift, &uChar);
}

void SetDisplayText(const WCHAR* pszText, BOOL bRepaint)
{
    lstrcpynW(g_PadState.szDisplay, pszText, PAD_DISPLAY_CHARS + 1);
    if (bRepaint)
        RepaintDisplay();
}
