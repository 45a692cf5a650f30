#include "cli/key_names.h"

#include "engine/calculator.h"
#include "pad/layout.h"

namespace
{

// A pad chosen by name: KEY_PADSWITCH with the pad type, where the pad key carries CMD_PAD.
const KeyName g_aPadChoices[] = {
    {"sci", KEY_PADSWITCH, PAD_SCIENTIFIC},
    {"prog", KEY_PADSWITCH, PAD_PROGRAMMER},
};

const KeyName* FindWord(const char* pszWord)
{
    const KeyName* pKey = FindKeyName(pszWord);
    if (pKey != nullptr)
        return pKey;
    for (const KeyName& choice : g_aPadChoices)
    {
        if (KeyNameIs(choice, pszWord))
            return &choice;
    }
    return nullptr;
}

} // namespace

bool KeysOfWord(const char* pszWord, std::vector<const KeyName*>& aKeys)
{
    const KeyName* pKey = FindWord(pszWord);
    if (pKey != nullptr)
    {
        aKeys.push_back(pKey);
        return true;
    }
    size_t nKeys = aKeys.size();
    for (const char* pch = pszWord; *pch != 0; ++pch)
    {
        const char szChar[2] = {*pch, 0};
        const KeyName* pChar = FindKeyName(szChar);
        if (pChar == nullptr || pChar->wKind != KEY_CHAR)
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

void PressKey(const KeyName& key)
{
    switch (key.wKind)
    {
    case KEY_CHAR: EnterChar(static_cast<WideChar>(key.wValue)); break;
    case KEY_COMMAND: ExecuteCommand(key.wValue); break;
    // The radix keys carry CMD_DEC to CMD_BIN in radix order.
    case KEY_MODE: ChangeRadix(key.wValue - CMD_DEC); break;
    // The pad type is the number mode.
    case KEY_PADSWITCH: {
        int nOther = g_Calculator.m_nMode == PAD_SCIENTIFIC ? PAD_PROGRAMMER : PAD_SCIENTIFIC;
        Reset(key.wValue == CMD_PAD ? nOther : key.wValue, -1);
        break;
    }
    }
}
