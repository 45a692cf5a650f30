#pragma once
// The keypad pictures: both pads, the INV/HYP overlays, the direct row and the stipple that greys
// disabled keys. Every key is drawn at its rectangle in the layout tables.

#include "tools/artwork/canvas.h"

// The scientific pad's function block (keys 20 to 31), which the overlays replace.
const int FUNCTION_BLOCK_FIRST_KEY = 20;
const int FUNCTION_BLOCK_LAST_KEY = 31;

// The stipple is OR-ed over disabled keys, so it only has to cover the largest key.
const int DISABLE_STIPPLE_SIZE = 32;

// The whole pad with the function labels of the given modifier state. False when a key's label
// cannot be drawn.
bool DrawPad(int nPadType, bool bInv, bool bHyp, Canvas* pPad);

// The function block of the scientific pad under the modifiers, cut from the whole pad so that
// the keys that do not change are exactly those of PAD1.
bool DrawFunctionOverlay(bool bInv, bool bHyp, Canvas* pOverlay);

// The direct row inside the display's sunken frame, to be drawn at the direct row origin.
bool DrawDirectRow(Canvas* pRow);

Canvas DrawDisableStipple();
