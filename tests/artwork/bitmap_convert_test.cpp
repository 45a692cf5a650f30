#include "tests/artwork/committed_artwork.h"
#include "tools/artwork/bitmap_file.h"
#include "tools/bmp4/bitmap_convert.h"

#include <gtest/gtest.h>

#include <random>

namespace
{

const char* const g_apszTwoBitFiles[] = {"pad1.bmp",        "pad2.bmp",         "pad1_inv.bmp",
                                         "pad1_hyp.bmp",    "pad1_inv_hyp.bmp", "pad_direct.bmp",
                                         "pad_disable.bmp", "narrow.bmp",       "wide.bmp"};

void ExpectSamePixels(const std::vector<uint8_t>& abSource, const std::vector<uint8_t>& abWide)
{
    DecodedBitmap source, wide;
    ASSERT_TRUE(DecodeBitmapFile(abSource, &source));
    ASSERT_TRUE(DecodeBitmapFile(abWide, &wide));
    EXPECT_EQ(4, wide.nBitsPerPixel);
    ASSERT_EQ(source.nWidth, wide.nWidth);
    ASSERT_EQ(source.nHeight, wide.nHeight);
    EXPECT_EQ(source.aPalette, wide.aPalette);
    for (int y = 0; y < source.nHeight; ++y)
        for (int x = 0; x < source.nWidth; ++x)
            ASSERT_EQ(ColorAt(source, x, y), ColorAt(wide, x, y)) << x << "," << y;
}

std::vector<uint8_t> Convert(const std::vector<uint8_t>& abSource)
{
    std::vector<uint8_t> abResult;
    std::string strError;
    EXPECT_TRUE(ConvertTo4Bit(abSource, &abResult, &strError)) << strError;
    return abResult;
}

uint32_t Compression(const std::vector<uint8_t>& ab)
{
    return ab[30] | ab[31] << 8;
}

void Set32(std::vector<uint8_t>& ab, size_t i, uint32_t n)
{
    for (int k = 0; k < 4; ++k)
        ab[i + size_t(k)] = uint8_t(n >> (8 * k));
}

std::vector<uint8_t> CommittedBytes(const char* pszFileName)
{
    std::vector<uint8_t> ab;
    EXPECT_TRUE(ReadFileBytes(CommittedPath(pszFileName), &ab)) << pszFileName;
    return ab;
}

} // namespace

TEST(BitmapConvert, EveryPixelOfTheCommittedArtworkKeepsItsColour)
{
    for (const char* pszFileName : g_apszTwoBitFiles)
    {
        SCOPED_TRACE(pszFileName);
        std::vector<uint8_t> abSource = CommittedBytes(pszFileName);
        ExpectSamePixels(abSource, Convert(abSource));
    }
}

TEST(BitmapConvert, OneBitMasksAreCopiedUnchanged)
{
    for (const char* pszFileName : {"narrow_mask.bmp", "wide_mask.bmp"})
    {
        std::vector<uint8_t> abSource = CommittedBytes(pszFileName);
        EXPECT_TRUE(Convert(abSource) == abSource) << pszFileName;
    }
}

TEST(BitmapConvert, PicksTheSmallerOfRle4AndPlainRows)
{
    std::vector<uint8_t> abPad = Convert(CommittedBytes("pad1.bmp"));
    EXPECT_EQ(2u, Compression(abPad));
    EXPECT_LT(abPad.size(), 238u / 2 * 78);

    // Noise does not compress: plain rows it is.
    Canvas noise = CreateCanvas(64, 8, SHADE_BLACK);
    std::mt19937 random(7);
    for (uint8_t& bPixel : noise.abPixels)
        bPixel = uint8_t(random() % 4);
    std::vector<uint8_t> abSource = EncodeBitmap(noise, 2);
    std::vector<uint8_t> abNoise = Convert(abSource);
    EXPECT_EQ(0u, Compression(abNoise));
    ExpectSamePixels(abSource, abNoise);
}

TEST(BitmapConvert, RowsOfEveryShapeSurviveTheEncoding)
{
    std::mt19937 random(11);
    for (int nWidth : {1, 2, 3, 4, 5, 7, 254, 255, 256, 257, 511, 600})
    {
        SCOPED_TRACE(nWidth);
        Canvas canvas = CreateCanvas(nWidth, 7, SHADE_BLACK);
        for (int x = 0; x < nWidth; ++x)
        {
            PutPixel(canvas, x, 0, uint8_t(random() % 4));          // no runs at all
            PutPixel(canvas, x, 1, SHADE_WHITE);                    // one long run
            PutPixel(canvas, x, 2, uint8_t(x / 2 % 4));             // runs of two
            PutPixel(canvas, x, 3, uint8_t(x % 7 < 3 ? 1 : x % 3)); // runs of three among noise
            PutPixel(canvas, x, 4, uint8_t(x % 300 < 280 ? 2 : random() % 4));
            PutPixel(canvas, x, 5, uint8_t(random() % 8 == 0 ? 3 : 0));
            PutPixel(canvas, x, 6, uint8_t(x % 2 ? 1 : 3)); // two colours taking turns
        }
        std::vector<uint8_t> abSource = EncodeBitmap(canvas, 2);
        ExpectSamePixels(abSource, Convert(abSource));
    }
}

TEST(BitmapConvert, TopDownSourcesComeOutBottomUp)
{
    std::vector<uint8_t> abBottomUp = CommittedBytes("pad_direct.bmp");
    DecodedBitmap bitmap;
    ASSERT_TRUE(DecodeBitmapFile(abBottomUp, &bitmap));
    // Reverse the stored rows and negate the height.
    std::vector<uint8_t> abTopDown = abBottomUp;
    size_t cbOffset = abBottomUp[10] | abBottomUp[11] << 8;
    size_t cbRow = size_t((bitmap.nWidth * 2 + 31) / 32 * 4);
    for (int y = 0; y < bitmap.nHeight; ++y)
        std::copy_n(abBottomUp.begin() + long(cbOffset + cbRow * size_t(bitmap.nHeight - 1 - y)),
                    cbRow, abTopDown.begin() + long(cbOffset + cbRow * size_t(y)));
    Set32(abTopDown, 22, uint32_t(-bitmap.nHeight));
    std::vector<uint8_t> abResult = Convert(abTopDown);
    ExpectSamePixels(abBottomUp, abResult);
    EXPECT_EQ(uint32_t(bitmap.nHeight), uint32_t(abResult[22] | abResult[23] << 8));
}

TEST(BitmapConvert, RefusesDamagedAndForeignFiles)
{
    const std::vector<uint8_t> abGood = CommittedBytes("pad_disable.bmp");
    struct Damage
    {
        const char* pszWhat;
        void (*pfnApply)(std::vector<uint8_t>& ab);
    };
    const Damage aDamages[] = {
        {"empty", [](std::vector<uint8_t>& ab) { ab.clear(); }},
        {"cut in the header", [](std::vector<uint8_t>& ab) { ab.resize(40); }},
        {"cut in the pixels", [](std::vector<uint8_t>& ab) { ab.resize(ab.size() - 1); }},
        {"no signature", [](std::vector<uint8_t>& ab) { ab[0] = 'X'; }},
        {"8 bits per pixel", [](std::vector<uint8_t>& ab) { ab[28] = 8; }},
        {"compressed", [](std::vector<uint8_t>& ab) { Set32(ab, 30, 1); }},
        {"two planes", [](std::vector<uint8_t>& ab) { ab[26] = 2; }},
        {"no width", [](std::vector<uint8_t>& ab) { Set32(ab, 18, 0); }},
        {"no height", [](std::vector<uint8_t>& ab) { Set32(ab, 22, 0); }},
        {"huge",
         [](std::vector<uint8_t>& ab) {
             Set32(ab, 18, 0x7FFF);
             Set32(ab, 22, 0x7FFF);
         }},
        {"negative width", [](std::vector<uint8_t>& ab) { Set32(ab, 18, 0xFFFFFFF0); }},
        {"five colours", [](std::vector<uint8_t>& ab) { Set32(ab, 46, 5); }},
        {"pixels past the end", [](std::vector<uint8_t>& ab) { Set32(ab, 10, 0xFFFFFFF0); }},
        {"pixels inside the palette", [](std::vector<uint8_t>& ab) { Set32(ab, 10, 60); }},
        {"header past the end", [](std::vector<uint8_t>& ab) { Set32(ab, 14, 0x7FFFFFFF); }},
        // Every pixel is index 1, which a one-entry palette lacks.
        {"index past the palette", [](std::vector<uint8_t>& ab) { Set32(ab, 46, 1); }},
    };
    for (const Damage& damage : aDamages)
    {
        std::vector<uint8_t> abSource = abGood;
        damage.pfnApply(abSource);
        std::vector<uint8_t> abResult;
        std::string strError;
        EXPECT_FALSE(ConvertTo4Bit(abSource, &abResult, &strError)) << damage.pszWhat;
        EXPECT_FALSE(strError.empty()) << damage.pszWhat;
    }
}
