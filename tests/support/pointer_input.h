#pragma once
// Real pointer input for Windows tests: events for SendInput at a point of the screen, which the
// system queues as it queues a mouse's.

#include <windows.h>

// A move to pt (screen coordinates) with the button events in dwFlags.
inline INPUT MouseInputAt(POINT pt, DWORD dwFlags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(pt.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(pt.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}
