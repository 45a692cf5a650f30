#pragma once
// Widens the artwork's 2-bit bitmaps to 4 bits per pixel, which desktop Windows and Wine accept.

#include <cstdint>
#include <string>
#include <vector>

// A 2-bit BI_RGB bitmap file becomes a bottom-up 4-bit one with the same palette entries and the
// same pixels, BI_RLE4-compressed when that is smaller than plain rows. A 1-bit bitmap is copied
// unchanged. Any other input, or one whose data does not fit the file, is refused: false, with the
// reason in *pstrError.
bool ConvertTo4Bit(const std::vector<uint8_t>& abSource, std::vector<uint8_t>* pabResult,
                   std::string* pstrError);
