#pragma once
// What a key does when the pen is lifted from it, and the two ways text leaves the keypad: the
// Input action, which sends the whole display text, and direct mode, where each key sends its
// own character or virtual key.

#include "pad/layout.h"
#include "platform/sip.h"

#include <windows.h>

// Pen up: removes the highlight of the pressed key and performs its action.
void ReleaseKey(HWND hwnd, int x, int y);

// The code a command key passes to the calculator under the current INV and HYP state.
unsigned SelectKeyCode(const KeyDef* pKey);

// Copies the calculator's display text to the pad and repaints the display at once.
void RefreshDisplay();

// Repaints the whole pad at once, without erasing the background.
void RepaintPad();

// The Input action; with InputToClear the calculation is cleared afterwards.
void SendDisplayText(IIMCallback* pCallback);

// Direct mode: sends key nKey (a key index) to the application.
void SendDirectKey(HWND hwnd, int nKey);

void SendKeyChar(WCHAR ch, IIMCallback* pCallback);
void SendKeyEvent(WORD wVirtualKey, WCHAR ch, IIMCallback* pCallback);

// Puts text (at most the display's 128 characters) in the display.
void SetDisplayText(const WCHAR* pszText, BOOL bRepaint);
