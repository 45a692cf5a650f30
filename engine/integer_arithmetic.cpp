#include "engine/integer_arithmetic.h"

#include "engine/command_codes.h"
#include "engine/float_bits.h"

double ApplyIntegerOperator(unsigned nOp, uint32_t uLeft, uint32_t uRight)
{
    switch (nOp)
    {
    case CMD_ADD: return static_cast<uint32_t>(uLeft + uRight);
    case CMD_SUB: return static_cast<uint32_t>(uLeft - uRight);
    case CMD_MUL: return static_cast<uint32_t>(uLeft * uRight);
    case CMD_DIV: return uRight != 0 ? uLeft / uRight : NOT_A_NUMBER;
    case CMD_AND: return uLeft & uRight;
    case CMD_OR: return uLeft | uRight;
    case CMD_XOR: return uLeft ^ uRight;
    default: return uRight;
    }
}

uint32_t IntegerPower(uint32_t uBase, uint32_t uExponent)
{
    uint32_t uResult = 1;
    for (; uExponent != 0; uExponent >>= 1)
    {
        if ((uExponent & 1) != 0)
            uResult *= uBase;
        uBase *= uBase;
    }
    return uResult;
}
