#pragma once
// Pictures of windows, as the screen shows them, and their PNG files.

#include <windows.h>

#include <vector>

struct Picture
{
    int nWidth = 0;
    int nHeight = 0;
    std::vector<DWORD> aPixels; // 0x00RRGGBB, row by row from the top
};

// The nWidth x nHeight pixels at (x, y) of hdcSource, a window's, the screen's or a memory device
// context with a bitmap in it; empty when there are none or they cannot be read.
Picture CaptureArea(HDC hdcSource, int x, int y, int nWidth, int nHeight);

// The client area of hwnd with its child windows, or with bWholeWindow the window with its
// frame and caption.
Picture CapturePicture(HWND hwnd, bool bWholeWindow);

// What the screen shows in rc (screen coordinates), windows of every program included.
Picture CaptureScreenArea(const RECT& rc);

// Each pixel becomes nScale x nScale pixels (nearest neighbour: edges stay sharp).
Picture EnlargePicture(const Picture& picture, int nScale);

// Writes the picture as a 24-bit PNG through the platform's image encoder.
HRESULT WritePng(const Picture& picture, const WCHAR* pszFile);
