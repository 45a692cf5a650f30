// vardeko-bmp4 SOURCE TARGET: writes the 2-bit bitmap SOURCE as a 4-bit bitmap TARGET (a 1-bit
// bitmap as it is), for platforms that refuse 2-bit bitmaps.

#include "tools/bmp4/bitmap_convert.h"

#include <cstdio>

static bool ReadFile(const char* pszPath, std::vector<uint8_t>* pab)
{
    FILE* pFile = fopen(pszPath, "rb");
    if (!pFile)
        return false;
    uint8_t abBuffer[4096];
    size_t cb;
    while ((cb = fread(abBuffer, 1, sizeof(abBuffer), pFile)) > 0)
        pab->insert(pab->end(), abBuffer, abBuffer + cb);
    bool bRead = !ferror(pFile);
    fclose(pFile);
    return bRead;
}

static bool WriteFile(const char* pszPath, const std::vector<uint8_t>& ab)
{
    FILE* pFile = fopen(pszPath, "wb");
    if (!pFile)
        return false;
    bool bWritten = fwrite(ab.data(), 1, ab.size(), pFile) == ab.size();
    return fclose(pFile) == 0 && bWritten;
}

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        fprintf(stderr, "usage: vardeko-bmp4 SOURCE TARGET\n");
        return 2;
    }
    std::vector<uint8_t> abSource, abResult;
    std::string strError;
    if (!ReadFile(argv[1], &abSource))
    {
        fprintf(stderr, "vardeko-bmp4: %s: cannot be read\n", argv[1]);
        return 1;
    }
    if (!ConvertTo4Bit(abSource, &abResult, &strError))
    {
        fprintf(stderr, "vardeko-bmp4: %s: %s\n", argv[1], strError.c_str());
        return 1;
    }
    if (!WriteFile(argv[2], abResult))
    {
        fprintf(stderr, "vardeko-bmp4: %s: cannot be written\n", argv[2]);
        remove(argv[2]);
        return 1;
    }
    return 0;
}
