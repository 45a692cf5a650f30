#include "tests/artwork/committed_artwork.h"
#include "tools/artwork/artwork.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

namespace
{

class TemporaryDirectory
{
  public:
    TemporaryDirectory()
    {
        std::string strTemplate =
            (std::filesystem::temp_directory_path() / "vardeko-artwork-XXXXXX").string();
        m_strPath = mkdtemp(strTemplate.data()) ? strTemplate : std::string();
    }
    ~TemporaryDirectory()
    {
        if (!m_strPath.empty())
            std::filesystem::remove_all(m_strPath);
    }
    const std::string& Path() const { return m_strPath; }

  private:
    std::string m_strPath;
};

struct ExpectedFormat
{
    const char* pszFileName;
    int nWidth;
    int nHeight;
    int nBitsPerPixel;
};

const ExpectedFormat g_aExpectedFormats[] = {
    {"pad1.bmp", 238, 78, 2},       {"pad2.bmp", 238, 78, 2},        {"pad1_inv.bmp", 96, 54, 2},
    {"pad1_hyp.bmp", 96, 54, 2},    {"pad1_inv_hyp.bmp", 96, 54, 2}, {"pad_direct.bmp", 168, 21, 2},
    {"pad_disable.bmp", 32, 32, 2}, {"narrow.bmp", 16, 16, 2},       {"narrow_mask.bmp", 16, 16, 1},
    {"wide.bmp", 32, 16, 2},        {"wide_mask.bmp", 32, 16, 1},
};

} // namespace

TEST(ArtworkFiles, RegeneratedFilesEqualTheCommittedOnesByteForByte)
{
    TemporaryDirectory directory;
    ASSERT_FALSE(directory.Path().empty());
    std::string strError;
    ASSERT_TRUE(WriteArtwork(directory.Path(), &strError)) << strError;

    std::set<std::string> generated;
    for (int i = 0; i < ARTWORK_FILE_COUNT; ++i)
    {
        const char* pszName = g_aArtworkFiles[i].pszFileName;
        generated.insert(pszName);
        std::vector<uint8_t> abFresh, abCommitted;
        ASSERT_TRUE(ReadFileBytes(directory.Path() + "/" + pszName, &abFresh)) << pszName;
        ASSERT_TRUE(ReadFileBytes(CommittedPath(pszName), &abCommitted))
            << pszName << " is not committed; build the target artwork";
        EXPECT_TRUE(abFresh == abCommitted)
            << pszName << " differs from the generator's; build the target artwork";
    }
    // Nothing stale is left behind in the committed directory either.
    for (const auto& entry : std::filesystem::directory_iterator(VARDEKO_BITMAP_DIR))
        EXPECT_EQ(1u, generated.count(entry.path().filename().string()))
            << entry.path() << " is not made by the generator";
}

TEST(ArtworkFiles, AnUnwritableDirectoryIsReported)
{
    std::string strError;
    EXPECT_FALSE(WriteArtwork("/nonexistent/vardeko", &strError));
    EXPECT_NE(std::string::npos, strError.find("cannot be written"));
}

TEST(ArtworkFiles, BitmapsHaveTheirSizeDepthAndPalette)
{
    const std::vector<uint32_t> aGreys = {RGB_BLACK, RGB_DARK_GRAY, RGB_LIGHT_GRAY, RGB_WHITE};
    const std::vector<uint32_t> aMaskColors = {RGB_BLACK, RGB_WHITE};
    for (const ExpectedFormat& format : g_aExpectedFormats)
    {
        SCOPED_TRACE(format.pszFileName);
        DecodedBitmap bitmap = LoadCommitted(format.pszFileName);
        EXPECT_EQ(format.nWidth, bitmap.nWidth);
        EXPECT_EQ(format.nHeight, bitmap.nHeight);
        EXPECT_EQ(format.nBitsPerPixel, bitmap.nBitsPerPixel);
        EXPECT_EQ(0u, bitmap.nCompression);
        EXPECT_EQ(format.nBitsPerPixel == 2 ? aGreys : aMaskColors, bitmap.aPalette);
    }
}

TEST(ArtworkFiles, IconIsAFourBitCalculatorInFourGreys)
{
    std::vector<uint8_t> ab;
    DecodedBitmap image, mask;
    ASSERT_TRUE(ReadFileBytes(CommittedPath("vardeko.ico"), &ab));
    ASSERT_TRUE(DecodeIconFile(ab, &image, &mask));
    EXPECT_EQ(32, image.nWidth);
    EXPECT_EQ(32, image.nHeight);
    EXPECT_EQ(4, image.nBitsPerPixel);
    ASSERT_GE(image.aPalette.size(), 4u);
    EXPECT_EQ(RGB_DARK_GRAY, image.aPalette[1]);
    EXPECT_EQ(RGB_LIGHT_GRAY, image.aPalette[2]);
    EXPECT_EQ(RGB_WHITE, image.aPalette[3]);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
        {
            bool bTransparent = x < 3 || x > 28 || y == 31;
            EXPECT_EQ(bTransparent ? 1 : 0, IndexAt(mask, x, y)) << x << "," << y;
            EXPECT_LT(IndexAt(image, x, y), 4) << x << "," << y;
            if (bTransparent)
            {
                EXPECT_EQ(RGB_BLACK, ColorAt(image, x, y)) << x << "," << y;
            }
        }
}

TEST(ArtworkFiles, PanelButtonMasksLeaveTheCalculatorOpaque)
{
    DecodedBitmap narrow = LoadCommitted("narrow_mask.bmp");
    ASSERT_EQ(16, narrow.nWidth);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(x == 0 || x == 15 ? RGB_WHITE : RGB_BLACK, ColorAt(narrow, x, y));
    DecodedBitmap wide = LoadCommitted("wide_mask.bmp");
    ASSERT_EQ(32, wide.nWidth);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
            EXPECT_EQ(RGB_BLACK, ColorAt(wide, x, y));
}
