#pragma once
// All drawing of the pad window. Bitmaps come from the module's resources at each operation and
// are deleted before it returns, so the pad holds no GDI object between messages. An operation
// given no device context takes the pad window's (the state's hwndPad) and releases it again.

#include "pad_model/pad_state.h"

#include <windows.h>

// WM_PAINT: the pad, its overlay or radix mark, then the direct row or the display text, and
// last the pressed key inverted. An update region within the display box draws the display alone.
LRESULT OnPaint(HWND hwnd, const PadState& state);

// Inverts the whole rectangle of key nKey (a key index); inverting twice restores it.
void InvertKey(const PadState& state, int nKey, HDC hdc);
// The same on the keypad's one pad state.
void InvertKey(int nKey, HDC hdc);

// Redraws the radix keys of the programmer pad from its artwork and marks the current radix.
void DrawRadixIndicator(const PadState& state, HDC hdc);
// The same on the keypad's one pad state.
void DrawRadixIndicator(HDC hdc);
