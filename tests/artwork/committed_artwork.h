#pragma once
// The committed artwork as the tests read it.

#include "tests/support/bitmap_reader.h"

#include <string>

const uint32_t RGB_BLACK = 0x000000;
const uint32_t RGB_DARK_GRAY = 0x808080;
const uint32_t RGB_LIGHT_GRAY = 0xC0C0C0;
const uint32_t RGB_WHITE = 0xFFFFFF;

inline std::string CommittedPath(const char* pszFileName)
{
    return std::string(VARDEKO_BITMAP_DIR) + "/" + pszFileName;
}

// The committed bitmap; an empty one (0 x 0) when it cannot be read.
inline DecodedBitmap LoadCommitted(const char* pszFileName)
{
    std::vector<uint8_t> ab;
    DecodedBitmap bitmap{};
    if (!ReadFileBytes(CommittedPath(pszFileName), &ab) || !DecodeBitmapFile(ab, &bitmap))
        return DecodedBitmap{};
    return bitmap;
}
