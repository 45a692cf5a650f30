#include "pad/pad_state.h"

#include "pad/layout.h"

PadState g_PadState = {
    PAD_SCIENTIFIC, FALSE,  FALSE, 0,
    FALSE,          NO_KEY, {0},   {DISPLAY_LEFT, DISPLAY_TOP, DISPLAY_RIGHT, DISPLAY_BOTTOM},
    nullptr,        FALSE,  FALSE, FALSE,
    FALSE};
