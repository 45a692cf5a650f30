#include "pad_window/key_actions.h"

#include "engine/calculator.h"
#include "pad_window/painting.h"

namespace
{

// Erasing first: a shorter text must not leave the end of a longer one behind. UpdateWindow
// sends WM_PAINT at once, so the display shows the key's result before the pen up returns.
void RepaintDisplay(const PadState& state)
{
    InvalidateRect(state.hwndPad, &state.rcDisplay, TRUE);
    UpdateWindow(state.hwndPad);
}

void ActOnModeKey(PadState& state, const KeyDef* pKey)
{
    switch (pKey->wCode)
    {
    case CMD_INV:
        state.bInv = !state.bInv;
        RepaintPad(state);
        break;
    case CMD_HYP:
        state.bHyp = !state.bHyp;
        RepaintPad(state);
        break;
    case CMD_DEC:
    case CMD_HEX:
    case CMD_OCT:
    case CMD_BIN:
        state.nRadix = RadixOfKeyCode(pKey->wCode);
        ChangeRadix(state.nRadix);
        RefreshDisplay(state);
        DrawRadixIndicator(state, nullptr);
        break;
    }
}

void ActOnPadKey(PadState& state, IIMCallback* pCallback, const KeyDef* pKey)
{
    switch (pKey->wKind)
    {
    case KEY_CHAR:
        EnterChar(static_cast<WideChar>(pKey->wChar));
        RefreshDisplay(state);
        break;
    case KEY_COMMAND: {
        unsigned nCode = SelectKeyCode(state, pKey);
        ExecuteCommand(nCode);
        RefreshDisplay(state);
        if (nCode == CMD_EQUAL && state.bEqualsSends)
            SendDisplayText(state, pCallback);
        break;
    }
    case KEY_MODE: ActOnModeKey(state, pKey); break;
    case KEY_PADSWITCH:
        state.nPadType = OtherPad(state.nPadType);
        Reset(NumberModeOfPad(state.nPadType), state.nRadix);
        GetDisplayText(state.szDisplay);
        RepaintPad(state);
        break;
    case KEY_INPUT: SendDisplayText(state, pCallback); break;
    }
}

} // namespace

void ReleaseKey(PadState& state, IIMCallback* pCallback)
{
    // The press ends before the capture goes, so that the capture change finds nothing to cancel.
    int nKey = state.nPressedKey;
    state.nPressedKey = NO_KEY;
    InvertKey(state, nKey, nullptr);
    ReleaseCapture();
    if (nKey == NO_KEY)
        return;

    const KeyDef* pKey = KeyByIndex(state.nPadType, nKey);
    if (nKey < DIRECT_KEY_BASE && pKey != nullptr && pKey->wKind == KEY_DIRECT)
    {
        state.bDirect = !state.bDirect;
        RepaintPad(state);
        return;
    }
    if (state.bDirect)
    {
        SendDirectKey(state, nKey, pCallback);
        return;
    }
    if (nKey >= DIRECT_KEY_BASE || pKey == nullptr)
        return;
    ActOnPadKey(state, pCallback, pKey);
}

unsigned SelectKeyCode(const PadState& state, const KeyDef* pKey)
{
    unsigned nCode;
    if (state.bInv && state.bHyp)
        nCode = pKey->wInvHypCode;
    else if (state.bInv)
        nCode = pKey->wInvCode;
    else if (state.bHyp)
        nCode = pKey->wHypCode;
    else
        nCode = pKey->wCode;
    return nCode != 0 ? nCode : pKey->wCode;
}

void RefreshDisplay(PadState& state)
{
    GetDisplayText(state.szDisplay);
    RepaintDisplay(state);
}

void RepaintPad(const PadState& state)
{
    // No erasing: the pad's artwork covers every pixel, so erasing first would only flicker.
    InvalidateRect(state.hwndPad, nullptr, FALSE);
    UpdateWindow(state.hwndPad);
}

void SendDisplayText(PadState& state, IIMCallback* pCallback)
{
    if (pCallback != nullptr)
        pCallback->SendString(state.szDisplay, lstrlenW(state.szDisplay));
    if (state.bClearAfterSending)
    {
        ExecuteCommand(CMD_AC);
        RefreshDisplay(state);
    }
}

void SendDirectKey(const PadState& state, int nKey, IIMCallback* pCallback)
{
    const KeyDef* pKey = KeyByIndex(state.nPadType, nKey);
    if (pKey == nullptr)
        return;
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

void SetDisplayText(PadState& state, const WCHAR* pszText, BOOL bRepaint)
{
    lstrcpynW(state.szDisplay, pszText, PAD_DISPLAY_CHARS + 1);
    if (bRepaint)
        RepaintDisplay(state);
}

void SetDisplayText(const WCHAR* pszText, BOOL bRepaint)
{
    SetDisplayText(g_PadState, pszText, bRepaint);
}
