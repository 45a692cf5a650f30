#pragma once
// Reads bitmap and icon files back into colours, independently of the code that wrote them.

#include <cstdint>
#include <string>
#include <vector>

struct DecodedBitmap
{
    int nWidth;
    int nHeight;
    int nBitsPerPixel;
    uint32_t nCompression;          // 0 BI_RGB, 2 BI_RLE4
    std::vector<uint32_t> aPalette; // 0xRRGGBB
    std::vector<uint8_t> abIndexes; // palette index per pixel, top row first
};

// 0xRRGGBB of the pixel.
uint32_t ColorAt(const DecodedBitmap& bitmap, int x, int y);
uint8_t IndexAt(const DecodedBitmap& bitmap, int x, int y);

bool ReadFileBytes(const std::string& strPath, std::vector<uint8_t>* pab);

// A .bmp file of 1, 2 or 4 bits per pixel, plain or BI_RLE4.
bool DecodeBitmapFile(const std::vector<uint8_t>& ab, DecodedBitmap* pBitmap);

// The first image of a .ico file: its colour image, and its mask as a 1-bit image.
bool DecodeIconFile(const std::vector<uint8_t>& ab, DecodedBitmap* pImage, DecodedBitmap* pMask);
