#include "engine/command_codes.h"
#include "pad_model/layout.h"
#include "tests/artwork/committed_artwork.h"

#include <gtest/gtest.h>

namespace
{

const int FUNCTION_FIRST = 20;
const int FUNCTION_LAST = 31;

struct Overlay
{
    const char* pszFileName;
    bool bInv;
    bool bHyp;
};

const Overlay g_aOverlays[] = {
    {"pad1_inv.bmp", true, false}, {"pad1_hyp.bmp", false, true}, {"pad1_inv_hyp.bmp", true, true}};

const char* PadFile(int nPad)
{
    return nPad == PAD_SCIENTIFIC ? "pad1.bmp" : "pad2.bmp";
}

bool HasWhiteFace(const KeyDef& key)
{
    return key.wKind == KEY_INPUT || key.wKind == KEY_MODE || key.wKind == KEY_PADSWITCH ||
           (key.wKind == KEY_COMMAND && (key.wCode == CMD_DEL || key.wCode == CMD_AC));
}

// Whether a key shows something else under the modifiers.
bool ChangesUnder(const KeyDef& key, bool bInv, bool bHyp)
{
    uint16_t wCode = bInv && bHyp ? key.wInvHypCode : bInv ? key.wInvCode : key.wHypCode;
    return wCode != 0 && wCode != key.wCode;
}

// Checks the raised style of the key whose rectangle is (l, t)-(r, b) in the bitmap: white along
// the top and left, dark gray along the bottom and right, a face of one colour with a black label
// centred on it.
void ExpectRaisedKey(const DecodedBitmap& bitmap, int l, int t, int r, int b, uint32_t rgbFace)
{
    for (int x = l; x < r; ++x)
    {
        EXPECT_EQ(x < r - 1 ? RGB_WHITE : RGB_DARK_GRAY, ColorAt(bitmap, x, t)) << x << "," << t;
        EXPECT_EQ(RGB_DARK_GRAY, ColorAt(bitmap, x, b - 1)) << x << "," << b - 1;
    }
    for (int y = t; y < b; ++y)
    {
        EXPECT_EQ(y < b - 1 ? RGB_WHITE : RGB_DARK_GRAY, ColorAt(bitmap, l, y)) << l << "," << y;
        EXPECT_EQ(RGB_DARK_GRAY, ColorAt(bitmap, r - 1, y)) << r - 1 << "," << y;
    }
    int nInkLeft = r, nInkRight = l, nInkTop = b, nInkBottom = t;
    for (int y = t + 1; y < b - 1; ++y)
        for (int x = l + 1; x < r - 1; ++x)
        {
            uint32_t rgb = ColorAt(bitmap, x, y);
            EXPECT_TRUE(rgb == rgbFace || rgb == RGB_BLACK) << x << "," << y;
            if (rgb != RGB_BLACK)
                continue;
            nInkLeft = std::min(nInkLeft, x);
            nInkRight = std::max(nInkRight, x + 1);
            nInkTop = std::min(nInkTop, y);
            nInkBottom = std::max(nInkBottom, y + 1);
        }
    ASSERT_LT(nInkLeft, nInkRight) << "no label on the key at " << l << "," << t;
    EXPECT_EQ(rgbFace, ColorAt(bitmap, l + 1, t + 1));
    // Centred: odd leftovers put the extra pixel on one side; descenders may shift a word.
    EXPECT_LE(std::abs((nInkLeft - l) - (r - nInkRight)), 1) << "key at " << l << "," << t;
    EXPECT_LE(std::abs((nInkTop - t) - (b - nInkBottom)), 3) << "key at " << l << "," << t;
    EXPECT_GE(nInkLeft, l + 2) << "label touches the edge of the key at " << l << "," << t;
    EXPECT_LE(nInkRight, r - 2) << "label touches the edge of the key at " << l << "," << t;
}

bool SameBlock(const DecodedBitmap& a, int xa, int ya, const DecodedBitmap& b, int xb, int yb,
               int nWidth, int nHeight)
{
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            if (ColorAt(a, xa + x, ya + y) != ColorAt(b, xb + x, yb + y))
                return false;
    return true;
}

} // namespace

TEST(PadArtwork, EveryKeyIsARaisedButtonWithACentredLabel)
{
    for (int nPad = 0; nPad < PAD_COUNT; ++nPad)
    {
        SCOPED_TRACE(PadFile(nPad));
        DecodedBitmap pad = LoadCommitted(PadFile(nPad));
        ASSERT_EQ(238, pad.nWidth);
        for (int i = 0; i < g_Layout.header.nKeyCount[nPad]; ++i)
        {
            SCOPED_TRACE(i);
            const KeyDef* pKey = KeyByIndex(nPad, i);
            KeyBounds k = KeyRectangle(i, pKey, 1);
            ExpectRaisedKey(pad, k.nLeft, k.nTop, k.nRight, k.nBottom,
                            HasWhiteFace(*pKey) ? RGB_WHITE : RGB_LIGHT_GRAY);
        }
    }
}

TEST(PadArtwork, DisplayIsASunkenFrameAroundExactlyTheDisplayRectangle)
{
    for (int nPad = 0; nPad < PAD_COUNT; ++nPad)
    {
        SCOPED_TRACE(PadFile(nPad));
        DecodedBitmap pad = LoadCommitted(PadFile(nPad));
        ASSERT_EQ(238, pad.nWidth);
        for (int y = 2; y <= 20; ++y)
            for (int x = 13; x <= 178; ++x)
            {
                bool bInside = x >= 14 && x < 178 && y >= 3 && y < 20;
                EXPECT_EQ(bInside, ColorAt(pad, x, y) == RGB_WHITE) << x << "," << y;
            }
        for (int y = 1; y <= 20; ++y)
            EXPECT_EQ(RGB_DARK_GRAY, ColorAt(pad, 12, y)) << y;
        for (int x = 12; x <= 178; ++x)
            EXPECT_EQ(RGB_DARK_GRAY, ColorAt(pad, x, 1)) << x;
    }
}

// Also the programmer pad's places of the scientific point and hyp keys, which it lacks.
TEST(PadArtwork, EverythingOutsideKeysAndDisplayIsBackground)
{
    for (int nPad = 0; nPad < PAD_COUNT; ++nPad)
    {
        SCOPED_TRACE(PadFile(nPad));
        DecodedBitmap pad = LoadCommitted(PadFile(nPad));
        ASSERT_EQ(78, pad.nHeight);
        for (int y = 0; y < pad.nHeight; ++y)
            for (int x = 0; x < pad.nWidth; ++x)
            {
                bool bCovered = x >= 12 && x < 180 && y >= 1 && y < 22;
                for (int i = 0; i < g_Layout.header.nKeyCount[nPad]; ++i)
                {
                    KeyBounds k = KeyRectangle(i, KeyByIndex(nPad, i), 1);
                    bCovered |= x >= k.nLeft && x < k.nRight && y >= k.nTop && y < k.nBottom;
                }
                if (!bCovered)
                {
                    EXPECT_EQ(RGB_LIGHT_GRAY, ColorAt(pad, x, y)) << x << "," << y;
                }
            }
    }
}

TEST(PadArtwork, OverlaysRepeatUnchangedKeysAndRelabelTheOthers)
{
    DecodedBitmap pad = LoadCommitted("pad1.bmp");
    ASSERT_EQ(238, pad.nWidth);
    const KeyDef* pFirst = KeyByIndex(PAD_SCIENTIFIC, FUNCTION_FIRST);
    const KeyDef* pLast = KeyByIndex(PAD_SCIENTIFIC, FUNCTION_LAST);
    const int xOrigin = g_Layout.header.nOverlayLeft, yOrigin = g_Layout.header.nOverlayTop;
    EXPECT_EQ(pFirst->nLeft, xOrigin);
    EXPECT_EQ(pFirst->nTop, yOrigin);

    DecodedBitmap aOverlays[3];
    for (int n = 0; n < 3; ++n)
    {
        const Overlay& overlay = g_aOverlays[n];
        SCOPED_TRACE(overlay.pszFileName);
        DecodedBitmap& bitmap = aOverlays[n];
        bitmap = LoadCommitted(overlay.pszFileName);
        ASSERT_EQ(pLast->nLeft + pLast->nWidth - xOrigin, bitmap.nWidth);
        ASSERT_EQ(pLast->nTop + pLast->nHeight - yOrigin, bitmap.nHeight);
        for (int i = FUNCTION_FIRST; i <= FUNCTION_LAST; ++i)
        {
            SCOPED_TRACE(i);
            const KeyDef* pKey = KeyByIndex(PAD_SCIENTIFIC, i);
            int l = pKey->nLeft - xOrigin, t = pKey->nTop - yOrigin;
            bool bSame =
                SameBlock(bitmap, l, t, pad, pKey->nLeft, pKey->nTop, pKey->nWidth, pKey->nHeight);
            EXPECT_EQ(!ChangesUnder(*pKey, overlay.bInv, overlay.bHyp), bSame);
            ExpectRaisedKey(bitmap, l, t, l + pKey->nWidth, t + pKey->nHeight, RGB_LIGHT_GRAY);
        }
    }
    // A key that changes in two states shows two different labels when its commands differ.
    for (int i = FUNCTION_FIRST; i <= FUNCTION_LAST; ++i)
    {
        const KeyDef* pKey = KeyByIndex(PAD_SCIENTIFIC, i);
        uint16_t awCodes[3] = {pKey->wInvCode, pKey->wHypCode, pKey->wInvHypCode};
        for (int a = 0; a < 3; ++a)
            for (int b = a + 1; b < 3; ++b)
            {
                if (!awCodes[a] || !awCodes[b])
                    continue;
                int l = pKey->nLeft - xOrigin, t = pKey->nTop - yOrigin;
                EXPECT_EQ(awCodes[a] == awCodes[b], SameBlock(aOverlays[a], l, t, aOverlays[b], l,
                                                              t, pKey->nWidth, pKey->nHeight))
                    << "key " << i << " in " << g_aOverlays[a].pszFileName << " and "
                    << g_aOverlays[b].pszFileName;
            }
    }
}

TEST(PadArtwork, DirectRowLinesUpWithItsKeysAndTheDisplayFrame)
{
    DecodedBitmap row = LoadCommitted("pad_direct.bmp");
    DecodedBitmap pad = LoadCommitted("pad1.bmp");
    ASSERT_EQ(168, row.nWidth);
    ASSERT_EQ(21, row.nHeight);
    ASSERT_EQ(238, pad.nWidth);
    const int xOrigin = g_Layout.header.nDirectLeft, yOrigin = g_Layout.header.nDirectTop;
    for (int j = 0; j < DIRECT_ROW_KEYS; ++j)
    {
        SCOPED_TRACE(j);
        const KeyDef& key = g_Layout.aDirectRow[j];
        ExpectRaisedKey(row, key.nLeft, key.nTop, key.nLeft + key.nWidth, key.nTop + key.nHeight,
                        RGB_LIGHT_GRAY);
        // Where the window puts the key, the row bitmap drawn at its origin puts the artwork.
        KeyBounds k = KeyRectangle(DIRECT_KEY_BASE + j, &key, 1);
        EXPECT_EQ(key.nLeft, k.nLeft - xOrigin);
        EXPECT_EQ(key.nTop, k.nTop - yOrigin);
    }
    // Around the keys the row continues the display's frame as the pad draws it.
    for (int y = 0; y < row.nHeight; ++y)
        for (int x = 0; x < row.nWidth; ++x)
        {
            bool bKey = false;
            for (const KeyDef& key : g_Layout.aDirectRow)
                bKey |= x >= key.nLeft && x < key.nLeft + key.nWidth && y >= key.nTop &&
                        y < key.nTop + key.nHeight;
            if (!bKey)
            {
                EXPECT_EQ(ColorAt(pad, x + xOrigin, y + yOrigin), ColorAt(row, x, y))
                    << x << "," << y;
            }
        }
}

TEST(PadArtwork, DisableStippleIsAllDarkGray)
{
    DecodedBitmap stipple = LoadCommitted("pad_disable.bmp");
    ASSERT_EQ(32, stipple.nWidth);
    ASSERT_EQ(32, stipple.nHeight);
    for (uint8_t bIndex : stipple.abIndexes)
        EXPECT_EQ(1, bIndex);
}
