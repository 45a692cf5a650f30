#include "cli/key_names.h"

#include "engine/calculator.h"
#include "pad/layout.h"

#include <cstring>

namespace
{

const KeyName g_aKeyNames[] = {
    {"0", KEY_CHAR, '0'},
    {"1", KEY_CHAR, '1'},
    {"2", KEY_CHAR, '2'},
    {"3", KEY_CHAR, '3'},
    {"4", KEY_CHAR, '4'},
    {"5", KEY_CHAR, '5'},
    {"6", KEY_CHAR, '6'},
    {"7", KEY_CHAR, '7'},
    {"8", KEY_CHAR, '8'},
    {"9", KEY_CHAR, '9'},
    {"A", KEY_CHAR, 'A'},
    {"B", KEY_CHAR, 'B'},
    {"C", KEY_CHAR, 'C'},
    {"D", KEY_CHAR, 'D'},
    {"E", KEY_CHAR, 'E'},
    {"F", KEY_CHAR, 'F'},
    {".", KEY_CHAR, '.'},
    {"+", KEY_COMMAND, CMD_ADD},
    {"-", KEY_COMMAND, CMD_SUB},
    {"*", KEY_COMMAND, CMD_MUL},
    {"/", KEY_COMMAND, CMD_DIV},
    {"=", KEY_COMMAND, CMD_EQUAL},
    {"(", KEY_COMMAND, CMD_LPAREN},
    {")", KEY_COMMAND, CMD_RPAREN},
    {"AND", KEY_COMMAND, CMD_AND},
    {"OR", KEY_COMMAND, CMD_OR},
    {"XOR", KEY_COMMAND, CMD_XOR},
    {"NOT", KEY_COMMAND, CMD_NOT},
    {"SHL", KEY_COMMAND, CMD_SHL},
    {"SHR", KEY_COMMAND, CMD_SHR},
    {"sign", KEY_COMMAND, CMD_SIGN},
    {"exp", KEY_COMMAND, CMD_EXP},
    {"DEL", KEY_COMMAND, CMD_DEL},
    {"CE", KEY_COMMAND, CMD_CE},
    {"AC", KEY_COMMAND, CMD_AC},
    {"sin", KEY_COMMAND, CMD_SIN},
    {"cos", KEY_COMMAND, CMD_COS},
    {"tan", KEY_COMMAND, CMD_TAN},
    {"asin", KEY_COMMAND, CMD_ASIN},
    {"acos", KEY_COMMAND, CMD_ACOS},
    {"atan", KEY_COMMAND, CMD_ATAN},
    {"sinh", KEY_COMMAND, CMD_SINH},
    {"cosh", KEY_COMMAND, CMD_COSH},
    {"tanh", KEY_COMMAND, CMD_TANH},
    {"asinh", KEY_COMMAND, CMD_ASINH},
    {"acosh", KEY_COMMAND, CMD_ACOSH},
    {"atanh", KEY_COMMAND, CMD_ATANH},
    {"1/x", KEY_COMMAND, CMD_RECIP},
    {"x^2", KEY_COMMAND, CMD_SQUARE},
    {"sqrt", KEY_COMMAND, CMD_SQRT},
    {"x^y", KEY_COMMAND, CMD_POWER},
    {"log", KEY_COMMAND, CMD_LOG},
    {"ln", KEY_COMMAND, CMD_LN},
    {"10^x", KEY_COMMAND, CMD_POW10},
    {"e^x", KEY_COMMAND, CMD_EXPE},
    {"dec", KEY_MODE, CMD_DEC},
    {"hex", KEY_MODE, CMD_HEX},
    {"oct", KEY_MODE, CMD_OCT},
    {"bin", KEY_MODE, CMD_BIN},
    {"sci", KEY_PADSWITCH, PAD_SCIENTIFIC},
    {"prog", KEY_PADSWITCH, PAD_PROGRAMMER},
};

} // namespace

const KeyName* FindKeyName(const char* pszName)
{
    for (const KeyName& key : g_aKeyNames)
    {
        if (strcmp(key.pszName, pszName) == 0)
            return &key;
    }
    return nullptr;
}

bool KeysOfWord(const char* pszWord, std::vector<const KeyName*>& aKeys)
{
    const KeyName* pKey = FindKeyName(pszWord);
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

void PressKey(const KeyName& key)
{
    switch (key.wKind)
    {
    case KEY_CHAR: EnterChar(static_cast<WideChar>(key.wValue)); break;
    case KEY_COMMAND: ExecuteCommand(key.wValue); break;
    // The radix keys carry CMD_DEC to CMD_BIN in radix order.
    case KEY_MODE: ChangeRadix(key.wValue - CMD_DEC); break;
    // The pad type is the number mode.
    case KEY_PADSWITCH: Reset(key.wValue, -1); break;
    }
}
