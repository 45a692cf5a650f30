#pragma once
// An image of palette indexes that the artwork is drawn on before it is written out.

#include <cstddef>
#include <cstdint>
#include <vector>

// The four grey levels of every 2-bit image, by palette index.
enum Shade : uint8_t
{
    SHADE_BLACK = 0,
    SHADE_DARK_GRAY = 1,
    SHADE_LIGHT_GRAY = 2,
    SHADE_WHITE = 3,
};

struct Canvas
{
    int nWidth;
    int nHeight;
    std::vector<uint8_t> abPixels; // one palette index per pixel, rows top to bottom
};

Canvas CreateCanvas(int nWidth, int nHeight, uint8_t bFill);

// Pixels outside the canvas are ignored by the writers and read as black.
void PutPixel(Canvas& canvas, int x, int y, uint8_t bShade);
uint8_t PixelAt(const Canvas& canvas, int x, int y);

// Right and bottom are exclusive.
void FillRectangle(Canvas& canvas, int nLeft, int nTop, int nRight, int nBottom, uint8_t bShade);

// The nWidth x nHeight block of source at (xSource, ySource), as a canvas of its own.
Canvas CropCanvas(const Canvas& source, int xSource, int ySource, int nWidth, int nHeight);
