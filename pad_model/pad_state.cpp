#include "pad_model/pad_state.h"

#include "pad_model/layout.h"

// Zero-initialised: an initialiser would give the DLL a data section for this record alone.
PadState g_PadState;

void InitPadState()
{
    g_PadState.nPressedKey = NO_KEY;
    SetPadScale(g_PadState, 1);
}

void SetPadScale(PadState& state, int nScale)
{
    state.nScale = nScale;
    state.rcDisplay = {DISPLAY_LEFT * nScale, DISPLAY_TOP * nScale, DISPLAY_RIGHT * nScale,
                       DISPLAY_BOTTOM * nScale};
}
