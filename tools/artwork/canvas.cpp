#include "tools/artwork/canvas.h"

Canvas CreateCanvas(int nWidth, int nHeight, uint8_t bFill)
{
    return Canvas{nWidth, nHeight, std::vector<uint8_t>(size_t(nWidth) * size_t(nHeight), bFill)};
}

static bool Contains(const Canvas& canvas, int x, int y)
{
    return x >= 0 && y >= 0 && x < canvas.nWidth && y < canvas.nHeight;
}

void PutPixel(Canvas& canvas, int x, int y, uint8_t bShade)
{
    if (Contains(canvas, x, y))
        canvas.abPixels[size_t(y) * size_t(canvas.nWidth) + size_t(x)] = bShade;
}

uint8_t PixelAt(const Canvas& canvas, int x, int y)
{
    if (!Contains(canvas, x, y))
        return SHADE_BLACK;
    return canvas.abPixels[size_t(y) * size_t(canvas.nWidth) + size_t(x)];
}

void FillRectangle(Canvas& canvas, int nLeft, int nTop, int nRight, int nBottom, uint8_t bShade)
{
    for (int y = nTop; y < nBottom; ++y)
        for (int x = nLeft; x < nRight; ++x)
            PutPixel(canvas, x, y, bShade);
}

Canvas CropCanvas(const Canvas& source, int xSource, int ySource, int nWidth, int nHeight)
{
    Canvas crop = CreateCanvas(nWidth, nHeight, SHADE_BLACK);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            PutPixel(crop, x, y, PixelAt(source, xSource + x, ySource + y));
    return crop;
}
