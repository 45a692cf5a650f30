#include "tests/support/bitmap_reader.h"

#include <cstdio>

namespace
{

uint32_t Get16(const std::vector<uint8_t>& ab, size_t i)
{
    return uint32_t(ab[i]) | uint32_t(ab[i + 1]) << 8;
}

uint32_t Get32(const std::vector<uint8_t>& ab, size_t i)
{
    return Get16(ab, i) | Get16(ab, i + 2) << 16;
}

size_t RowSize(int nWidth, int nBits)
{
    return size_t((nWidth * nBits + 31) / 32 * 4);
}

void UnpackRows(const std::vector<uint8_t>& ab, size_t cbStart, bool bBottomUp,
                DecodedBitmap* pBitmap)
{
    int nBits = pBitmap->nBitsPerPixel;
    for (int nStored = 0; nStored < pBitmap->nHeight; ++nStored)
    {
        int y = bBottomUp ? pBitmap->nHeight - 1 - nStored : nStored;
        size_t cbRow = cbStart + size_t(nStored) * RowSize(pBitmap->nWidth, nBits);
        for (int x = 0; x < pBitmap->nWidth; ++x)
        {
            int nBit = x * nBits;
            pBitmap->abIndexes[size_t(y * pBitmap->nWidth + x)] =
                uint8_t(ab[cbRow + size_t(nBit / 8)] >> (8 - nBits - nBit % 8)) &
                uint8_t((1 << nBits) - 1);
        }
    }
}

// BI_RLE4 as documented: encoded runs, absolute runs padded to words, end of line, end of bitmap
// and delta escapes; rows bottom-up.
bool UnpackRle4(const std::vector<uint8_t>& ab, size_t i, size_t cbEnd, DecodedBitmap* pBitmap)
{
    int x = 0, nRow = 0;
    auto put = [&](uint8_t bIndex) {
        if (x >= pBitmap->nWidth || nRow >= pBitmap->nHeight)
            return false;
        int y = pBitmap->nHeight - 1 - nRow;
        pBitmap->abIndexes[size_t(y * pBitmap->nWidth + x++)] = bIndex;
        return true;
    };
    while (i + 1 < cbEnd)
    {
        uint8_t bFirst = ab[i], bSecond = ab[i + 1];
        i += 2;
        if (bFirst > 0)
        {
            for (int k = 0; k < bFirst; ++k)
                if (!put(k % 2 ? bSecond & 15 : bSecond >> 4))
                    return false;
        }
        else if (bSecond == 0)
        {
            x = 0;
            ++nRow;
        }
        else if (bSecond == 1)
            return true;
        else if (bSecond == 2)
        {
            if (i + 1 >= cbEnd)
                return false;
            x += ab[i];
            nRow += ab[i + 1];
            i += 2;
        }
        else
        {
            size_t cbPixels = (bSecond + 1u) / 2;
            if (i + cbPixels > cbEnd)
                return false;
            for (int k = 0; k < bSecond; ++k)
                if (!put(k % 2 ? ab[i + size_t(k / 2)] & 15 : ab[i + size_t(k / 2)] >> 4))
                    return false;
            i += (cbPixels + 1) / 2 * 2;
        }
    }
    return false;
}

// A BITMAPINFOHEADER with its palette at cbHeader; the pixels at cbPixels (0: right after the
// palette). nHeightDivisor is 2 for an icon, whose header counts the mask too.
bool DecodeDib(const std::vector<uint8_t>& ab, size_t cbHeader, size_t cbPixels, int nHeightDivisor,
               DecodedBitmap* pBitmap)
{
    if (ab.size() < cbHeader + 40 || Get32(ab, cbHeader) != 40)
        return false;
    int32_t nHeight = int32_t(Get32(ab, cbHeader + 8)) / nHeightDivisor;
    pBitmap->nWidth = int32_t(Get32(ab, cbHeader + 4));
    pBitmap->nHeight = nHeight < 0 ? -nHeight : nHeight;
    pBitmap->nBitsPerPixel = int(Get16(ab, cbHeader + 14));
    pBitmap->nCompression = Get32(ab, cbHeader + 16);
    uint32_t cbImage = Get32(ab, cbHeader + 20);
    uint32_t nColors = Get32(ab, cbHeader + 32);
    int nBits = pBitmap->nBitsPerPixel;
    if (pBitmap->nWidth <= 0 || pBitmap->nWidth > 4096 || pBitmap->nHeight == 0 ||
        pBitmap->nHeight > 4096 || (nBits != 1 && nBits != 2 && nBits != 4))
        return false;
    if (nColors == 0)
        nColors = 1u << nBits;
    size_t cbPalette = cbHeader + 40;
    if (nColors > (1u << nBits) || ab.size() < cbPalette + 4 * nColors)
        return false;
    pBitmap->aPalette.clear();
    for (uint32_t i = 0; i < nColors; ++i)
        pBitmap->aPalette.push_back(Get32(ab, cbPalette + 4 * i) & 0xFFFFFF);
    if (cbPixels == 0)
        cbPixels = cbPalette + 4 * nColors;
    pBitmap->abIndexes.assign(size_t(pBitmap->nWidth * pBitmap->nHeight), 0);

    if (pBitmap->nCompression == 2)
        return nBits == 4 && nHeight > 0 && cbPixels + cbImage <= ab.size() &&
               UnpackRle4(ab, cbPixels, cbPixels + cbImage, pBitmap);
    if (pBitmap->nCompression != 0 ||
        ab.size() < cbPixels + RowSize(pBitmap->nWidth, nBits) * size_t(pBitmap->nHeight))
        return false;
    UnpackRows(ab, cbPixels, nHeight > 0, pBitmap);
    return true;
}

} // namespace

uint8_t IndexAt(const DecodedBitmap& bitmap, int x, int y)
{
    return bitmap.abIndexes[size_t(y * bitmap.nWidth + x)];
}

uint32_t ColorAt(const DecodedBitmap& bitmap, int x, int y)
{
    uint8_t bIndex = IndexAt(bitmap, x, y);
    return bIndex < bitmap.aPalette.size() ? bitmap.aPalette[bIndex] : 0xFFFFFFFF;
}

bool ReadFileBytes(const std::string& strPath, std::vector<uint8_t>* pab)
{
    FILE* pFile = fopen(strPath.c_str(), "rb");
    if (!pFile)
        return false;
    pab->clear();
    int ch;
    while ((ch = fgetc(pFile)) != EOF)
        pab->push_back(uint8_t(ch));
    fclose(pFile);
    return true;
}

bool DecodeBitmapFile(const std::vector<uint8_t>& ab, DecodedBitmap* pBitmap)
{
    if (ab.size() < 14 || ab[0] != 'B' || ab[1] != 'M' || Get32(ab, 2) != ab.size())
        return false;
    return DecodeDib(ab, 14, Get32(ab, 10), 1, pBitmap);
}

bool DecodeIconFile(const std::vector<uint8_t>& ab, DecodedBitmap* pImage, DecodedBitmap* pMask)
{
    if (ab.size() < 22 || Get16(ab, 0) != 0 || Get16(ab, 2) != 1 || Get16(ab, 4) < 1)
        return false;
    size_t cbImage = Get32(ab, 18);
    if (!DecodeDib(ab, cbImage, 0, 2, pImage))
        return false;
    size_t cbMask = cbImage + 40 + 4 * pImage->aPalette.size() +
                    RowSize(pImage->nWidth, pImage->nBitsPerPixel) * size_t(pImage->nHeight);
    if (ab.size() < cbMask + RowSize(pImage->nWidth, 1) * size_t(pImage->nHeight))
        return false;
    *pMask = DecodedBitmap{pImage->nWidth, pImage->nHeight, 1, 0, {0x000000, 0xFFFFFF}, {}};
    pMask->abIndexes.assign(size_t(pMask->nWidth * pMask->nHeight), 0);
    UnpackRows(ab, cbMask, true, pMask);
    return true;
}
