#pragma once
// Every file of the module's artwork, as the resource script names them.

#include <cstdint>
#include <string>
#include <vector>

struct ArtworkFile
{
    const char* pszFileName;
    // The file's bytes; false when the picture cannot be drawn.
    bool (*pfnEncode)(std::vector<uint8_t>* pabFile);
};

extern const ArtworkFile g_aArtworkFiles[];
extern const int ARTWORK_FILE_COUNT;

// Writes every file into the directory, which must exist. On failure returns false with the
// reason in *pstrError.
bool WriteArtwork(const std::string& strDirectory, std::string* pstrError);
