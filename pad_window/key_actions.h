#pragma once
// What a key does when the pen is lifted from it, and the two ways text leaves the keypad: the
// Input action, which sends the whole display text, and direct mode, where each key sends its
// own character or virtual key. Every operation works on the pad state it is handed; the host's
// interface comes from the pad window's record, null until the host has registered it.

#include "pad_model/layout.h"
#include "pad_model/pad_state.h"
#include "platform/sip.h"

#include <windows.h>

// Pen up: removes the highlight of the pressed key and performs its action.
void ReleaseKey(PadState& state, IIMCallback* pCallback);

// The code a command key passes to the calculator under the state's INV and HYP.
unsigned SelectKeyCode(const PadState& state, const KeyDef* pKey);

// Copies the calculator's display text to the pad and repaints the display at once.
void RefreshDisplay(PadState& state);

// Repaints the whole pad at once, without erasing the background.
void RepaintPad(const PadState& state);

// The Input action; with bClearAfterSending the calculation is cleared afterwards.
void SendDisplayText(PadState& state, IIMCallback* pCallback);

// Direct mode: sends key nKey (a key index) to the application.
void SendDirectKey(const PadState& state, int nKey, IIMCallback* pCallback);

void SendKeyChar(WCHAR ch, IIMCallback* pCallback);
void SendKeyEvent(WORD wVirtualKey, WCHAR ch, IIMCallback* pCallback);

// Puts text (at most the display's 128 characters) in the display, and repaints it at once.
void SetDisplayText(PadState& state, const WCHAR* pszText, BOOL bRepaint);
// The same for the keypad's one pad state.
void SetDisplayText(const WCHAR* pszText, BOOL bRepaint);
