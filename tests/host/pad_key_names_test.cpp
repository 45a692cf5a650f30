// The script's key names reach every key of both pads and the direct row, each name at one
// place whatever pad is showing.

#include "host/pad_key_names.h"
#include "pad_model/layout.h"

#include <gtest/gtest.h>

namespace
{

const char* const g_apszNames[] = {
    "0",    "1",   "2",    "3",     "4",     "5",     "6",      "7",         "8",   "9",   "A",
    "B",    "C",   "D",    "E",     "F",     ".",     "+",      "-",         "*",   "/",   "=",
    "sign", "DEL", "AC",   "Input", "inv",   "hyp",   "pad",    "direct",    "sin", "cos", "tan",
    "1/x",  "x^2", "sqrt", "x^y",   "(",     ")",     "log",    "ln",        "exp", "DEC", "HEX",
    "OCT",  "BIN", "AND",  "OR",    "XOR",   "NOT",   "SHL",    "SHR",       "Esc", "Tab", "PgUp",
    "PgDn", "Up",  "Down", "Left",  "Right", "Enter", "Delete", "Backspace",
};

bool Contains(const KeyBounds& bounds, TapPoint pt)
{
    return pt.x >= bounds.nLeft && pt.x < bounds.nRight && pt.y >= bounds.nTop &&
           pt.y < bounds.nBottom;
}

// The name whose tap lands on key nKey of pad nPad, or null.
const char* NameTapping(int nPad, int nKey)
{
    KeyBounds bounds = KeyRectangle(nKey, KeyByIndex(nPad, nKey), 1);
    const KeyDef* pKey = KeyByIndex(nPad, nKey);
    for (const char* pszName : g_apszNames)
    {
        PadKeyPlace place;
        if (!FindPadKey(pszName, &place))
            continue;
        // A direct row name taps only in direct mode, a pad name only on its pad's keys.
        bool bDirectName = place.nKey >= DIRECT_KEY_BASE;
        if (bDirectName == (nKey >= DIRECT_KEY_BASE) && Contains(bounds, KeyCentre(place, 1)) &&
            (bDirectName || KeyByIndex(place.nPad, place.nKey)->wKind == pKey->wKind))
            return pszName;
    }
    return nullptr;
}

} // namespace

TEST(PadKeyNamesTest, EveryNameFindsAKey)
{
    for (const char* pszName : g_apszNames)
    {
        PadKeyPlace place;
        EXPECT_TRUE(FindPadKey(pszName, &place)) << pszName;
    }
}

TEST(PadKeyNamesTest, EveryKeyOfBothPadsAndTheDirectRowHasAName)
{
    for (int nPad = 0; nPad < PAD_COUNT; ++nPad)
    {
        for (int nKey = 0; nKey < g_Layout.header.nKeyCount[nPad]; ++nKey)
            EXPECT_NE(nullptr, NameTapping(nPad, nKey)) << "pad " << nPad << " key " << nKey;
    }
    for (int j = 0; j < DIRECT_ROW_KEYS; ++j)
        EXPECT_NE(nullptr, NameTapping(PAD_SCIENTIFIC, DIRECT_KEY_BASE + j)) << "direct " << j;
}

TEST(PadKeyNamesTest, KeysOfBothPadsHaveOnePlace)
{
    // The digit 4 and the pad switch lie at the same place on both pads: one tap serves both.
    for (const char* pszName : {"4", "0", "pad", "direct", "=", "Input"})
    {
        PadKeyPlace place;
        ASSERT_TRUE(FindPadKey(pszName, &place));
        TapPoint pt = KeyCentre(place, 1);
        for (int nPad = 0; nPad < PAD_COUNT; ++nPad)
        {
            bool bHit = false;
            for (int nKey = 0; nKey < g_Layout.header.nKeyCount[nPad]; ++nKey)
                bHit |= Contains(KeyRectangle(nKey, KeyByIndex(nPad, nKey), 1), pt);
            EXPECT_TRUE(bHit) << pszName << " on pad " << nPad;
        }
    }
}

TEST(PadKeyNamesTest, NamesIgnoreCaseAndDistinguishTheTwoKeysLabelledC)
{
    PadKeyPlace del, hexC;
    ASSERT_TRUE(FindPadKey("DEL", &del));
    ASSERT_TRUE(FindPadKey("C", &hexC));
    EXPECT_EQ(PAD_PROGRAMMER, hexC.nPad);
    EXPECT_EQ(KEY_CHAR, KeyByIndex(hexC.nPad, hexC.nKey)->wKind);
    EXPECT_NE(KeyCentre(del, 1).x, KeyCentre(hexC, 1).x);

    // Any spelling finds the key of its canonical name.
    const char* const apszSpellings[][2] = {{"a", "A"},         {"and", "AND"}, {"Del", "DEL"},
                                            {"enter", "Enter"}, {"dec", "DEC"}, {"PAD", "pad"}};
    for (const auto& spelling : apszSpellings)
    {
        PadKeyPlace place, canonical;
        ASSERT_TRUE(FindPadKey(spelling[0], &place)) << spelling[0];
        ASSERT_TRUE(FindPadKey(spelling[1], &canonical)) << spelling[1];
        EXPECT_EQ(canonical.nPad, place.nPad) << spelling[0];
        EXPECT_EQ(canonical.nKey, place.nKey) << spelling[0];
    }

    // Unknown names, and commands that no key carries as its own (INV and sin, CE).
    PadKeyPlace place;
    for (const char* pszName : {"", "x^3", "7 ", "asin", "CE", "10^x", "sci"})
        EXPECT_FALSE(FindPadKey(pszName, &place)) << '"' << pszName << '"';
}
