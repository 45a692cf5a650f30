#include "pad_model/layout.h"

#include "engine/command_codes.h"

namespace
{

// The pads are a grid drawn in their artwork: the rows and columns here name its lines, so that
// a key's rectangle says which cell it fills.

// The top row: the display and, to its right, Input, C and AC, a pixel taller than the rows below.
const int TOP_ROW = 2;
const int TOP_ROW_HEIGHT = 19;

// Three rows of keys under the display.
const int FIRST_ROW = 23;
const int ROW_HEIGHT = 18;
const int ROW_1 = FIRST_ROW;
const int ROW_2 = FIRST_ROW + ROW_HEIGHT;
const int ROW_3 = FIRST_ROW + 2 * ROW_HEIGHT;

// The digit block: four columns, the first holding +/- and the decimal point.
const int DIGIT_LEFT = 123;
const int DIGIT_WIDTH = 19;
const int DIGIT_1 = DIGIT_LEFT;
const int DIGIT_2 = DIGIT_LEFT + DIGIT_WIDTH;
const int DIGIT_3 = DIGIT_LEFT + 2 * DIGIT_WIDTH;
const int DIGIT_4 = DIGIT_LEFT + 3 * DIGIT_WIDTH;

// The operator block at the right edge: two columns, = spanning both.
const int OPERATOR_LEFT = 201;
const int OPERATOR_WIDTH = 18;
const int OPERATOR_1 = OPERATOR_LEFT;
const int OPERATOR_2 = OPERATOR_LEFT + OPERATOR_WIDTH;

// Input sits left of C, over the digit block's last column.
const int INPUT_LEFT = 181;

// The modifier column at the left edge: INV, HYP and the pad switch.
const int MODIFIER_LEFT = 1;
const int MODIFIER_WIDTH = 22;

// The direct toggle: the small key left of the display.
const int TOGGLE_LEFT = 2;
const int TOGGLE_TOP = 3;
const int TOGGLE_WIDTH = 9;
const int TOGGLE_HEIGHT = 17;

// Scientific pad: four columns of functions between the modifiers and the digits. The INV and
// HYP overlays cover them from their top left corner.
const int FUNCTION_LEFT = 25;
const int FUNCTION_WIDTH = 24;
const int FUNCTION_1 = FUNCTION_LEFT;
const int FUNCTION_2 = FUNCTION_LEFT + FUNCTION_WIDTH;
const int FUNCTION_3 = FUNCTION_LEFT + 2 * FUNCTION_WIDTH;
const int FUNCTION_4 = FUNCTION_LEFT + 3 * FUNCTION_WIDTH;

// Programmer pad: the four radix keys, lower than the other rows, over the first row; the bit
// operators under them; the digits A to F left of the digit block.
const int RADIX_LEFT = 1;
const int RADIX_WIDTH = 20;
const int RADIX_HEIGHT = 15;
const int LOGIC_LEFT = 24;
const int LOGIC_1 = LOGIC_LEFT;
const int LOGIC_2 = LOGIC_LEFT + DIGIT_WIDTH;
const int LOGIC_3 = LOGIC_LEFT + 2 * DIGIT_WIDTH;
const int HEX_LEFT = 83;
const int HEX_1 = HEX_LEFT;
const int HEX_2 = HEX_LEFT + DIGIT_WIDTH;

// The direct row covers the display, eleven keys side by side from its own origin.
const int DIRECT_LEFT = 12;
const int DIRECT_TOP = 1;
const int DIRECT_WIDTH = 15;
const int DIRECT_HEIGHT = 17;
const int DIRECT_KEY_TOP = 2; // within the direct row

constexpr int RadixLeft(int nRadix)
{
    return RADIX_LEFT + nRadix * RADIX_WIDTH;
}

constexpr int DirectLeft(int nPosition)
{
    return 1 + nPosition * DIRECT_WIDTH;
}

} // namespace

// Keys 0 to 11 are the same on both pads.
// clang-format off
#define COMMON_KEYS                                                                                      \
  /* kind         code       inv hyp both char left        top      width               height */        \
    {KEY_COMMAND, CMD_DEL,   0,  0,  0,   0,   OPERATOR_1, TOP_ROW, OPERATOR_WIDTH,     TOP_ROW_HEIGHT}, \
    {KEY_COMMAND, CMD_AC,    0,  0,  0,   0,   OPERATOR_2, TOP_ROW, OPERATOR_WIDTH,     TOP_ROW_HEIGHT}, \
    {KEY_COMMAND, CMD_MUL,   0,  0,  0,   '*', OPERATOR_1, ROW_1,   OPERATOR_WIDTH,     ROW_HEIGHT},     \
    {KEY_COMMAND, CMD_DIV,   0,  0,  0,   '/', OPERATOR_2, ROW_1,   OPERATOR_WIDTH,     ROW_HEIGHT},     \
    {KEY_COMMAND, CMD_ADD,   0,  0,  0,   '+', OPERATOR_1, ROW_2,   OPERATOR_WIDTH,     ROW_HEIGHT},     \
    {KEY_COMMAND, CMD_SUB,   0,  0,  0,   '-', OPERATOR_2, ROW_2,   OPERATOR_WIDTH,     ROW_HEIGHT},     \
    {KEY_COMMAND, CMD_EQUAL, 0,  0,  0,   '=', OPERATOR_1, ROW_3,   2 * OPERATOR_WIDTH, ROW_HEIGHT},     \
    {KEY_INPUT,   CMD_INPUT, 0,  0,  0,   0,   INPUT_LEFT, TOP_ROW, OPERATOR_WIDTH,     TOP_ROW_HEIGHT}, \
    {KEY_COMMAND, CMD_SIGN,  0,  0,  0,   0,   DIGIT_1,    ROW_1,   DIGIT_WIDTH,        ROW_HEIGHT},     \
    {KEY_CHAR,    0,         0,  0,  0,   '7', DIGIT_2,    ROW_1,   DIGIT_WIDTH,        ROW_HEIGHT},     \
    {KEY_CHAR,    0,         0,  0,  0,   '8', DIGIT_3,    ROW_1,   DIGIT_WIDTH,        ROW_HEIGHT},     \
    {KEY_CHAR,    0,         0,  0,  0,   '9', DIGIT_4,    ROW_1,   DIGIT_WIDTH,        ROW_HEIGHT}

const LayoutTables g_Layout = {
    // key counts, INV/HYP overlay origin, direct row origin, radix keys
    {{36, 37}, FUNCTION_LEFT, ROW_1, DIRECT_LEFT, DIRECT_TOP,
     {RADIX_STRIP_FIRST_KEY, RADIX_STRIP_FIRST_KEY + 1, RADIX_STRIP_FIRST_KEY + 2, RADIX_STRIP_LAST_KEY}},
    {{{
         // PAD_SCIENTIFIC
         COMMON_KEYS,
       // kind           code        inv        hyp       both       char left           top         width           height
         {KEY_CHAR,      0,          0,         0,        0,         '.', DIGIT_1,       ROW_2,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,         0,        0,         '4', DIGIT_2,       ROW_2,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,         0,        0,         '5', DIGIT_3,       ROW_2,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,         0,        0,         '6', DIGIT_4,       ROW_2,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,         0,        0,         '0', DIGIT_1,       ROW_3,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,         0,        0,         '1', DIGIT_2,       ROW_3,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,         0,        0,         '2', DIGIT_3,       ROW_3,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,         0,        0,         '3', DIGIT_4,       ROW_3,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_COMMAND,   CMD_SIN,    CMD_ASIN,  CMD_SINH, CMD_ASINH, 0,   FUNCTION_1,    ROW_1,      FUNCTION_WIDTH, ROW_HEIGHT},
         {KEY_COMMAND,   CMD_RECIP,  0,         0,        0,         0,   FUNCTION_2,    ROW_1,      FUNCTION_WIDTH, ROW_HEIGHT},
         {KEY_COMMAND,   CMD_SQUARE, 0,         0,        0,         0,   FUNCTION_3,    ROW_1,      FUNCTION_WIDTH, ROW_HEIGHT},
         {KEY_COMMAND,   CMD_LPAREN, 0,         0,        0,         0,   FUNCTION_4,    ROW_1,      FUNCTION_WIDTH, ROW_HEIGHT},
         {KEY_COMMAND,   CMD_COS,    CMD_ACOS,  CMD_COSH, CMD_ACOSH, 0,   FUNCTION_1,    ROW_2,      FUNCTION_WIDTH, ROW_HEIGHT},
         {KEY_COMMAND,   CMD_SQRT,   0,         0,        0,         0,   FUNCTION_2,    ROW_2,      FUNCTION_WIDTH, ROW_HEIGHT},
         {KEY_COMMAND,   CMD_POWER,  0,         0,        0,         0,   FUNCTION_3,    ROW_2,      FUNCTION_WIDTH, ROW_HEIGHT},
         {KEY_COMMAND,   CMD_RPAREN, 0,         0,        0,         0,   FUNCTION_4,    ROW_2,      FUNCTION_WIDTH, ROW_HEIGHT},
         {KEY_COMMAND,   CMD_TAN,    CMD_ATAN,  CMD_TANH, CMD_ATANH, 0,   FUNCTION_1,    ROW_3,      FUNCTION_WIDTH, ROW_HEIGHT},
         // Under INV and HYP together the overlay shows 10^x and e^x on these two keys, so they
         // act as shown.
         {KEY_COMMAND,   CMD_LOG,    CMD_POW10, 0,        CMD_POW10, 0,   FUNCTION_2,    ROW_3,      FUNCTION_WIDTH, ROW_HEIGHT},
         {KEY_COMMAND,   CMD_LN,     CMD_EXPE,  0,        CMD_EXPE,  0,   FUNCTION_3,    ROW_3,      FUNCTION_WIDTH, ROW_HEIGHT},
         {KEY_COMMAND,   CMD_EXP,    0,         0,        0,         0,   FUNCTION_4,    ROW_3,      FUNCTION_WIDTH, ROW_HEIGHT},
         {KEY_MODE,      CMD_INV,    0,         0,        0,         0,   MODIFIER_LEFT, ROW_1,      MODIFIER_WIDTH, ROW_HEIGHT},
         {KEY_MODE,      CMD_HYP,    0,         0,        0,         0,   MODIFIER_LEFT, ROW_2,      MODIFIER_WIDTH, ROW_HEIGHT},
         {KEY_PADSWITCH, CMD_PAD,    0,         0,        0,         0,   MODIFIER_LEFT, ROW_3,      MODIFIER_WIDTH, ROW_HEIGHT},
         {KEY_DIRECT,    CMD_DIRECT, 0,         0,        0,         0,   TOGGLE_LEFT,   TOGGLE_TOP, TOGGLE_WIDTH,   TOGGLE_HEIGHT},
     }},
     {{
         // PAD_PROGRAMMER
         COMMON_KEYS,
       // kind           code        inv hyp both char left           top         width           height
         {KEY_CHAR,      0,          0,  0,  0,   '4', DIGIT_2,       ROW_2,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,  0,  0,   '5', DIGIT_3,       ROW_2,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,  0,  0,   '6', DIGIT_4,       ROW_2,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,  0,  0,   '0', DIGIT_1,       ROW_3,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,  0,  0,   '1', DIGIT_2,       ROW_3,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,  0,  0,   '2', DIGIT_3,       ROW_3,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,  0,  0,   '3', DIGIT_4,       ROW_3,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,  0,  0,   'E', HEX_1,         ROW_1,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,  0,  0,   'F', HEX_2,         ROW_1,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,  0,  0,   'C', HEX_1,         ROW_2,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,  0,  0,   'D', HEX_2,         ROW_2,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,  0,  0,   'A', HEX_1,         ROW_3,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_CHAR,      0,          0,  0,  0,   'B', HEX_2,         ROW_3,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_MODE,      CMD_DEC,    0,  0,  0,   0,   RadixLeft(0),  ROW_1,      RADIX_WIDTH,    RADIX_HEIGHT},
         {KEY_MODE,      CMD_HEX,    0,  0,  0,   0,   RadixLeft(1),  ROW_1,      RADIX_WIDTH,    RADIX_HEIGHT},
         {KEY_MODE,      CMD_OCT,    0,  0,  0,   0,   RadixLeft(2),  ROW_1,      RADIX_WIDTH,    RADIX_HEIGHT},
         {KEY_MODE,      CMD_BIN,    0,  0,  0,   0,   RadixLeft(3),  ROW_1,      RADIX_WIDTH,    RADIX_HEIGHT},
         {KEY_COMMAND,   CMD_AND,    0,  0,  0,   0,   LOGIC_1,       ROW_2,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_COMMAND,   CMD_OR,     0,  0,  0,   0,   LOGIC_2,       ROW_2,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_COMMAND,   CMD_XOR,    0,  0,  0,   0,   LOGIC_3,       ROW_2,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_COMMAND,   CMD_SHL,    0,  0,  0,   0,   LOGIC_1,       ROW_3,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_COMMAND,   CMD_SHR,    0,  0,  0,   0,   LOGIC_2,       ROW_3,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_COMMAND,   CMD_NOT,    0,  0,  0,   0,   LOGIC_3,       ROW_3,      DIGIT_WIDTH,    ROW_HEIGHT},
         {KEY_PADSWITCH, CMD_PAD,    0,  0,  0,   0,   MODIFIER_LEFT, ROW_3,      MODIFIER_WIDTH, ROW_HEIGHT},
         {KEY_DIRECT,    CMD_DIRECT, 0,  0,  0,   0,   TOGGLE_LEFT,   TOGGLE_TOP, TOGGLE_WIDTH,   TOGGLE_HEIGHT},
     }}},
    {
        // The direct row, placed from its origin. The keys with a character send it too.
      // kind      code         inv hyp both char         left            top             width         height
        {KEY_VKEY, VKEY_ESCAPE, 0,  0,  0,   VKEY_ESCAPE, DirectLeft(0),  DIRECT_KEY_TOP, DIRECT_WIDTH, DIRECT_HEIGHT},
        {KEY_VKEY, VKEY_TAB,    0,  0,  0,   VKEY_TAB,    DirectLeft(1),  DIRECT_KEY_TOP, DIRECT_WIDTH, DIRECT_HEIGHT},
        {KEY_VKEY, VKEY_PRIOR,  0,  0,  0,   0,           DirectLeft(2),  DIRECT_KEY_TOP, DIRECT_WIDTH, DIRECT_HEIGHT},
        {KEY_VKEY, VKEY_NEXT,   0,  0,  0,   0,           DirectLeft(3),  DIRECT_KEY_TOP, DIRECT_WIDTH, DIRECT_HEIGHT},
        {KEY_VKEY, VKEY_UP,     0,  0,  0,   0,           DirectLeft(4),  DIRECT_KEY_TOP, DIRECT_WIDTH, DIRECT_HEIGHT},
        {KEY_VKEY, VKEY_DOWN,   0,  0,  0,   0,           DirectLeft(5),  DIRECT_KEY_TOP, DIRECT_WIDTH, DIRECT_HEIGHT},
        {KEY_VKEY, VKEY_LEFT,   0,  0,  0,   0,           DirectLeft(6),  DIRECT_KEY_TOP, DIRECT_WIDTH, DIRECT_HEIGHT},
        {KEY_VKEY, VKEY_RIGHT,  0,  0,  0,   0,           DirectLeft(7),  DIRECT_KEY_TOP, DIRECT_WIDTH, DIRECT_HEIGHT},
        {KEY_VKEY, VKEY_RETURN, 0,  0,  0,   VKEY_RETURN, DirectLeft(8),  DIRECT_KEY_TOP, DIRECT_WIDTH, DIRECT_HEIGHT},
        {KEY_VKEY, VKEY_DELETE, 0,  0,  0,   0,           DirectLeft(9),  DIRECT_KEY_TOP, DIRECT_WIDTH, DIRECT_HEIGHT},
        {KEY_VKEY, VKEY_BACK,   0,  0,  0,   VKEY_BACK,   DirectLeft(10), DIRECT_KEY_TOP, DIRECT_WIDTH, DIRECT_HEIGHT},
    },
};
// clang-format on

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

int PadScale(int nWidth, int nHeight)
{
    int nScale = MAX_PAD_SCALE;
    while (nScale > 1 && (PAD_WIDTH * nScale > nWidth || PAD_HEIGHT * nScale > nHeight))
        --nScale;
    return nScale;
}

KeyBounds KeyRectangle(int nKey, const KeyDef* pKey, int nScale)
{
    int nLeft = pKey->nLeft;
    int nTop = pKey->nTop;
    if (nKey >= DIRECT_KEY_BASE)
    {
        nLeft += g_Layout.header.nDirectLeft;
        nTop += g_Layout.header.nDirectTop;
    }
    return {nLeft * nScale, nTop * nScale, (nLeft + pKey->nWidth) * nScale,
            (nTop + pKey->nHeight) * nScale};
}

bool IsActiveInDirectMode(const KeyDef* pKey)
{
    return pKey->wKind == KEY_DIRECT || pKey->wChar != 0;
}

int FindCharKey(int nPadType, uint16_t wChar)
{
    for (int i = 0; i < g_Layout.header.nKeyCount[nPadType]; ++i)
    {
        const KeyDef& key = g_Layout.aPads[nPadType].aKeys[i];
        if (key.wKind == KEY_CHAR && key.wChar == wChar)
            return i;
    }
    return NO_KEY;
}

int FindCodeKey(int nPadType, uint16_t wCode)
{
    for (int i = 0; i < g_Layout.header.nKeyCount[nPadType]; ++i)
    {
        const KeyDef& key = g_Layout.aPads[nPadType].aKeys[i];
        if (key.wKind != KEY_CHAR && key.wCode == wCode)
            return i;
    }
    return NO_KEY;
}

int FindDirectRowKey(uint16_t wVirtualKey)
{
    for (int j = 0; j < DIRECT_ROW_KEYS; ++j)
    {
        if (g_Layout.aDirectRow[j].wCode == wVirtualKey)
            return DIRECT_KEY_BASE + j;
    }
    return NO_KEY;
}
