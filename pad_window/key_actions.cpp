#include "pad_window/key_actions.h"

#include "engine/calculator.h"
#include "pad_model/layout.h"
#include "pad_window/local_number_text.h"
#include "pad_window/painting.h"

namespace
{

// Erasing first: a shorter text must not leave the end of a longer one behind. UpdateWindow
// sends WM_PAINT at once, so the display shows the key's result before the pen up returns.
void RepaintDisplay(HWND hwnd, const PadState& state)
{
    InvalidateRect(hwnd, &state.rcDisplay, TRUE);
    UpdateWindow(hwnd);
}

// No erasing: the pad's artwork covers every pixel, so erasing first would only flicker.
void RepaintPad(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

// Copies the calculator's display text to the pad and repaints the display at once.
void RefreshDisplay(HWND hwnd, PadState& state)
{
    GetDisplayText(state.szDisplay);
    RepaintDisplay(hwnd, state);
}

// The code a command key passes to the calculator under the state's INV and HYP.
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

// The Input action: sends the display text with the decimal separator of the user's locale; with
// bClearAfterSending the calculation is cleared afterwards.
void SendDisplayText(HWND hwnd, PadState& state, IIMCallback* pCallback)
{
    if (pCallback != nullptr)
    {
        WCHAR szText[LOCAL_NUMBER_TEXT_SIZE];
        int nChars = ToLocalNumberText(state.szDisplay, szText);
        pCallback->SendString(szText, nChars);
    }
    if (state.bClearAfterSending)
    {
        ExecuteCommand(CMD_AC);
        RefreshDisplay(hwnd, state);
    }
}

// Direct mode: sends key nKey (a key index) to the application.
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

void ActOnModeKey(HWND hwnd, PadState& state, const KeyDef* pKey)
{
    switch (pKey->wCode)
    {
    case CMD_INV:
        state.bInv = !state.bInv;
        RepaintPad(hwnd);
        break;
    case CMD_HYP:
        state.bHyp = !state.bHyp;
        RepaintPad(hwnd);
        break;
    case CMD_DEC:
    case CMD_HEX:
    case CMD_OCT:
    case CMD_BIN:
        state.nRadix = RadixOfKeyCode(pKey->wCode);
        ChangeRadix(state.nRadix);
        RefreshDisplay(hwnd, state);
        DrawRadixIndicator(hwnd, state);
        break;
    }
}

void ActOnPadKey(HWND hwnd, PadState& state, IIMCallback* pCallback, const KeyDef* pKey)
{
    switch (pKey->wKind)
    {
    case KEY_CHAR:
        EnterChar(static_cast<WideChar>(pKey->wChar));
        RefreshDisplay(hwnd, state);
        break;
    case KEY_COMMAND: {
        unsigned nCode = SelectKeyCode(state, pKey);
        ExecuteCommand(nCode);
        RefreshDisplay(hwnd, state);
        if (nCode == CMD_EQUAL && state.bEqualsSends)
            SendDisplayText(hwnd, state, pCallback);
        break;
    }
    case KEY_MODE: ActOnModeKey(hwnd, state, pKey); break;
    case KEY_PADSWITCH:
        state.nPadType = OtherPad(state.nPadType);
        Reset(NumberModeOfPad(state.nPadType), state.nRadix);
        GetDisplayText(state.szDisplay);
        RepaintPad(hwnd);
        break;
    case KEY_INPUT: SendDisplayText(hwnd, state, pCallback); break;
    }
}

} // namespace

void ReleaseKey(HWND hwnd, PadState& state, IIMCallback* pCallback)
{
    // The press ends before the capture goes, so that the capture change finds nothing to cancel.
    int nKey = state.nPressedKey;
    state.nPressedKey = NO_KEY;
    InvertKey(hwnd, state, nKey, nullptr);
    ReleaseCapture();
    if (nKey == NO_KEY)
        return;

    const KeyDef* pKey = KeyByIndex(state.nPadType, nKey);
    if (nKey < DIRECT_KEY_BASE && pKey != nullptr && pKey->wKind == KEY_DIRECT)
    {
        state.bDirect = !state.bDirect;
        RepaintPad(hwnd);
        return;
    }
    if (state.bDirect)
    {
        SendDirectKey(state, nKey, pCallback);
        return;
    }
    if (nKey >= DIRECT_KEY_BASE || pKey == nullptr)
        return;
    ActOnPadKey(hwnd, state, pCallback, pKey);
}

void SetDisplayText(HWND hwnd, PadState& state, const WCHAR* pszText, BOOL bRepaint)
{
    lstrcpynW(state.szDisplay, pszText, PAD_DISPLAY_CHARS + 1);
    if (bRepaint)
        RepaintDisplay(hwnd, state);
}
