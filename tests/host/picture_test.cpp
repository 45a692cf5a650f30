// Pictures: nearest-neighbour enlargement and PNG files through the platform's encoder.

#include "host/picture.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace
{

std::vector<unsigned char> ReadFile(const std::string& sPath)
{
    std::ifstream file(sPath, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file),
                                      std::istreambuf_iterator<char>());
}

unsigned BigEndian(const std::vector<unsigned char>& a, size_t i)
{
    return (unsigned(a[i]) << 24) | (unsigned(a[i + 1]) << 16) | (unsigned(a[i + 2]) << 8) |
           a[i + 3];
}

std::string TempPath(const char* pszName)
{
    char szDir[MAX_PATH];
    GetTempPathA(MAX_PATH, szDir);
    return std::string(szDir) + pszName;
}

Picture TwoByTwo()
{
    Picture picture;
    picture.nWidth = 2;
    picture.nHeight = 2;
    picture.aPixels = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    return picture;
}

} // namespace

TEST(PictureTest, EnlargingRepeatsEachPixelAsABlock)
{
    Picture large = EnlargePicture(TwoByTwo(), 3);
    ASSERT_EQ(6, large.nWidth);
    ASSERT_EQ(6, large.nHeight);
    for (int y = 0; y < 6; ++y)
    {
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(TwoByTwo().aPixels[(y / 3) * 2 + x / 3], large.aPixels[y * 6 + x])
                << x << "," << y;
    }
}

TEST(PictureTest, PngHasTheSignatureAndTheSizeInItsHeader)
{
    std::string sPath = TempPath("vardeko-picture-test.png");
    Picture picture = EnlargePicture(TwoByTwo(), 5);
    picture.nWidth = 5; // an odd width: rows are padded for the encoder
    picture.nHeight = 20;
    ASSERT_EQ(S_OK, CoInitialize(nullptr));
    std::wstring sWide(sPath.begin(), sPath.end());
    EXPECT_EQ(S_OK, WritePng(picture, sWide.c_str()));
    CoUninitialize();
    std::vector<unsigned char> aBytes = ReadFile(sPath);
    remove(sPath.c_str());
    ASSERT_GE(aBytes.size(), 24u);
    const unsigned char abSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(abSignature, abSignature + 8, aBytes.begin()));
    EXPECT_EQ(0, memcmp(&aBytes[12], "IHDR", 4));
    EXPECT_EQ(5u, BigEndian(aBytes, 16));
    EXPECT_EQ(20u, BigEndian(aBytes, 20));
}

TEST(PictureTest, AFailedWriteLeavesNoFileAndSaysSo)
{
    ASSERT_EQ(S_OK, CoInitialize(nullptr));
    EXPECT_TRUE(FAILED(WritePng(TwoByTwo(), L"Z:\\no\\such\\folder\\picture.png")));
    std::string sPath = TempPath("vardeko-empty-picture.png");
    std::wstring sWide(sPath.begin(), sPath.end());
    EXPECT_EQ(E_INVALIDARG, WritePng(Picture(), sWide.c_str()));
    CoUninitialize();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(sPath.c_str()));
}

TEST(PictureTest, CaptureSeesWhatAWindowPainted)
{
    HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 10, 30,
                                20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hwnd);
    UpdateWindow(hwnd);
    HDC hdc = GetDC(hwnd);
    RECT rc = {0, 0, 30, 20};
    FillRect(hdc, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetPixel(hdc, 29, 19, RGB(0x12, 0x34, 0x56));
    ReleaseDC(hwnd, hdc);
    Picture picture = CapturePicture(hwnd, false);
    DestroyWindow(hwnd);
    ASSERT_EQ(30, picture.nWidth);
    ASSERT_EQ(20, picture.nHeight);
    EXPECT_EQ(0u, picture.aPixels[0]);
    EXPECT_EQ(0x123456u, picture.aPixels[20 * 30 - 1]);
}
