// The shared key vocabulary: every key of both pads and the direct row has a name, names are
// matched without regard to case, and no two keys share a name in any spelling.

#include "engine/command_codes.h"
#include "pad_model/key_names.h"
#include "pad_model/layout.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace
{

// A name means the key when it carries the key's character, virtual-key code or plain code.
bool Names(const KeyName& name, const KeyDef& key)
{
    if (name.wKind != key.wKind)
        return false;
    return key.wKind == KEY_CHAR ? name.wValue == key.wChar : name.wValue == key.wCode;
}

std::string Spelled(const char* pszName, int (*pfnCase)(int))
{
    std::string s;
    for (const char* pch = pszName; *pch != 0; ++pch)
        s += static_cast<char>(pfnCase(static_cast<unsigned char>(*pch)));
    return s;
}

} // namespace

TEST(KeyNamesTest, EveryKeyOfBothPadsAndTheDirectRowHasAName)
{
    int nCount = 0;
    const KeyName* aNames = KeyNames(&nCount);
    auto bNamed = [&](const KeyDef& key) {
        for (int i = 0; i < nCount; ++i)
        {
            if (Names(aNames[i], key))
                return true;
        }
        return false;
    };
    for (int nPad = 0; nPad < PAD_COUNT; ++nPad)
    {
        for (int nKey = 0; nKey < g_Layout.header.nKeyCount[nPad]; ++nKey)
            EXPECT_TRUE(bNamed(*KeyByIndex(nPad, nKey))) << "pad " << nPad << " key " << nKey;
    }
    for (const KeyDef& key : g_Layout.aDirectRow)
        EXPECT_TRUE(bNamed(key)) << "virtual key " << key.wCode;
}

TEST(KeyNamesTest, EverySpellingFindsTheSameKeyAndNoOther)
{
    int nCount = 0;
    const KeyName* aNames = KeyNames(&nCount);
    for (int i = 0; i < nCount; ++i)
    {
        for (int (*pfnCase)(int) : {tolower, toupper})
            EXPECT_EQ(&aNames[i], FindKeyName(Spelled(aNames[i].pszName, pfnCase).c_str()))
                << aNames[i].pszName;
        for (int j = 0; j < nCount; ++j)
        {
            if (j != i)
            {
                EXPECT_FALSE(KeyNameIs(aNames[j], aNames[i].pszName))
                    << aNames[i].pszName << " and " << aNames[j].pszName;
            }
        }
    }
}

TEST(KeyNamesTest, NamesOfBothProgramsMeanOneKey)
{
    // vardeko-calc's radix keys were lower-case, vardeko-host's upper-case.
    for (const char* pszName : {"dec", "DEC", "Dec"})
    {
        ASSERT_NE(nullptr, FindKeyName(pszName)) << pszName;
        EXPECT_EQ(CMD_DEC, FindKeyName(pszName)->wValue);
        EXPECT_EQ(KEY_MODE, FindKeyName(pszName)->wKind);
    }
    // The two keys labelled C: the delete key and the hexadecimal digit.
    EXPECT_EQ(CMD_DEL, FindKeyName("del")->wValue);
    EXPECT_EQ(KEY_CHAR, FindKeyName("c")->wKind);
    EXPECT_EQ('C', FindKeyName("c")->wValue);
    // The direct row's Delete is not the pad's DEL.
    EXPECT_EQ(KEY_VKEY, FindKeyName("DELETE")->wKind);
    EXPECT_EQ(KEY_PADSWITCH, FindKeyName("Pad")->wKind);

    for (const char* pszName : {"", "x^3", "7 ", " 7", "de", "deci", "sci", "prog"})
        EXPECT_EQ(nullptr, FindKeyName(pszName)) << '"' << pszName << '"';
}
