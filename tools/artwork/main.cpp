// vardeko-artwork DIRECTORY: draws the keypad bitmaps, the panel button bitmaps and the icon into
// DIRECTORY.

#include "tools/artwork/artwork.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        fprintf(stderr, "usage: vardeko-artwork DIRECTORY\n");
        return 2;
    }
    std::string strError;
    if (!WriteArtwork(argv[1], &strError))
    {
        fprintf(stderr, "vardeko-artwork: %s\n", strError.c_str());
        return 1;
    }
    return 0;
}
