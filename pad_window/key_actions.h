#pragma once
// What a key does when the pen is lifted from it, and the two ways text leaves the keypad: the
// Input action, which sends the whole display text, and direct mode, where each key sends its
// own character or virtual key. Every operation works on the pad window and the pad state it is
// handed; the host's interface comes from the pad window's record, null until the host has
// registered it.

#include "pad_model/pad_state.h"
#include "platform/sip.h"

#include <windows.h>

// Pen up: removes the highlight of the pressed key and performs its action.
void ReleaseKey(HWND hwnd, PadState& state, IIMCallback* pCallback);

// Puts text (at most the display's 128 characters) in the display; with bRepaint, repaints it at
// once.
void SetDisplayText(HWND hwnd, PadState& state, const WCHAR* pszText, BOOL bRepaint);
