#pragma once
// The pad window: its window procedure, creation and destruction, the private message from the
// input method object, and pen tracking. The window procedure reaches the keypad's one pad state
// and hands it to everything it calls.

#include "pad_model/pad_state.h"

#include <windows.h>

// From the input method object: wParam PAD_IMINFO_CALLBACK with the host's IIMCallback in lParam,
// or PAD_IMINFO_RESIZE to fill the parent's client area again.
const UINT WM_PAD_IMINFO = WM_USER + 200;
const WPARAM PAD_IMINFO_CALLBACK = 0;
const WPARAM PAD_IMINFO_RESIZE = 2;

LRESULT CALLBACK PadWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// The key under (x, y) in client coordinates, as a key index; NO_KEY when none.
int HitTestKey(const PadState& state, int x, int y);
// The same on the keypad's one pad state.
int HitTestKey(int x, int y);

// Pen down and pen move.
void PressKey(PadState& state, int x, int y);
void TrackKey(PadState& state, int x, int y);

// Ends the press, if any, without its action and restores the key's look.
void CancelPress(PadState& state);
