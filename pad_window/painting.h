#pragma once
// All drawing of the pad window, whose handle every operation is given. Bitmaps come from the
// module's resources at each operation and are deleted before it returns, so the pad holds no GDI
// object between messages. An operation given no device context takes the window's own and
// releases it again. Every place drawn comes from the layout tables: the keys' rectangles from
// KeyRectangle, the overlays' and the direct row's origins from the header, and the display's
// rectangle from the pad state. All of it is drawn at the pad state's scale: the artwork
// enlarged pixel for pixel, the rectangles and the display's font as many times larger.

#include "pad_model/pad_state.h"

#include <windows.h>

// WM_PAINT: the pad, its overlay or radix mark, then the direct row or the display text, and
// last the pressed key inverted. An update region within the display box draws the display alone.
void PaintPad(HWND hwnd, const PadState& state);

// Inverts the whole rectangle of key nKey (a key index); inverting twice restores it.
void InvertKey(HWND hwnd, const PadState& state, int nKey, HDC hdc);

// Redraws the radix keys of the programmer pad from its artwork and marks the current radix, on
// the window's own device context at once.
void DrawRadixIndicator(HWND hwnd, const PadState& state);
