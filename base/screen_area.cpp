#include "base/screen_area.h"

namespace
{

// The start of a span of nLength pixels moved into [nLow, nHigh), the low end winning.
LONG Within(LONG nStart, LONG nLength, LONG nLow, LONG nHigh)
{
    if (nStart > nHigh - nLength)
        nStart = nHigh - nLength;
    return nStart < nLow ? nLow : nStart;
}

} // namespace

RECT OnScreenRect(const RECT& rc)
{
    MONITORINFO mi;
    mi.cbSize = sizeof(mi);
    if (!GetMonitorInfoW(MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &mi))
        return rc;
    LONG nWidth = rc.right - rc.left;
    LONG nHeight = rc.bottom - rc.top;
    LONG x = Within(rc.left, nWidth, mi.rcWork.left, mi.rcWork.right);
    LONG y = Within(rc.top, nHeight, mi.rcWork.top, mi.rcWork.bottom);
    return {x, y, x + nWidth, y + nHeight};
}
