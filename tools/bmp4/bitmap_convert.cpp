#include "tools/bmp4/bitmap_convert.h"

#include "tools/bitmap_bytes.h"

#include <cstdint>

namespace
{

const uint32_t FILE_HEADER_SIZE = 14;
const uint32_t INFO_HEADER_SIZE = 40;
const uint32_t BI_RGB = 0;
const uint32_t BI_RLE4 = 2;
const int32_t MAX_SIDE = 0x7FFF;

uint32_t Get16(const std::vector<uint8_t>& ab, size_t i)
{
    return uint32_t(ab[i]) | uint32_t(ab[i + 1]) << 8;
}

uint32_t Get32(const std::vector<uint8_t>& ab, size_t i)
{
    return Get16(ab, i) | Get16(ab, i + 2) << 16;
}

// Plain 4-bit rows, bottom row first as the source stores them.
std::vector<uint8_t> PackRows(const std::vector<std::vector<uint8_t>>& aRows)
{
    std::vector<uint8_t> ab;
    for (const std::vector<uint8_t>& row : aRows)
    {
        std::vector<uint8_t> abRow(RowSize(int32_t(row.size()), 4), 0);
        for (size_t x = 0; x < row.size(); ++x)
            abRow[x / 2] |= uint8_t(row[x] << (x % 2 ? 0 : 4));
        ab.insert(ab.end(), abRow.begin(), abRow.end());
    }
    return ab;
}

const size_t MAX_RLE_COUNT = 255;

// How a stretch of a row is written: as a run of up to two alternating colours (two bytes) or in
// absolute mode (three pixels at least, two bytes and the pixels, padded to whole 16-bit words).
struct RleStep
{
    size_t nCost = SIZE_MAX; // bytes from the start of the row to here
    size_t nStart = 0;       // where the last stretch began
    bool bAbsolute = false;
};

size_t AbsoluteCost(size_t nCount)
{
    size_t cb = 2 + (nCount + 1) / 2;
    return cb + cb % 2;
}

// The shortest encoding of one row: every way to cut it into stretches, by dynamic programming.
std::vector<RleStep> PlanRow(const std::vector<uint8_t>& row)
{
    std::vector<RleStep> aSteps(row.size() + 1);
    aSteps[0].nCost = 0;
    for (size_t i = 0; i < row.size(); ++i)
    {
        size_t nBase = aSteps[i].nCost;
        size_t nLongest = row.size() - i < MAX_RLE_COUNT ? row.size() - i : MAX_RLE_COUNT;
        for (size_t n = 1; n <= nLongest; ++n)
        {
            size_t j = i + n;
            if (n > 2 && row[j - 1] != row[j - 3])
                break; // no longer a run of alternating colours
            if (nBase + 2 < aSteps[j].nCost)
                aSteps[j] = {nBase + 2, i, false};
        }
        for (size_t n = 3; n <= nLongest; ++n)
        {
            size_t j = i + n;
            if (nBase + AbsoluteCost(n) < aSteps[j].nCost)
                aSteps[j] = {nBase + AbsoluteCost(n), i, true};
        }
    }
    return aSteps;
}

void EncodeStretch(const std::vector<uint8_t>& row, size_t i, size_t nCount, bool bAbsolute,
                   std::vector<uint8_t>& ab)
{
    if (!bAbsolute)
    {
        uint8_t bSecond = nCount > 1 ? row[i + 1] : row[i];
        ab.push_back(uint8_t(nCount));
        ab.push_back(uint8_t(row[i] << 4 | bSecond));
        return;
    }
    ab.push_back(0);
    ab.push_back(uint8_t(nCount));
    size_t cbPixels = (nCount + 1) / 2;
    for (size_t k = 0; k < cbPixels; ++k)
    {
        uint8_t bLow = 2 * k + 1 < nCount ? row[i + 2 * k + 1] : 0;
        ab.push_back(uint8_t(row[i + 2 * k] << 4 | bLow));
    }
    if (cbPixels % 2)
        ab.push_back(0);
}

// BI_RLE4, each row cut into its shortest stretches; an end-of-line code after each row and an
// end-of-bitmap code after the last.
std::vector<uint8_t> EncodeRle4(const std::vector<std::vector<uint8_t>>& aRows)
{
    std::vector<uint8_t> ab;
    for (size_t y = 0; y < aRows.size(); ++y)
    {
        const std::vector<uint8_t>& row = aRows[y];
        std::vector<RleStep> aSteps = PlanRow(row);
        std::vector<size_t> aCuts; // ends of the stretches, last first
        for (size_t j = row.size(); j > 0; j = aSteps[j].nStart)
            aCuts.push_back(j);
        for (size_t k = aCuts.size(); k > 0; --k)
        {
            size_t j = aCuts[k - 1];
            size_t i = aSteps[j].nStart;
            EncodeStretch(row, i, j - i, aSteps[j].bAbsolute, ab);
        }
        ab.push_back(0);
        ab.push_back(y + 1 < aRows.size() ? 0 : 1);
    }
    return ab;
}

bool Refuse(std::string* pstrError, const char* pszReason)
{
    *pstrError = pszReason;
    return false;
}

} // namespace

bool ConvertTo4Bit(const std::vector<uint8_t>& abSource, std::vector<uint8_t>* pabResult,
                   std::string* pstrError)
{
    if (abSource.size() < FILE_HEADER_SIZE + INFO_HEADER_SIZE || abSource[0] != 'B' ||
        abSource[1] != 'M')
        return Refuse(pstrError, "not a bitmap file");
    uint32_t cbOffset = Get32(abSource, 10);
    uint32_t cbInfo = Get32(abSource, 14);
    int32_t nWidth = int32_t(Get32(abSource, 18));
    int32_t nHeight = int32_t(Get32(abSource, 22));
    uint32_t nPlanes = Get16(abSource, 26);
    uint32_t nBitsPerPixel = Get16(abSource, 28);
    uint32_t nCompression = Get32(abSource, 30);
    uint32_t nColors = Get32(abSource, 46);
    if (cbInfo < INFO_HEADER_SIZE || nPlanes != 1 || nCompression != BI_RGB)
        return Refuse(pstrError, "not an uncompressed bitmap with a BITMAPINFOHEADER");
    if (nBitsPerPixel == 1)
    {
        *pabResult = abSource;
        return true;
    }
    if (nBitsPerPixel != 2)
        return Refuse(pstrError, "neither 2 nor 1 bits per pixel");
    if (nWidth <= 0 || nWidth > MAX_SIDE || nHeight == 0 || nHeight > MAX_SIDE ||
        nHeight < -MAX_SIDE)
        return Refuse(pstrError, "unusable width or height");
    if (nColors == 0)
        nColors = 4;
    if (nColors > 4)
        return Refuse(pstrError, "more palette entries than 2 bits can index");

    uint64_t cbPaletteEnd = uint64_t(FILE_HEADER_SIZE) + cbInfo + 4 * nColors;
    uint32_t nRows = uint32_t(nHeight < 0 ? -nHeight : nHeight);
    uint32_t cbSourceRow = RowSize(nWidth, 2);
    if (cbPaletteEnd > abSource.size() || cbOffset < cbPaletteEnd ||
        uint64_t(cbOffset) + uint64_t(cbSourceRow) * nRows > abSource.size())
        return Refuse(pstrError, "the palette or the pixels run past the end of the file");

    // Rows bottom first, whichever way the source stores them: RLE bitmaps are bottom-up.
    std::vector<std::vector<uint8_t>> aRows(nRows, std::vector<uint8_t>(size_t(nWidth)));
    for (uint32_t nStored = 0; nStored < nRows; ++nStored)
    {
        std::vector<uint8_t>& row = aRows[nHeight > 0 ? nStored : nRows - 1 - nStored];
        size_t cbRowStart = cbOffset + size_t(nStored) * cbSourceRow;
        for (int32_t x = 0; x < nWidth; ++x)
        {
            uint8_t bIndex = (abSource[cbRowStart + size_t(x) / 4] >> (6 - 2 * (x % 4))) & 3;
            if (bIndex >= nColors)
                return Refuse(pstrError, "a pixel indexes past the palette");
            row[size_t(x)] = bIndex;
        }
    }

    std::vector<uint8_t> abPlain = PackRows(aRows);
    std::vector<uint8_t> abRle = EncodeRle4(aRows);
    bool bRle = abRle.size() < abPlain.size();
    const std::vector<uint8_t>& abPixels = bRle ? abRle : abPlain;

    uint32_t cbNewOffset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + 4 * nColors;
    std::vector<uint8_t>& ab = *pabResult;
    ab.clear();
    ab.push_back('B');
    ab.push_back('M');
    Put32(ab, cbNewOffset + uint32_t(abPixels.size()));
    Put32(ab, 0);
    Put32(ab, cbNewOffset);
    Put32(ab, INFO_HEADER_SIZE);
    Put32(ab, uint32_t(nWidth));
    Put32(ab, nRows);
    Put16(ab, 1);
    Put16(ab, 4);
    Put32(ab, bRle ? BI_RLE4 : BI_RGB);
    Put32(ab, uint32_t(abPixels.size()));
    Put32(ab, Get32(abSource, 38)); // resolution, as the source gives it
    Put32(ab, Get32(abSource, 42));
    Put32(ab, nColors);
    Put32(ab, 0);
    ab.insert(ab.end(), abSource.begin() + FILE_HEADER_SIZE + cbInfo,
              abSource.begin() + long(cbPaletteEnd));
    ab.insert(ab.end(), abPixels.begin(), abPixels.end());
    return true;
}
