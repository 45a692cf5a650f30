#pragma once
// The pad's keys by the names a script uses, each resolved to the point a pen taps: the centre
// of the key's rectangle in the pad window. Every name has one place whatever pad is showing; a
// name of the other pad taps that place and the pad decides what it means there. And the tap
// itself, as the host, the tests and the benchmarks make it.

#include <windows.h>

struct PadKeyPlace
{
    int nPad; // PAD_SCIENTIFIC or PAD_PROGRAMMER: the pad whose table places the key
    int nKey; // key index on that pad, or DIRECT_KEY_BASE + position in the direct row
};

// The key called pszName in the shared vocabulary (pad_model/key_names.h), matched without regard
// to case. False when no key has that name or the name is an engine command that no key carries.
bool FindPadKey(const char* pszName, PadKeyPlace* pPlace);

struct TapPoint
{
    int x;
    int y;
};

// The centre of the key's rectangle in the pad window's client coordinates, at scale nScale.
TapPoint KeyCentre(const PadKeyPlace& place, int nScale);

// The scale at which the pad window draws, as the pad takes it from its client area's size.
int PadWindowScale(HWND hwndPad);

// A tap as the pen makes it: pen down and pen up at (x, y) of the pad window's client area, sent,
// so that what the tap repaints is painted when this returns.
void TapPadWindow(HWND hwndPad, int x, int y);
// The same at the centre of the key, at the pad window's scale.
void TapPadKey(HWND hwndPad, const PadKeyPlace& place);
