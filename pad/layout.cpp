#include "pad/layout.h"

#include "engine/command_codes.h"

// Keys 0 to 11 are the same on both pads.
// clang-format off
#define COMMON_KEYS                                          \
    {KEY_COMMAND, CMD_DEL, 0, 0, 0, 0, 201, 2, 18, 19},      \
    {KEY_COMMAND, CMD_AC, 0, 0, 0, 0, 219, 2, 18, 19},       \
    {KEY_COMMAND, CMD_MUL, 0, 0, 0, '*', 201, 23, 18, 18},   \
    {KEY_COMMAND, CMD_DIV, 0, 0, 0, '/', 219, 23, 18, 18},   \
    {KEY_COMMAND, CMD_ADD, 0, 0, 0, '+', 201, 41, 18, 18},   \
    {KEY_COMMAND, CMD_SUB, 0, 0, 0, '-', 219, 41, 18, 18},   \
    {KEY_COMMAND, CMD_EQUAL, 0, 0, 0, '=', 201, 59, 36, 18}, \
    {KEY_INPUT, CMD_INPUT, 0, 0, 0, 0, 181, 2, 18, 19},      \
    {KEY_COMMAND, CMD_SIGN, 0, 0, 0, 0, 123, 23, 19, 18},    \
    {KEY_CHAR, 0, 0, 0, 0, '7', 142, 23, 19, 18},            \
    {KEY_CHAR, 0, 0, 0, 0, '8', 161, 23, 19, 18},            \
    {KEY_CHAR, 0, 0, 0, 0, '9', 180, 23, 19, 18}
// clang-format on

const LayoutTables g_Layout = {
    {{36, 37}, 25, 23, 12, 1, {25, 26, 27, 28}},
    {{{
         // PAD_SCIENTIFIC
         COMMON_KEYS,
         {KEY_CHAR, 0, 0, 0, 0, '.', 123, 41, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, '4', 142, 41, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, '5', 161, 41, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, '6', 180, 41, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, '0', 123, 59, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, '1', 142, 59, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, '2', 161, 59, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, '3', 180, 59, 19, 18},
         {KEY_COMMAND, CMD_SIN, CMD_ASIN, CMD_SINH, CMD_ASINH, 0, 25, 23, 24, 18},
         {KEY_COMMAND, CMD_RECIP, 0, 0, 0, 0, 49, 23, 24, 18},
         {KEY_COMMAND, CMD_SQUARE, 0, 0, 0, 0, 73, 23, 24, 18},
         {KEY_COMMAND, CMD_LPAREN, 0, 0, 0, 0, 97, 23, 24, 18},
         {KEY_COMMAND, CMD_COS, CMD_ACOS, CMD_COSH, CMD_ACOSH, 0, 25, 41, 24, 18},
         {KEY_COMMAND, CMD_SQRT, 0, 0, 0, 0, 49, 41, 24, 18},
         {KEY_COMMAND, CMD_POWER, 0, 0, 0, 0, 73, 41, 24, 18},
         {KEY_COMMAND, CMD_RPAREN, 0, 0, 0, 0, 97, 41, 24, 18},
         {KEY_COMMAND, CMD_TAN, CMD_ATAN, CMD_TANH, CMD_ATANH, 0, 25, 59, 24, 18},
         // Under INV and HYP together the overlay shows 10^x and e^x on these two keys, so they
         // act as shown.
         {KEY_COMMAND, CMD_LOG, CMD_POW10, 0, CMD_POW10, 0, 49, 59, 24, 18},
         {KEY_COMMAND, CMD_LN, CMD_EXPE, 0, CMD_EXPE, 0, 73, 59, 24, 18},
         {KEY_COMMAND, CMD_EXP, 0, 0, 0, 0, 97, 59, 24, 18},
         {KEY_MODE, CMD_INV, 0, 0, 0, 0, 1, 23, 22, 18},
         {KEY_MODE, CMD_HYP, 0, 0, 0, 0, 1, 41, 22, 18},
         {KEY_PADSWITCH, CMD_PAD, 0, 0, 0, 0, 1, 59, 22, 18},
         {KEY_DIRECT, CMD_DIRECT, 0, 0, 0, 0, 2, 3, 9, 17},
     }},
     {{
         // PAD_PROGRAMMER
         COMMON_KEYS,
         {KEY_CHAR, 0, 0, 0, 0, '4', 142, 41, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, '5', 161, 41, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, '6', 180, 41, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, '0', 123, 59, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, '1', 142, 59, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, '2', 161, 59, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, '3', 180, 59, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, 'E', 83, 23, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, 'F', 102, 23, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, 'C', 83, 41, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, 'D', 102, 41, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, 'A', 83, 59, 19, 18},
         {KEY_CHAR, 0, 0, 0, 0, 'B', 102, 59, 19, 18},
         {KEY_MODE, CMD_DEC, 0, 0, 0, 0, 1, 23, 20, 15},
         {KEY_MODE, CMD_HEX, 0, 0, 0, 0, 21, 23, 20, 15},
         {KEY_MODE, CMD_OCT, 0, 0, 0, 0, 41, 23, 20, 15},
         {KEY_MODE, CMD_BIN, 0, 0, 0, 0, 61, 23, 20, 15},
         {KEY_COMMAND, CMD_AND, 0, 0, 0, 0, 24, 41, 19, 18},
         {KEY_COMMAND, CMD_OR, 0, 0, 0, 0, 43, 41, 19, 18},
         {KEY_COMMAND, CMD_XOR, 0, 0, 0, 0, 62, 41, 19, 18},
         {KEY_COMMAND, CMD_SHL, 0, 0, 0, 0, 24, 59, 19, 18},
         {KEY_COMMAND, CMD_SHR, 0, 0, 0, 0, 43, 59, 19, 18},
         {KEY_COMMAND, CMD_NOT, 0, 0, 0, 0, 62, 59, 19, 18},
         {KEY_PADSWITCH, CMD_PAD, 0, 0, 0, 0, 1, 59, 22, 18},
         {KEY_DIRECT, CMD_DIRECT, 0, 0, 0, 0, 2, 3, 9, 17},
     }}},
    {
        {KEY_VKEY, 27, 0, 0, 0, 27, 1, 2, 15, 17},   // Esc
        {KEY_VKEY, 9, 0, 0, 0, 9, 16, 2, 15, 17},    // Tab
        {KEY_VKEY, 33, 0, 0, 0, 0, 31, 2, 15, 17},   // Page Up
        {KEY_VKEY, 34, 0, 0, 0, 0, 46, 2, 15, 17},   // Page Down
        {KEY_VKEY, 38, 0, 0, 0, 0, 61, 2, 15, 17},   // up
        {KEY_VKEY, 40, 0, 0, 0, 0, 76, 2, 15, 17},   // down
        {KEY_VKEY, 37, 0, 0, 0, 0, 91, 2, 15, 17},   // left
        {KEY_VKEY, 39, 0, 0, 0, 0, 106, 2, 15, 17},  // right
        {KEY_VKEY, 13, 0, 0, 0, 13, 121, 2, 15, 17}, // Enter
        {KEY_VKEY, 46, 0, 0, 0, 0, 136, 2, 15, 17},  // Del
        {KEY_VKEY, 8, 0, 0, 0, 8, 151, 2, 15, 17},   // Back Space
    },
};

#undef COMMON_KEYS

const KeyDef* KeyByIndex(int nPadType, int nKey)
{
    if (nKey >= DIRECT_KEY_BASE)
    {
        int nPosition = nKey - DIRECT_KEY_BASE;
        return nPosition < DIRECT_ROW_KEYS ? &g_Layout.aDirectRow[nPosition] : nullptr;
    }
    if (nKey < 0 || nPadType < 0 || nPadType >= PAD_COUNT ||
        nKey >= g_Layout.header.nKeyCount[nPadType])
        return nullptr;
    return &g_Layout.aPads[nPadType].aKeys[nKey];
}

KeyBounds KeyRectangle(int nKey, const KeyDef* pKey)
{
    KeyBounds bounds = {pKey->nLeft, pKey->nTop, pKey->nLeft + pKey->nWidth,
                        pKey->nTop + pKey->nHeight};
    if (nKey >= DIRECT_KEY_BASE)
    {
        bounds.nLeft += g_Layout.header.nDirectLeft;
        bounds.nRight += g_Layout.header.nDirectLeft;
        bounds.nTop += g_Layout.header.nDirectTop;
        bounds.nBottom += g_Layout.header.nDirectTop;
    }
    return bounds;
}

bool IsActiveInDirectMode(const KeyDef* pKey)
{
    return pKey->wKind == KEY_DIRECT || pKey->wChar != 0;
}
