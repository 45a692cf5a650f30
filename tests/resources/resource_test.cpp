#include "resources/resource.h"
#include "tests/support/bitmap_reader.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace
{

struct NamedBitmap
{
    const wchar_t* pszName;
    const char* pszFileName;
};

const NamedBitmap g_aBitmaps[] = {
    {L"PAD1", "pad1.bmp"},
    {L"PAD2", "pad2.bmp"},
    {L"PAD1_INV", "pad1_inv.bmp"},
    {L"PAD1_HYP", "pad1_hyp.bmp"},
    {L"PAD1_INV_HYP", "pad1_inv_hyp.bmp"},
    {L"PAD_DIRECT", "pad_direct.bmp"},
    {L"PAD_DISABLE", "pad_disable.bmp"},
    {L"NarrowBmp", "narrow.bmp"},
    {L"NarrowMask", "narrow_mask.bmp"},
    {L"WideBmp", "wide.bmp"},
    {L"WideMask", "wide_mask.bmp"},
};

std::vector<uint8_t> CommittedBytes(const char* pszFileName)
{
    std::vector<uint8_t> ab;
    EXPECT_TRUE(ReadFileBytes(std::string(VARDEKO_BITMAP_DIR) + "/" + pszFileName, &ab))
        << pszFileName;
    return ab;
}

// The bitmap's pixels as 0xRRGGBB, top row first, as GDI gives them at 32 bits per pixel.
std::vector<uint32_t> ReadPixels(HBITMAP hbm, int* pnWidth, int* pnHeight)
{
    BITMAP bm = {};
    GetObjectW(hbm, sizeof(bm), &bm);
    *pnWidth = bm.bmWidth;
    *pnHeight = bm.bmHeight;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = bm.bmWidth;
    bmi.bmiHeader.biHeight = -bm.bmHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> aPixels(size_t(bm.bmWidth) * size_t(bm.bmHeight));
    HDC hdc = GetDC(nullptr);
    int nLines = GetDIBits(hdc, hbm, 0, UINT(bm.bmHeight), aPixels.data(), &bmi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, hdc);
    if (nLines != bm.bmHeight)
        aPixels.clear();
    for (uint32_t& rgb : aPixels)
        rgb &= 0xFFFFFF;
    return aPixels;
}

void ExpectPixels(const DecodedBitmap& expected, HBITMAP hbm)
{
    int nWidth = 0, nHeight = 0;
    std::vector<uint32_t> aPixels = ReadPixels(hbm, &nWidth, &nHeight);
    ASSERT_EQ(expected.nWidth, nWidth);
    ASSERT_EQ(expected.nHeight, nHeight);
    ASSERT_EQ(size_t(nWidth) * size_t(nHeight), aPixels.size());
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            ASSERT_EQ(ColorAt(expected, x, y), aPixels[size_t(y * nWidth + x)]) << x << "," << y;
}

} // namespace

TEST(Resources, EveryBitmapLoadsByNameWithTheCommittedPixels)
{
    for (const NamedBitmap& named : g_aBitmaps)
    {
        SCOPED_TRACE(named.pszFileName);
        DecodedBitmap committed;
        ASSERT_TRUE(DecodeBitmapFile(CommittedBytes(named.pszFileName), &committed));
        HBITMAP hbm = LoadBitmapW(GetModuleHandleW(nullptr), named.pszName);
        ASSERT_NE(nullptr, hbm);
        ExpectPixels(committed, hbm);
        DeleteObject(hbm);
    }
}

TEST(Resources, IconOneLoadsWithTheCommittedImageAndMask)
{
    DecodedBitmap image, mask;
    ASSERT_TRUE(DecodeIconFile(CommittedBytes("vardeko.ico"), &image, &mask));
    HICON hIcon = HICON(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VARDEKO),
                                   IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(nullptr, hIcon);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hIcon, &info));
    EXPECT_TRUE(info.fIcon);
    ExpectPixels(image, info.hbmColor);
    ExpectPixels(mask, info.hbmMask);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(hIcon);
}
