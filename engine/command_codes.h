#pragma once
// The numbers that keys carry. Codes marked "keypad" are handled by the keypad itself and never
// reach ExecuteCommand. 0 means no code: no pending operator, or no modifier variant of a key.

enum CommandCode : unsigned short
{
    CMD_NONE = 0,
    CMD_CE = 1,
    CMD_AC = 2,
    CMD_DEL = 3,
    CMD_MUL = 4,
    CMD_DIV = 5,
    CMD_ADD = 6,
    CMD_SUB = 7,
    CMD_EQUAL = 8,
    CMD_INPUT = 9, // keypad: send the display text
    CMD_SIGN = 10,
    CMD_SIN = 11,
    CMD_RECIP = 12,
    CMD_SQUARE = 13,
    CMD_LPAREN = 14,
    CMD_COS = 15,
    CMD_SQRT = 16,
    CMD_POWER = 17,
    CMD_RPAREN = 18,
    CMD_TAN = 19,
    CMD_LOG = 20,
    CMD_LN = 21,
    CMD_EXP = 22,
    CMD_INV = 23, // keypad
    CMD_HYP = 24, // keypad
    CMD_PAD = 25, // keypad
    CMD_DEC = 26, // keypad
    CMD_HEX = 27, // keypad
    CMD_OCT = 28, // keypad
    CMD_BIN = 29, // keypad
    CMD_AND = 30,
    CMD_OR = 31,
    CMD_XOR = 32,
    CMD_SHL = 33,
    CMD_SHR = 34,
    CMD_NOT = 35,
    CMD_ASIN = 36,
    CMD_ACOS = 37,
    CMD_ATAN = 38,
    CMD_POW10 = 39,
    CMD_EXPE = 40,
    CMD_SINH = 41,
    CMD_COSH = 42,
    CMD_TANH = 43,
    CMD_ASINH = 44,
    CMD_ACOSH = 45,
    CMD_ATANH = 46,
    CMD_DIRECT = 47, // keypad
};
