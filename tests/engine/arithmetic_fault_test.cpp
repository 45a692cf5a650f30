// A host may run with floating-point exceptions unmasked. Faults must still end in the error
// state rather than a trap, and the host must get its settings back.

#include "tests/engine/calculator_fixture.h"

#include <cfenv>
#ifdef _WIN32
#include <float.h>
#endif

namespace
{

#ifdef _WIN32
unsigned ControlWord()
{
    unsigned uWord = 0;
    _controlfp_s(&uWord, 0, 0);
    return uWord;
}

void UnmaskFaults()
{
    unsigned uWord = 0;
    _controlfp_s(&uWord, _MCW_EM & ~(_EM_ZERODIVIDE | _EM_INVALID | _EM_OVERFLOW), _MCW_EM);
}

void MaskFaults()
{
    unsigned uWord = 0;
    _controlfp_s(&uWord, _MCW_EM, _MCW_EM);
}
#else
unsigned ControlWord()
{
    return static_cast<unsigned>(fegetexcept());
}

void UnmaskFaults()
{
    feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
}

void MaskFaults()
{
    fedisableexcept(FE_ALL_EXCEPT);
}
#endif

} // namespace

class ArithmeticFaultTest : public CalculatorTest
{
  protected:
    void SetUp() override
    {
        CalculatorTest::SetUp();
        UnmaskFaults();
        uHostWord = ControlWord();
    }
    void TearDown() override { MaskFaults(); }

    unsigned uHostWord = 0;
};

TEST_F(ArithmeticFaultTest, FaultsBecomeTheErrorStateWithTrapsEnabled)
{
    const char* apszKeys[] = {
        "1 / 0 =", "0 / 0 =", "2 sign sqrt", "10 x^y 400 =", "0 ln", "1 atanh", "9 exp 300 x^2"};
    for (const char* pszKeys : apszKeys)
    {
        Start(MODE_DECIMAL);
        EXPECT_EQ("Error", Keys(pszKeys)) << pszKeys;
        EXPECT_EQ(uHostWord, ControlWord()) << pszKeys;
    }
    Start(MODE_INTEGER);
    EXPECT_EQ("Error", Keys("7 / 0 ="));
    EXPECT_EQ(uHostWord, ControlWord());
}

#if defined(_WIN32) && defined(__i386__)
// Nothing in the engine computes on the x87 unit, whose precision the host sets: a host at
// extended precision (mingw-w64's start-up sets it) must see what a host at double precision
// sees, and keep its precision.
TEST_F(CalculatorTest, ResultsDoNotDependOnTheHostsX87Precision)
{
    const char* apszKeys[] = {"1 sinh", "2 cosh", "0.3 tanh", "1.1 tan", "0.3 asin",    "0.7 acos",
                              "3 atan", "7 log",  "7 ln",     "1.7 e^x", "2 x^y 0.3 =", "2 sqrt"};
    unsigned uWord = 0;
    for (const char* pszKeys : apszKeys)
    {
        _controlfp_s(&uWord, _PC_53, _MCW_PC);
        Start(MODE_DECIMAL);
        std::string strDouble = Keys(pszKeys);
        _controlfp_s(&uWord, _PC_64, _MCW_PC);
        Start(MODE_DECIMAL);
        EXPECT_EQ(strDouble, Keys(pszKeys)) << pszKeys;
        _controlfp_s(&uWord, 0, 0);
        EXPECT_EQ(static_cast<unsigned>(_PC_64), uWord & _MCW_PC) << pszKeys;
    }
}
#endif
