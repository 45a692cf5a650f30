#include "tools/artwork/bitmap_file.h"

#include "tools/bitmap_bytes.h"

namespace
{

const uint8_t g_abGreys[4] = {0, 128, 192, 255};

const int FILE_HEADER_SIZE = 14;
const int INFO_HEADER_SIZE = 40;
const int ICON_DIRECTORY_SIZE = 6 + 16;

// BITMAPINFOHEADER; nHeight counts the mask too for icons.
void PutInfoHeader(std::vector<uint8_t>& ab, int nWidth, int nHeight, int nBitsPerPixel,
                   uint32_t cbImage, uint32_t nColorsUsed)
{
    Put32(ab, INFO_HEADER_SIZE);
    Put32(ab, uint32_t(nWidth));
    Put32(ab, uint32_t(nHeight));
    Put16(ab, 1);
    Put16(ab, uint32_t(nBitsPerPixel));
    Put32(ab, 0); // BI_RGB
    Put32(ab, cbImage);
    Put32(ab, 0);
    Put32(ab, 0);
    Put32(ab, nColorsUsed);
    Put32(ab, 0);
}

void PutPaletteEntry(std::vector<uint8_t>& ab, uint8_t bGrey)
{
    ab.push_back(bGrey);
    ab.push_back(bGrey);
    ab.push_back(bGrey);
    ab.push_back(0);
}

// Packs the pixels bottom row first, leftmost pixel in the highest bits of its byte.
void PutPixels(std::vector<uint8_t>& ab, const Canvas& canvas, int nBitsPerPixel)
{
    uint32_t cbRow = RowSize(canvas.nWidth, nBitsPerPixel);
    for (int y = canvas.nHeight - 1; y >= 0; --y)
    {
        std::vector<uint8_t> abRow(cbRow, 0);
        for (int x = 0; x < canvas.nWidth; ++x)
        {
            int nBit = x * nBitsPerPixel;
            int nShift = 8 - nBitsPerPixel - nBit % 8;
            abRow[size_t(nBit / 8)] |= uint8_t(PixelAt(canvas, x, y) << nShift);
        }
        ab.insert(ab.end(), abRow.begin(), abRow.end());
    }
}

} // namespace

std::vector<uint8_t> EncodeBitmap(const Canvas& canvas, int nBitsPerPixel)
{
    uint32_t nColors = 1u << nBitsPerPixel;
    uint32_t cbImage = RowSize(canvas.nWidth, nBitsPerPixel) * uint32_t(canvas.nHeight);
    uint32_t cbOffset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + 4 * nColors;

    std::vector<uint8_t> ab;
    ab.push_back('B');
    ab.push_back('M');
    Put32(ab, cbOffset + cbImage);
    Put32(ab, 0);
    Put32(ab, cbOffset);
    PutInfoHeader(ab, canvas.nWidth, canvas.nHeight, nBitsPerPixel, cbImage, nColors);
    if (nBitsPerPixel == 1)
    {
        PutPaletteEntry(ab, 0);
        PutPaletteEntry(ab, 255);
    }
    else
    {
        for (uint8_t bGrey : g_abGreys)
            PutPaletteEntry(ab, bGrey);
    }
    PutPixels(ab, canvas, nBitsPerPixel);
    return ab;
}

std::vector<uint8_t> EncodeIcon(const Canvas& image, const Canvas& mask)
{
    Canvas visible = image;
    for (int y = 0; y < image.nHeight; ++y)
        for (int x = 0; x < image.nWidth; ++x)
            if (PixelAt(mask, x, y) != 0)
                PutPixel(visible, x, y, SHADE_BLACK);

    const int nColors = 16;
    uint32_t cbColor = RowSize(image.nWidth, 4) * uint32_t(image.nHeight);
    uint32_t cbMask = RowSize(image.nWidth, 1) * uint32_t(image.nHeight);
    uint32_t cbResource = INFO_HEADER_SIZE + 4 * nColors + cbColor + cbMask;

    std::vector<uint8_t> ab;
    Put16(ab, 0);
    Put16(ab, 1); // an icon, not a cursor
    Put16(ab, 1); // one image
    ab.push_back(uint8_t(image.nWidth));
    ab.push_back(uint8_t(image.nHeight));
    ab.push_back(uint8_t(nColors));
    ab.push_back(0);
    Put16(ab, 1);
    Put16(ab, 4);
    Put32(ab, cbResource);
    Put32(ab, ICON_DIRECTORY_SIZE);
    // An icon image's header counts the colour image and the mask below it.
    PutInfoHeader(ab, image.nWidth, 2 * image.nHeight, 4, cbColor + cbMask, 0);
    for (int i = 0; i < nColors; ++i)
        PutPaletteEntry(ab, i < 4 ? g_abGreys[i] : 0);
    PutPixels(ab, visible, 4);
    PutPixels(ab, mask, 1);
    return ab;
}
