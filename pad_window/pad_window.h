#pragma once
// The pad window: its class and its creation in the input panel's window, the window procedure
// with one handler for each message, and the pen. The window procedure is the one place that
// reaches the keypad's pad state; it hands the state and the window's handle to everything it
// calls.

#include "pad_model/pad_state.h"

#include <windows.h>

// From the input method object: wParam PAD_IMINFO_CALLBACK with the host's IIMCallback in lParam,
// or PAD_IMINFO_RESIZE to fill the parent's client area again.
const UINT WM_PAD_IMINFO = WM_USER + 200;
const WPARAM PAD_IMINFO_CALLBACK = 0;
const WPARAM PAD_IMINFO_RESIZE = 2;

// Registers the pad window's class for the module; false when it cannot, as while it is
// registered already. The class lives from Select to Deselect.
bool RegisterPadWindowClass();
void UnregisterPadWindowClass();

// Creates the pad window as a visible child filling hwndParent's client area, with the child id
// PAD_WINDOW_ID. Its creation loads the pad state and the options and resets the calculator before
// this returns. Null when the window cannot be made.
HWND CreatePadWindow(HWND hwndParent);

// The key under (x, y) in client coordinates, as a key index; NO_KEY when none.
int HitTestKey(const PadState& state, int x, int y);
