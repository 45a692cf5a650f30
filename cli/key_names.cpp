#include "cli/key_names.h"

#include "engine/calculator.h"
#include "pad_model/layout.h"

namespace
{

// A pad chosen by name: KEY_PADSWITCH with the pad type, where the pad key carries CMD_PAD.
const KeyName g_aPadChoices[] = {
    {"sci", KEY_PADSWITCH, PAD_SCIENTIFIC},
    {"prog", KEY_PADSWITCH, PAD_PROGRAMMER},
};

const int FIRST_CHAR_COUNT = 128;

// Every name, the pad choices' too, by its first character folded to lower case: a word is
// compared only with the names it could be. Numbers are typed a character at a time, and a scan
// of every name for each word and character was most of vardeko-calc's time.
struct NameIndex
{
    std::vector<const KeyName*> aBuckets[FIRST_CHAR_COUNT];
    // The character key that each character of a run such as 12 or 0.5 presses, if any.
    const KeyName* apCharKeys[FIRST_CHAR_COUNT];
};

int FirstCharBucket(char ch)
{
    unsigned char uch = static_cast<unsigned char>(ch);
    if (uch >= FIRST_CHAR_COUNT)
        return -1;
    return uch >= 'A' && uch <= 'Z' ? uch - 'A' + 'a' : uch;
}

// FindKeyName, then the pad choices.
const KeyName* FindWordIn(const NameIndex& index, const char* pszWord)
{
    int nBucket = FirstCharBucket(pszWord[0]);
    if (nBucket < 0)
        return nullptr;
    for (const KeyName* pKey : index.aBuckets[nBucket])
    {
        if (KeyNameIs(*pKey, pszWord))
            return pKey;
    }
    return nullptr;
}

const NameIndex& Index()
{
    static const NameIndex s_index = [] {
        NameIndex index;
        int nCount = 0;
        const KeyName* pKeys = KeyNames(&nCount);
        for (int i = 0; i < nCount; ++i)
            index.aBuckets[FirstCharBucket(pKeys[i].pszName[0])].push_back(&pKeys[i]);
        for (const KeyName& choice : g_aPadChoices)
            index.aBuckets[FirstCharBucket(choice.pszName[0])].push_back(&choice);
        for (int ch = 0; ch < FIRST_CHAR_COUNT; ++ch)
        {
            const char szChar[2] = {static_cast<char>(ch), 0};
            const KeyName* pKey = ch != 0 ? FindWordIn(index, szChar) : nullptr;
            index.apCharKeys[ch] = pKey != nullptr && pKey->wKind == KEY_CHAR ? pKey : nullptr;
        }
        return index;
    }();
    return s_index;
}

} // namespace

bool KeysOfWord(const char* pszWord, std::vector<const KeyName*>& aKeys)
{
    const NameIndex& index = Index();
    const KeyName* pKey = FindWordIn(index, pszWord);
    if (pKey != nullptr)
    {
        aKeys.push_back(pKey);
        return true;
    }
    size_t nKeys = aKeys.size();
    for (const char* pch = pszWord; *pch != 0; ++pch)
    {
        unsigned char uch = static_cast<unsigned char>(*pch);
        const KeyName* pChar = uch < FIRST_CHAR_COUNT ? index.apCharKeys[uch] : nullptr;
        if (pChar == nullptr)
        {
            aKeys.resize(nKeys);
            return false;
        }
        aKeys.push_back(pChar);
    }
    return true;
}

bool IsCalculatorKey(const KeyName& key)
{
    switch (key.wKind)
    {
    case KEY_CHAR:
    case KEY_COMMAND:
    case KEY_PADSWITCH: return true;
    // Of the mode keys only the radix keys reach the calculator; INV and HYP choose codes.
    case KEY_MODE: return key.wValue >= CMD_DEC && key.wValue <= CMD_BIN;
    }
    return false;
}

void PressCalculatorKey(const KeyName& key)
{
    switch (key.wKind)
    {
    case KEY_CHAR: EnterChar(static_cast<WideChar>(key.wValue)); break;
    case KEY_COMMAND: ExecuteCommand(key.wValue); break;
    case KEY_MODE: ChangeRadix(RadixOfKeyCode(key.wValue)); break;
    case KEY_PADSWITCH: {
        int nPad =
            key.wValue == CMD_PAD ? OtherPad(PadOfNumberMode(g_Calculator.m_nMode)) : key.wValue;
        Reset(NumberModeOfPad(nPad), -1);
        break;
    }
    }
}
