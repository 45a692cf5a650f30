#pragma once
// Keeping a window where the user can reach it: the floating panel and the options dialog both
// open at places computed from elsewhere (a stored place, an owner near a screen's edge), and
// screens change.

#include <windows.h>

// rc moved, not resized, into the work area of the monitor nearest to it. A rectangle larger than
// that work area keeps its top left corner inside, where a caption or a grip is.
RECT OnScreenRect(const RECT& rc);
