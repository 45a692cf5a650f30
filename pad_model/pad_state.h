#pragma once
// The keypad's one global record: what the user has chosen and what the pad shows.

#include <windows.h>

const int PAD_DISPLAY_CHARS = 128; // szDisplay holds this many characters and a terminator

struct PadState
{
    int nPadType; // PAD_SCIENTIFIC or PAD_PROGRAMMER
    BOOL bInv;
    BOOL bHyp;
    int nRadix;
    BOOL bDirect;
    int nPressedKey; // key index held under the pen, or NO_KEY
    WCHAR szDisplay[PAD_DISPLAY_CHARS + 1];
    int nScale;     // each pixel of the artwork is nScale x nScale pixels of the window, 1 to 4
    RECT rcDisplay; // the display box's interior at that scale
    // The four options, each stored under the registry value named beside it.
    BOOL bEqualsSends;             // "EquelToInput": = also sends the result, as Input does
    BOOL bClearAfterSending;       // "InputToClear": all clear after the display is sent
    BOOL bDisplayTapEntersDirect;  // "DirectInEx": a tap on the display enters direct mode
    BOOL bDisabledTapLeavesDirect; // "DirectOutEx": in direct mode, a tap on a greyed key or on
                                   // no key at all leaves it
};

extern PadState g_PadState;

// Completes the record as the module's load must find it: no pressed key, scale 1 and its
// display rectangle, every other field zero as the storage starts. The module's entry calls it on
// load.
void InitPadState();

// The one place the scale changes: nScale and the display rectangle that goes with it.
void SetPadScale(PadState& state, int nScale);
