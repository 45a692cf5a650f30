#include "tools/artwork/key_labels.h"

#include "engine/command_codes.h"

namespace
{

struct CodeLabel
{
    uint16_t wCode;
    Label label;
};

const CodeLabel g_aCommandLabels[] = {
    {CMD_DEL, {FONT_LARGE, "C"}},        {CMD_AC, {FONT_LARGE, "AC"}},
    {CMD_MUL, {FONT_LARGE, "×"}},        {CMD_DIV, {FONT_LARGE, "/"}},
    {CMD_ADD, {FONT_LARGE, "+"}},        {CMD_SUB, {FONT_LARGE, "−"}},
    {CMD_EQUAL, {FONT_LARGE, "="}},      {CMD_SIGN, {FONT_LARGE, "+/−"}},
    {CMD_SIN, {FONT_LARGE, "sin"}},      {CMD_RECIP, {FONT_LARGE, "1/x"}},
    {CMD_SQUARE, {FONT_LARGE, "x²"}},    {CMD_LPAREN, {FONT_LARGE, "(…"}},
    {CMD_COS, {FONT_LARGE, "cos"}},      {CMD_SQRT, {FONT_LARGE, "√"}},
    {CMD_POWER, {FONT_LARGE, "xʸ"}},     {CMD_RPAREN, {FONT_LARGE, "…)"}},
    {CMD_TAN, {FONT_LARGE, "tan"}},      {CMD_LOG, {FONT_LARGE, "log"}},
    {CMD_LN, {FONT_LARGE, "ln"}},        {CMD_EXP, {FONT_LARGE, "exp"}},
    {CMD_INV, {FONT_LARGE, "inv"}},      {CMD_HYP, {FONT_LARGE, "hyp"}},
    {CMD_DEC, {FONT_SMALL, "DEC"}},      {CMD_HEX, {FONT_SMALL, "HEX"}},
    {CMD_OCT, {FONT_SMALL, "OCT"}},      {CMD_BIN, {FONT_SMALL, "BIN"}},
    {CMD_AND, {FONT_SMALL, "AND"}},      {CMD_OR, {FONT_SMALL, "OR"}},
    {CMD_XOR, {FONT_SMALL, "XOR"}},      {CMD_SHL, {FONT_LARGE, "←\u2009·"}},
    {CMD_SHR, {FONT_LARGE, "·\u2009→"}}, {CMD_NOT, {FONT_SMALL, "NOT"}},
    {CMD_ASIN, {FONT_LARGE, "asin"}},    {CMD_ACOS, {FONT_LARGE, "acos"}},
    {CMD_ATAN, {FONT_LARGE, "atan"}},    {CMD_POW10, {FONT_LARGE, "10ˣ"}},
    {CMD_EXPE, {FONT_LARGE, "eˣ"}},      {CMD_SINH, {FONT_LARGE, "sinh"}},
    {CMD_COSH, {FONT_LARGE, "cosh"}},    {CMD_TANH, {FONT_LARGE, "tanh"}},
    {CMD_ASINH, {FONT_LARGE, "asinh"}},  {CMD_ACOSH, {FONT_LARGE, "acosh"}},
    {CMD_ATANH, {FONT_LARGE, "atanh"}},
};

// Character keys by their character.
const CodeLabel g_aCharacterLabels[] = {
    {'0', {FONT_LARGE, "0"}}, {'1', {FONT_LARGE, "1"}}, {'2', {FONT_LARGE, "2"}},
    {'3', {FONT_LARGE, "3"}}, {'4', {FONT_LARGE, "4"}}, {'5', {FONT_LARGE, "5"}},
    {'6', {FONT_LARGE, "6"}}, {'7', {FONT_LARGE, "7"}}, {'8', {FONT_LARGE, "8"}},
    {'9', {FONT_LARGE, "9"}}, {'A', {FONT_LARGE, "A"}}, {'B', {FONT_LARGE, "B"}},
    {'C', {FONT_LARGE, "C"}}, {'D', {FONT_LARGE, "D"}}, {'E', {FONT_LARGE, "E"}},
    {'F', {FONT_LARGE, "F"}}, {'.', {FONT_LARGE, "."}},
};

// Direct row keys by virtual-key code.
const CodeLabel g_aVirtualKeyLabels[] = {
    {27, {FONT_SMALL, "Esc"}}, {9, {FONT_SMALL, "Tab"}}, {33, {FONT_SMALL, "UP"}},
    {34, {FONT_SMALL, "DN"}},  {38, {FONT_LARGE, "↑"}},  {40, {FONT_LARGE, "↓"}},
    {37, {FONT_LARGE, "←"}},   {39, {FONT_LARGE, "→"}},  {13, {FONT_LARGE, "↲"}},
    {46, {FONT_SMALL, "Del"}}, {8, {FONT_SMALL, "BS"}},
};

bool FindCodeLabel(const CodeLabel* pTable, size_t cEntries, uint16_t wCode, Label* pLabel)
{
    for (size_t i = 0; i < cEntries; ++i)
        if (pTable[i].wCode == wCode)
        {
            *pLabel = pTable[i].label;
            return true;
        }
    return false;
}

} // namespace

uint16_t EffectiveCode(const KeyDef& key, bool bInv, bool bHyp)
{
    uint16_t wModified = 0;
    if (bInv && bHyp)
        wModified = key.wInvHypCode;
    else if (bInv)
        wModified = key.wInvCode;
    else if (bHyp)
        wModified = key.wHypCode;
    return wModified ? wModified : key.wCode;
}

bool KeyLabel(const KeyDef& key, bool bInv, bool bHyp, Label* pLabel)
{
    switch (key.wKind)
    {
    case KEY_CHAR:
        return FindCodeLabel(g_aCharacterLabels, sizeof(g_aCharacterLabels) / sizeof(CodeLabel),
                             key.wChar, pLabel);
    case KEY_COMMAND:
    case KEY_MODE:
        return FindCodeLabel(g_aCommandLabels, sizeof(g_aCommandLabels) / sizeof(CodeLabel),
                             EffectiveCode(key, bInv, bHyp), pLabel);
    case KEY_PADSWITCH: *pLabel = {FONT_LARGE, "⧉"}; return true;
    case KEY_INPUT: *pLabel = {FONT_LARGE, "⇧"}; return true;
    case KEY_DIRECT: *pLabel = {FONT_LARGE, "▸"}; return true;
    case KEY_VKEY:
        return FindCodeLabel(g_aVirtualKeyLabels, sizeof(g_aVirtualKeyLabels) / sizeof(CodeLabel),
                             key.wCode, pLabel);
    }
    return false;
}
