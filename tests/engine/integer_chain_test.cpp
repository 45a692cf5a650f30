// The programmer pad against plain uint32_t arithmetic: random chains of operators, functions and
// powers in every radix, the display compared after each step.

#include "engine/number_text.h"
#include "tests/engine/calculator_fixture.h"
#include "tests/engine/number_text_samples.h"

#include <cstdint>

namespace
{

const int CHAIN_COUNT = 4000; // per radix
const uint32_t BINARY_LIMIT = 0xFFFF;

struct Step
{
    const char* pszKey;
    bool bBinary; // a binary operator; otherwise a function of the value shown
};

const Step g_aSteps[] = {
    {"+", true},    {"-", true},    {"*", true},     {"/", true},     {"AND", true},
    {"OR", true},   {"XOR", true},  {"x^y", true},   {"NOT", false},  {"SHL", false},
    {"SHR", false}, {"x^2", false}, {"10^x", false}, {"sqrt", false},
};
const int STEP_COUNT = sizeof g_aSteps / sizeof g_aSteps[0];

// Square and multiply from the top bit down.
uint32_t Power(uint32_t uBase, uint32_t uExponent)
{
    uint32_t uResult = 1;
    for (int nBit = 31; nBit >= 0; --nBit)
    {
        uResult *= uResult;
        if ((uExponent >> nBit & 1) != 0)
            uResult *= uBase;
    }
    return uResult;
}

uint32_t SquareRoot(uint32_t uValue)
{
    uint64_t uLow = 0, uHigh = 0x10000;
    while (uLow + 1 < uHigh)
    {
        uint64_t uMiddle = (uLow + uHigh) / 2;
        (uMiddle * uMiddle <= uValue ? uLow : uHigh) = uMiddle;
    }
    return static_cast<uint32_t>(uLow);
}

// The reference, one step at a time; false for a division by zero.
bool Apply(const char* pszKey, uint32_t uLeft, uint32_t uRight, bool bBinary, uint32_t* pResult)
{
    std::string key = pszKey;
    if (key == "+")
        *pResult = uLeft + uRight;
    else if (key == "-")
        *pResult = uLeft - uRight;
    else if (key == "*")
        *pResult = uLeft * uRight;
    else if (key == "/")
    {
        if (uRight == 0)
            return false;
        *pResult = uLeft / uRight;
    }
    else if (key == "AND")
        *pResult = uLeft & uRight;
    else if (key == "OR")
        *pResult = uLeft | uRight;
    else if (key == "XOR")
        *pResult = uLeft ^ uRight;
    else if (key == "x^y")
        *pResult = Power(uLeft, uRight);
    else if (key == "NOT")
        *pResult = bBinary ? ~uLeft & BINARY_LIMIT : ~uLeft;
    else if (key == "SHL")
        *pResult = bBinary ? (uLeft << 1) & BINARY_LIMIT : uLeft << 1;
    else if (key == "SHR")
        *pResult = uLeft >> 1;
    else if (key == "x^2")
        *pResult = uLeft * uLeft;
    else if (key == "10^x")
        *pResult = Power(10, uLeft);
    else
        *pResult = SquareRoot(uLeft);
    return true;
}

std::string Text(uint32_t uValue, int nBase)
{
    char szText[40];
    FormatUnsigned(uValue, nBase, szText, sizeof szText);
    return szText;
}

// Operands that reach every bit, the ends of the range and small values that keep powers alive.
uint32_t RandomOperand(SampleRandom* pRandom, bool bBinary)
{
    uint64_t n = NextRandom(pRandom);
    uint32_t u;
    switch (n % 4)
    {
    case 0: u = static_cast<uint32_t>(n >> 32) % 16; break;
    case 1: u = 0xFFFFFFFFu - static_cast<uint32_t>(n >> 32) % 4; break;
    default: u = static_cast<uint32_t>(n >> 32); break;
    }
    return bBinary ? u & BINARY_LIMIT : u;
}

} // namespace

TEST_F(CalculatorTest, ProgrammerPadChainsAgreeWithUnsigned32BitArithmetic)
{
    const int anBase[] = {10, 16, 8, 2};
    SampleRandom random = {9};
    for (int nRadix : {RADIX_DEC, RADIX_HEX, RADIX_OCT, RADIX_BIN})
    {
        const int nBase = anBase[nRadix];
        const bool bBinary = nRadix == RADIX_BIN;
        for (int nChain = 0; nChain < CHAIN_COUNT; ++nChain)
        {
            Start(MODE_INTEGER, nRadix);
            uint32_t uValue = RandomOperand(&random, bBinary);
            std::string keys = Text(uValue, nBase);
            Keys(keys.c_str());
            bool bError = false;
            int nLength = 1 + static_cast<int>(NextRandom(&random) % 6);
            for (int i = 0; i < nLength && !bError; ++i)
            {
                const Step& step = g_aSteps[NextRandom(&random) % STEP_COUNT];
                uint32_t uRight = RandomOperand(&random, bBinary);
                std::string press = std::string(step.pszKey) + " ";
                if (step.bBinary)
                    press += Text(uRight, nBase) + " =";
                keys += " " + press;
                // A value beyond 16 bits cannot be shown in binary.
                bError = !Apply(step.pszKey, uValue, uRight, bBinary, &uValue) ||
                         (bBinary && uValue > BINARY_LIMIT);
                ASSERT_EQ(bError ? "Error" : Text(uValue, nBase), Keys(press.c_str()))
                    << "radix " << nBase << ": " << keys;
            }
        }
    }
}

TEST_F(CalculatorTest, ProgrammerPadOperandsAreTheValuesShown)
{
    const KeyCase aHex[] = {
        {"FFFFFFFF * FFFFFFFF =", "1", 0},
        {"3 - 5 =", "FFFFFFFE", 0},
        {"3 - 5 / 3 =", "55555554", 0},
        {"FFFFFFFF + 1 / 2 =", "0", 0},
        {"FFFFFFFF + 1 +", "0", 0},
        {"2 x^y FFFFFFFF =", "0", 0},
        {"FFFF x^2", "FFFE0001", 0},
        {"A 10^x", "540BE400", 0},
        {"7 / 0 =", "Error", 0},
        {"0 - 1 = sqrt", "FFFF", 0},
        {"5 sin", "0", 0},
        {"0 ln", "Error", 0},
        {"0 1/x", "Error", 0},
        {"1 1/x", "1", 0},
    };
    ExpectCases(aHex, MODE_INTEGER, RADIX_HEX);
    const KeyCase aDecimal[] = {
        {"3 x^y 40 =", "689956897", 0}, {"7 / 2 =", "3", 0},         {"5 = sign", "4294967291", 0},
        {"5 = sign + 6 =", "1", 0},     {"3 - 5 = x^y 2 =", "4", 0}, {"30 e^x", "Error", 0},
    };
    ExpectCases(aDecimal, MODE_INTEGER, RADIX_DEC);
    ExpectCases({{"1 - 10 =", "Error", 0}, {"10 x^y 10000 =", "Error", 0}}, MODE_INTEGER,
                RADIX_BIN);
}
