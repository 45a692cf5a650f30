#pragma once
// The little-endian fields and padded rows of BMP files, shared by the tools that write them.

#include <cstdint>
#include <vector>

inline void Put16(std::vector<uint8_t>& ab, uint32_t n)
{
    ab.push_back(uint8_t(n));
    ab.push_back(uint8_t(n >> 8));
}

inline void Put32(std::vector<uint8_t>& ab, uint32_t n)
{
    Put16(ab, n & 0xFFFF);
    Put16(ab, n >> 16);
}

// Rows of a device-independent bitmap are padded to whole 32-bit words.
inline uint32_t RowSize(int32_t nWidth, uint32_t nBitsPerPixel)
{
    return (uint32_t(nWidth) * nBitsPerPixel + 31) / 32 * 4;
}
