#include "pad_model/pad_state.h"

#include "pad_model/layout.h"

// Zero-initialised: an initialiser would give the DLL a data section for this record alone.
PadState g_PadState;

void InitPadState()
{
    g_PadState.nPressedKey = NO_KEY;
    g_PadState.rcDisplay = {DISPLAY_LEFT, DISPLAY_TOP, DISPLAY_RIGHT, DISPLAY_BOTTOM};
}
