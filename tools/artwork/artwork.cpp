#include "tools/artwork/artwork.h"

#include "pad_model/layout.h"
#include "tools/artwork/bitmap_file.h"
#include "tools/artwork/icon_art.h"
#include "tools/artwork/pad_art.h"

#include <cstdio>

namespace
{

bool EncodePad(int nPadType, std::vector<uint8_t>* pabFile)
{
    Canvas pad;
    if (!DrawPad(nPadType, false, false, &pad))
        return false;
    *pabFile = EncodeBitmap(pad, 2);
    return true;
}

bool EncodeOverlay(bool bInv, bool bHyp, std::vector<uint8_t>* pabFile)
{
    Canvas overlay;
    if (!DrawFunctionOverlay(bInv, bHyp, &overlay))
        return false;
    *pabFile = EncodeBitmap(overlay, 2);
    return true;
}

bool EncodeCanvas(const Canvas& canvas, int nBitsPerPixel, std::vector<uint8_t>* pabFile)
{
    *pabFile = EncodeBitmap(canvas, nBitsPerPixel);
    return true;
}

bool EncodeDirectRow(std::vector<uint8_t>* pabFile)
{
    Canvas row;
    if (!DrawDirectRow(&row))
        return false;
    return EncodeCanvas(row, 2, pabFile);
}

} // namespace

const ArtworkFile g_aArtworkFiles[] = {
    {"pad1.bmp", [](std::vector<uint8_t>* p) { return EncodePad(PAD_SCIENTIFIC, p); }},
    {"pad2.bmp", [](std::vector<uint8_t>* p) { return EncodePad(PAD_PROGRAMMER, p); }},
    {"pad1_inv.bmp", [](std::vector<uint8_t>* p) { return EncodeOverlay(true, false, p); }},
    {"pad1_hyp.bmp", [](std::vector<uint8_t>* p) { return EncodeOverlay(false, true, p); }},
    {"pad1_inv_hyp.bmp", [](std::vector<uint8_t>* p) { return EncodeOverlay(true, true, p); }},
    {"pad_direct.bmp", EncodeDirectRow},
    {"pad_disable.bmp",
     [](std::vector<uint8_t>* p) { return EncodeCanvas(DrawDisableStipple(), 2, p); }},
    {"narrow.bmp", [](std::vector<uint8_t>* p) { return EncodeCanvas(DrawNarrowButton(), 2, p); }},
    {"narrow_mask.bmp",
     [](std::vector<uint8_t>* p) { return EncodeCanvas(DrawNarrowButtonMask(), 1, p); }},
    {"wide.bmp", [](std::vector<uint8_t>* p) { return EncodeCanvas(DrawWideButton(), 2, p); }},
    {"wide_mask.bmp",
     [](std::vector<uint8_t>* p) { return EncodeCanvas(DrawWideButtonMask(), 1, p); }},
    {"vardeko.ico",
     [](std::vector<uint8_t>* p) {
         *p = EncodeIcon(DrawIcon(), DrawIconMask());
         return true;
     }},
};

const int ARTWORK_FILE_COUNT = int(sizeof(g_aArtworkFiles) / sizeof(g_aArtworkFiles[0]));

bool WriteArtwork(const std::string& strDirectory, std::string* pstrError)
{
    for (const ArtworkFile& file : g_aArtworkFiles)
    {
        std::vector<uint8_t> abFile;
        if (!file.pfnEncode(&abFile))
        {
            *pstrError =
                std::string(file.pszFileName) + ": a label has a character without a glyph";
            return false;
        }
        std::string strPath = strDirectory + "/" + file.pszFileName;
        FILE* pFile = fopen(strPath.c_str(), "wb");
        bool bWritten = pFile && fwrite(abFile.data(), 1, abFile.size(), pFile) == abFile.size();
        if (pFile && fclose(pFile) != 0)
            bWritten = false;
        if (!bWritten)
        {
            *pstrError = strPath + ": cannot be written";
            return false;
        }
    }
    return true;
}
