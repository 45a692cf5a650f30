#include "engine/command_codes.h"
#include "pad_model/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace
{

bool Overlap(const KeyBounds& a, const KeyBounds& b)
{
    return a.nLeft < b.nRight && b.nLeft < a.nRight && a.nTop < b.nBottom && b.nTop < a.nBottom;
}

int CountKind(int nPad, uint16_t wKind)
{
    int n = 0;
    for (int i = 0; i < g_Layout.header.nKeyCount[nPad]; ++i)
        n += KeyByIndex(nPad, i)->wKind == wKind;
    return n;
}

} // namespace

TEST(Layout, KeysZeroToElevenAreSharedAndTheToggleIsLast)
{
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(
            0, memcmp(KeyByIndex(PAD_SCIENTIFIC, i), KeyByIndex(PAD_PROGRAMMER, i), sizeof(KeyDef)))
            << i;
    for (int nPad = 0; nPad < PAD_COUNT; ++nPad)
    {
        int nLast = g_Layout.header.nKeyCount[nPad] - 1;
        EXPECT_EQ(KEY_DIRECT, KeyByIndex(nPad, nLast)->wKind);
        EXPECT_EQ(1, CountKind(nPad, KEY_DIRECT));
        EXPECT_EQ(1, CountKind(nPad, KEY_PADSWITCH));
        EXPECT_EQ(1, CountKind(nPad, KEY_INPUT));
        EXPECT_EQ(nullptr, KeyByIndex(nPad, nLast + 1)); // empty slots are never keys
        for (int i = nLast + 1; i < PAD_SLOTS; ++i)
            EXPECT_EQ(0,
                      g_Layout.aPads[nPad].aKeys[i].wKind + g_Layout.aPads[nPad].aKeys[i].nWidth);
    }
}

TEST(Layout, KeysLieInsideThePadAndNeverOverlap)
{
    for (int nPad = 0; nPad < PAD_COUNT; ++nPad)
    {
        int nCount = g_Layout.header.nKeyCount[nPad];
        for (int i = 0; i < nCount; ++i)
        {
            KeyBounds a = KeyRectangle(i, KeyByIndex(nPad, i), 1);
            EXPECT_GE(a.nLeft, 0);
            EXPECT_GE(a.nTop, 0);
            EXPECT_LE(a.nRight, 238);
            EXPECT_LE(a.nBottom, 78);
            for (int j = i + 1; j < nCount; ++j)
                EXPECT_FALSE(Overlap(a, KeyRectangle(j, KeyByIndex(nPad, j), 1)))
                    << "pad " << nPad << " keys " << i << " and " << j;
        }
    }
}

TEST(Layout, DirectRowSitsOnTheDisplayAtItsOrigin)
{
    const int aVirtualKeys[DIRECT_ROW_KEYS] = {27, 9, 33, 34, 38, 40, 37, 39, 13, 46, 8};
    for (int j = 0; j < DIRECT_ROW_KEYS; ++j)
    {
        const KeyDef* pKey = KeyByIndex(PAD_SCIENTIFIC, DIRECT_KEY_BASE + j);
        ASSERT_NE(nullptr, pKey);
        EXPECT_EQ(KEY_VKEY, pKey->wKind);
        EXPECT_EQ(aVirtualKeys[j], pKey->wCode);
        KeyBounds bounds = KeyRectangle(DIRECT_KEY_BASE + j, pKey, 1);
        EXPECT_EQ(13 + 15 * j, bounds.nLeft);
        EXPECT_EQ(3, bounds.nTop);
        EXPECT_EQ(20, bounds.nBottom);
    }
    EXPECT_EQ(nullptr, KeyByIndex(PAD_SCIENTIFIC, DIRECT_KEY_BASE + DIRECT_ROW_KEYS));
    // Only the keys that type something go out as characters.
    const uint16_t aTyping[] = {VKEY_ESCAPE, VKEY_TAB, VKEY_RETURN, VKEY_BACK};
    for (int j = 0; j < DIRECT_ROW_KEYS; ++j)
    {
        uint16_t wVirtualKey = g_Layout.aDirectRow[j].wCode;
        bool bTypes =
            std::find(std::begin(aTyping), std::end(aTyping), wVirtualKey) != std::end(aTyping);
        EXPECT_EQ(bTypes ? wVirtualKey : 0, g_Layout.aDirectRow[j].wChar) << wVirtualKey;
    }
}

// A panel N times 240 x 80 holds a pad window, with its border, of N times 240 x 80 less 2: the
// pad at N fits, N + 1 does not. Other sizes take the largest scale whose whole pad fits.
TEST(Layout, ThePadScaleIsTheLargestWholePadThatFits)
{
    for (int n = 1; n <= MAX_PAD_SCALE; ++n)
    {
        EXPECT_EQ(n, PadScale(240 * n - 2, 80 * n - 2));
        EXPECT_EQ(n, PadScale(238 * n, 78 * n));
        EXPECT_EQ(n > 1 ? n - 1 : 1, PadScale(238 * n - 1, 78 * n));
        EXPECT_EQ(n > 1 ? n - 1 : 1, PadScale(238 * n, 78 * n - 1));
    }
    EXPECT_EQ(2, PadScale(1000, 200)); // the height decides
    EXPECT_EQ(MAX_PAD_SCALE, PadScale(4000, 4000));
    EXPECT_EQ(1, PadScale(0, 0)); // smaller than the pad: scale 1, cut off
}

TEST(Layout, KeyRectanglesGrowWithTheScaleFromTheOrigin)
{
    const KeyDef* pAc = KeyByIndex(PAD_SCIENTIFIC, FindCodeKey(PAD_SCIENTIFIC, CMD_AC));
    KeyBounds ac = KeyRectangle(0, pAc, 3);
    EXPECT_EQ(pAc->nLeft * 3, ac.nLeft);
    EXPECT_EQ(pAc->nTop * 3, ac.nTop);
    EXPECT_EQ((pAc->nLeft + pAc->nWidth) * 3, ac.nRight);
    EXPECT_EQ((pAc->nTop + pAc->nHeight) * 3, ac.nBottom);
    // A direct row key is moved to the row's origin before it is enlarged.
    KeyBounds tab = KeyRectangle(FindDirectRowKey(VKEY_TAB), &g_Layout.aDirectRow[1], 2);
    EXPECT_EQ(2 * 28, tab.nLeft);
    EXPECT_EQ(2 * 3, tab.nTop);
    EXPECT_EQ(2 * 43, tab.nRight);
    EXPECT_EQ(2 * 20, tab.nBottom);
}

TEST(Layout, RadixKeysFormTheStripOfTheProgrammerPad)
{
    const uint16_t aCodes[RADIX_COUNT] = {CMD_DEC, CMD_HEX, CMD_OCT, CMD_BIN};
    for (int r = 0; r < RADIX_COUNT; ++r)
        EXPECT_EQ(aCodes[r], KeyByIndex(PAD_PROGRAMMER, g_Layout.header.nRadixKey[r])->wCode);
    const KeyDef* pFirst = KeyByIndex(PAD_PROGRAMMER, RADIX_STRIP_FIRST_KEY);
    const KeyDef* pLast = KeyByIndex(PAD_PROGRAMMER, RADIX_STRIP_LAST_KEY);
    EXPECT_EQ(1, pFirst->nLeft);
    EXPECT_EQ(23, pFirst->nTop);
    EXPECT_EQ(80, pLast->nLeft + pLast->nWidth - pFirst->nLeft);
    EXPECT_EQ(15, pLast->nTop + pLast->nHeight - pFirst->nTop);
}

TEST(Layout, ModifierCodesFollowTheOverlayLabels)
{
    const KeyDef* pLog = KeyByIndex(PAD_SCIENTIFIC, FindCodeKey(PAD_SCIENTIFIC, CMD_LOG));
    const KeyDef* pLn = KeyByIndex(PAD_SCIENTIFIC, FindCodeKey(PAD_SCIENTIFIC, CMD_LN));
    const KeyDef* pTan = KeyByIndex(PAD_SCIENTIFIC, FindCodeKey(PAD_SCIENTIFIC, CMD_TAN));
    EXPECT_EQ(CMD_POW10, pLog->wInvCode);
    EXPECT_EQ(0, pLog->wHypCode);
    EXPECT_EQ(CMD_POW10, pLog->wInvHypCode);
    EXPECT_EQ(CMD_EXPE, pLn->wInvHypCode);
    EXPECT_EQ(CMD_ATANH, pTan->wInvHypCode);
    for (int i = 0; i < g_Layout.header.nKeyCount[PAD_PROGRAMMER]; ++i)
    {
        const KeyDef* pKey = KeyByIndex(PAD_PROGRAMMER, i);
        EXPECT_EQ(0, pKey->wInvCode | pKey->wHypCode | pKey->wInvHypCode) << i;
    }
}

TEST(Layout, ActiveInDirectModeMeansTheToggleOrAKeyThatTypes)
{
    int nActive = 0;
    for (int i = 0; i < g_Layout.header.nKeyCount[PAD_SCIENTIFIC]; ++i)
        nActive += IsActiveInDirectMode(KeyByIndex(PAD_SCIENTIFIC, i));
    EXPECT_EQ(11 + 5 + 1, nActive); // digits and point, five operators, the toggle
    EXPECT_TRUE(IsActiveInDirectMode(KeyByIndex(PAD_PROGRAMMER, FindCharKey(PAD_PROGRAMMER, 'A'))));
    EXPECT_FALSE(
        IsActiveInDirectMode(KeyByIndex(PAD_PROGRAMMER, FindCodeKey(PAD_PROGRAMMER, CMD_DEC))));
}

// Keys are found by what they do, on the pad that has them, and only there.
TEST(Layout, KeysAreFoundByCharacterCodeAndVirtualKey)
{
    EXPECT_EQ(KEY_CHAR, KeyByIndex(PAD_PROGRAMMER, FindCharKey(PAD_PROGRAMMER, 'F'))->wKind);
    EXPECT_EQ(NO_KEY, FindCharKey(PAD_SCIENTIFIC, 'F'));
    EXPECT_EQ(NO_KEY, FindCharKey(PAD_PROGRAMMER, '.'));
    // The digit C and the delete key C: the one a character, the other a command.
    EXPECT_NE(FindCharKey(PAD_PROGRAMMER, 'C'), FindCodeKey(PAD_PROGRAMMER, CMD_DEL));
    EXPECT_EQ(CMD_SIN, KeyByIndex(PAD_SCIENTIFIC, FindCodeKey(PAD_SCIENTIFIC, CMD_SIN))->wCode);
    EXPECT_EQ(NO_KEY, FindCodeKey(PAD_PROGRAMMER, CMD_SIN));
    EXPECT_EQ(NO_KEY, FindCodeKey(PAD_SCIENTIFIC, CMD_ASIN)); // a modifier's code only
    for (int nPad = 0; nPad < PAD_COUNT; ++nPad)
        EXPECT_EQ(g_Layout.header.nKeyCount[nPad] - 1, FindCodeKey(nPad, CMD_DIRECT));
    EXPECT_EQ(DIRECT_KEY_BASE + 8, FindDirectRowKey(VKEY_RETURN));
    EXPECT_EQ(NO_KEY, FindDirectRowKey(VKEY_ESCAPE + 1));
}
