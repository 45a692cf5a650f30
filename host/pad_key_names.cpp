#include "host/pad_key_names.h"

#include "engine/command_codes.h"
#include "pad/layout.h"

#include <windows.h>

#include <cstring>

namespace
{

// How a name finds its key in the layout tables, so that the names follow the tables.
enum KeyMatch
{
    MATCH_CHAR, // a character key with this wChar
    MATCH_CODE, // any other pad key with this plain wCode
    MATCH_VKEY, // the direct row key with this virtual-key code
};

struct NameRule
{
    const char* pszName;
    KeyMatch match;
    unsigned wValue;
};

const NameRule g_aRules[] = {
    {"0", MATCH_CHAR, '0'},
    {"1", MATCH_CHAR, '1'},
    {"2", MATCH_CHAR, '2'},
    {"3", MATCH_CHAR, '3'},
    {"4", MATCH_CHAR, '4'},
    {"5", MATCH_CHAR, '5'},
    {"6", MATCH_CHAR, '6'},
    {"7", MATCH_CHAR, '7'},
    {"8", MATCH_CHAR, '8'},
    {"9", MATCH_CHAR, '9'},
    {"A", MATCH_CHAR, 'A'},
    {"B", MATCH_CHAR, 'B'},
    {"C", MATCH_CHAR, 'C'},
    {"D", MATCH_CHAR, 'D'},
    {"E", MATCH_CHAR, 'E'},
    {"F", MATCH_CHAR, 'F'},
    {".", MATCH_CHAR, '.'},
    {"+", MATCH_CODE, CMD_ADD},
    {"-", MATCH_CODE, CMD_SUB},
    {"*", MATCH_CODE, CMD_MUL},
    {"/", MATCH_CODE, CMD_DIV},
    {"=", MATCH_CODE, CMD_EQUAL},
    {"sign", MATCH_CODE, CMD_SIGN},
    {"DEL", MATCH_CODE, CMD_DEL},
    {"AC", MATCH_CODE, CMD_AC},
    {"Input", MATCH_CODE, CMD_INPUT},
    {"inv", MATCH_CODE, CMD_INV},
    {"hyp", MATCH_CODE, CMD_HYP},
    {"pad", MATCH_CODE, CMD_PAD},
    {"direct", MATCH_CODE, CMD_DIRECT},
    {"sin", MATCH_CODE, CMD_SIN},
    {"cos", MATCH_CODE, CMD_COS},
    {"tan", MATCH_CODE, CMD_TAN},
    {"1/x", MATCH_CODE, CMD_RECIP},
    {"x^2", MATCH_CODE, CMD_SQUARE},
    {"sqrt", MATCH_CODE, CMD_SQRT},
    {"x^y", MATCH_CODE, CMD_POWER},
    {"(", MATCH_CODE, CMD_LPAREN},
    {")", MATCH_CODE, CMD_RPAREN},
    {"log", MATCH_CODE, CMD_LOG},
    {"ln", MATCH_CODE, CMD_LN},
    {"exp", MATCH_CODE, CMD_EXP},
    {"DEC", MATCH_CODE, CMD_DEC},
    {"HEX", MATCH_CODE, CMD_HEX},
    {"OCT", MATCH_CODE, CMD_OCT},
    {"BIN", MATCH_CODE, CMD_BIN},
    {"AND", MATCH_CODE, CMD_AND},
    {"OR", MATCH_CODE, CMD_OR},
    {"XOR", MATCH_CODE, CMD_XOR},
    {"NOT", MATCH_CODE, CMD_NOT},
    {"SHL", MATCH_CODE, CMD_SHL},
    {"SHR", MATCH_CODE, CMD_SHR},
    {"Esc", MATCH_VKEY, VK_ESCAPE},
    {"Tab", MATCH_VKEY, VK_TAB},
    {"PgUp", MATCH_VKEY, VK_PRIOR},
    {"PgDn", MATCH_VKEY, VK_NEXT},
    {"Up", MATCH_VKEY, VK_UP},
    {"Down", MATCH_VKEY, VK_DOWN},
    {"Left", MATCH_VKEY, VK_LEFT},
    {"Right", MATCH_VKEY, VK_RIGHT},
    {"Enter", MATCH_VKEY, VK_RETURN},
    {"Delete", MATCH_VKEY, VK_DELETE},
    {"Backspace", MATCH_VKEY, VK_BACK},
};

bool Matches(const NameRule& rule, const KeyDef& key)
{
    switch (rule.match)
    {
    case MATCH_CHAR: return key.wKind == KEY_CHAR && key.wChar == rule.wValue;
    case MATCH_CODE: return key.wKind != KEY_CHAR && key.wCode == rule.wValue;
    case MATCH_VKEY: return key.wKind == KEY_VKEY && key.wCode == rule.wValue;
    }
    return false;
}

// The first key that the rule matches: the scientific pad first, then the programmer pad, then
// the direct row.
bool Resolve(const NameRule& rule, PadKeyPlace* pPlace)
{
    if (rule.match == MATCH_VKEY)
    {
        for (int j = 0; j < DIRECT_ROW_KEYS; ++j)
        {
            if (Matches(rule, g_Layout.aDirectRow[j]))
            {
                *pPlace = {PAD_SCIENTIFIC, DIRECT_KEY_BASE + j};
                return true;
            }
        }
        return false;
    }
    for (int nPad = 0; nPad < PAD_COUNT; ++nPad)
    {
        for (int nKey = 0; nKey < g_Layout.header.nKeyCount[nPad]; ++nKey)
        {
            if (Matches(rule, g_Layout.aPads[nPad].aKeys[nKey]))
            {
                *pPlace = {nPad, nKey};
                return true;
            }
        }
    }
    return false;
}

} // namespace

bool FindPadKey(const char* pszName, PadKeyPlace* pPlace)
{
    for (const NameRule& rule : g_aRules)
    {
        if (strcmp(rule.pszName, pszName) == 0)
            return Resolve(rule, pPlace);
    }
    return false;
}

TapPoint KeyCentre(const PadKeyPlace& place)
{
    KeyBounds bounds = KeyRectangle(place.nKey, KeyByIndex(place.nPad, place.nKey));
    return {(bounds.nLeft + bounds.nRight) / 2, (bounds.nTop + bounds.nBottom) / 2};
}
