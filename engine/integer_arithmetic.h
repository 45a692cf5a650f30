#pragma once
// The programmer pad's arithmetic: unsigned 32-bit integers, every result reduced modulo 2^32,
// exact where doubles would round (FFFFFFFF * FFFFFFFF is 1).

#include <cstdint>

// The binary operator nOp (a CommandCode) on two operands, as a double for the level's value:
// division truncates; division by zero gives NaN, which the range check turns into Error.
double ApplyIntegerOperator(unsigned nOp, uint32_t uLeft, uint32_t uRight);

// uBase to the power uExponent modulo 2^32; 0 to the power 0 is 1.
uint32_t IntegerPower(uint32_t uBase, uint32_t uExponent);
