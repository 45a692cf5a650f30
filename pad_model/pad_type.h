#pragma once
// The two pads and what each is to the calculator: the scientific pad computes in the decimal
// number mode, the programmer pad in the integer mode, shown in the radix its radix keys choose.
// A pad type, a number mode and a radix are different things that happen to share small numbers;
// these conversions say which is meant.

#include "engine/calculator.h"
#include "engine/command_codes.h"

enum PadType
{
    PAD_SCIENTIFIC = 0,
    PAD_PROGRAMMER = 1,
};

const int PAD_COUNT = 2;

inline int NumberModeOfPad(int nPadType)
{
    return nPadType == PAD_PROGRAMMER ? MODE_INTEGER : MODE_DECIMAL;
}

inline int PadOfNumberMode(int nMode)
{
    return nMode == MODE_INTEGER ? PAD_PROGRAMMER : PAD_SCIENTIFIC;
}

// The pad that the pad switch key shows next.
inline int OtherPad(int nPadType)
{
    return nPadType == PAD_SCIENTIFIC ? PAD_PROGRAMMER : PAD_SCIENTIFIC;
}

// The radix a radix key chooses: the keys carry CMD_DEC to CMD_BIN, in the radixes' order.
static_assert(CMD_HEX == CMD_DEC + RADIX_HEX && CMD_OCT == CMD_DEC + RADIX_OCT &&
                  CMD_BIN == CMD_DEC + RADIX_BIN,
              "the radix keys' codes follow the radixes");
inline int RadixOfKeyCode(unsigned nCode)
{
    return static_cast<int>(nCode - CMD_DEC) + RADIX_DEC;
}
