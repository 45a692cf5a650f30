// Every real function against mpmath's correctly rounded results, bit for bit (the cases are made
// by function_reference.py table): arguments near multiples of pi/2, subnormal results, e^x near
// overflow and underflow, x^y with negative bases and whole exponents, exact and halfway results
// of x^y and 10^x, the domains' edges, special values and a seeded random sample of each.

#include "cli/key_names.h"
#include "engine/command_codes.h"
#include "engine/double_double.h"
#include "engine/float_bits.h"
#include "engine/power.h"
#include "engine/real_functions.h"
#include "pad_model/layout.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace
{

struct FunctionCase
{
    const char* pszKey; // the function's key name; x^y takes both arguments
    uint64_t nX;
    uint64_t nY;
    uint64_t nResult;
};

const FunctionCase g_aCases[] = {
#include "tests/engine/function_cases.inc"
};

} // namespace

TEST(FunctionAccuracyTest, CorrectlyRoundedAtEveryCase)
{
    int nWrong = 0;
    for (const FunctionCase& c : g_aCases)
    {
        const KeyName* pKey = FindKeyName(c.pszKey);
        ASSERT_TRUE(pKey != nullptr && pKey->wKind == KEY_COMMAND) << c.pszKey;
        double x = DoubleFromBits(c.nX);
        double y = DoubleFromBits(c.nY);
        double dblResult = RoundToDouble(
            pKey->wValue == CMD_POWER ? Power(x, y) : EvaluateRealFunction(pKey->wValue, x));
        double dblExpected = DoubleFromBits(c.nResult);
        uint64_t nBits = BitsOf(dblResult);
        // Any NaN stands for NaN: the references have one bit pattern for all.
        bool bRight = nBits == c.nResult || (dblResult != dblResult && dblExpected != dblExpected);
        if (!bRight && nWrong++ < 20)
            ADD_FAILURE() << c.pszKey << " " << std::hexfloat << x << " " << y << " gives "
                          << dblResult << ", correctly rounded " << dblExpected;
    }
    EXPECT_EQ(0, nWrong) << "of " << sizeof g_aCases / sizeof g_aCases[0] << " cases";
}
