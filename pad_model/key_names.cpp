#include "pad_model/key_names.h"

#include "engine/command_codes.h"
#include "pad_model/layout.h"

namespace
{

// Pad keys carry their plain code; the engine's other commands (the INV and HYP variants, CE)
// have names too, for the programs that drive the calculator without the pad's modifiers.
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
    {"DEL", KEY_COMMAND, CMD_DEL}, // the key labelled C
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
    {"inv", KEY_MODE, CMD_INV},
    {"hyp", KEY_MODE, CMD_HYP},
    {"pad", KEY_PADSWITCH, CMD_PAD},
    {"Input", KEY_INPUT, CMD_INPUT},
    {"direct", KEY_DIRECT, CMD_DIRECT},
    {"Esc", KEY_VKEY, VKEY_ESCAPE},
    {"Tab", KEY_VKEY, VKEY_TAB},
    {"PgUp", KEY_VKEY, VKEY_PRIOR},
    {"PgDn", KEY_VKEY, VKEY_NEXT},
    {"Up", KEY_VKEY, VKEY_UP},
    {"Down", KEY_VKEY, VKEY_DOWN},
    {"Left", KEY_VKEY, VKEY_LEFT},
    {"Right", KEY_VKEY, VKEY_RIGHT},
    {"Enter", KEY_VKEY, VKEY_RETURN},
    {"Delete", KEY_VKEY, VKEY_DELETE},
    {"Backspace", KEY_VKEY, VKEY_BACK},
};

// ASCII only, whatever the C library's locale: names are ASCII.
char Lower(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

} // namespace

bool KeyNameIs(const KeyName& key, const char* pszName)
{
    const char* pszKey = key.pszName;
    for (; *pszKey != 0 && Lower(*pszKey) == Lower(*pszName); ++pszKey, ++pszName)
    {
    }
    return *pszKey == 0 && *pszName == 0;
}

const KeyName* FindKeyName(const char* pszName)
{
    for (const KeyName& key : g_aKeyNames)
    {
        if (KeyNameIs(key, pszName))
            return &key;
    }
    return nullptr;
}

const KeyName* KeyNames(int* pnCount)
{
    *pnCount = static_cast<int>(sizeof(g_aKeyNames) / sizeof(g_aKeyNames[0]));
    return g_aKeyNames;
}
