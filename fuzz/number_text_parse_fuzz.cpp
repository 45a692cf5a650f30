// Reads arbitrary text as a decimal and as an unsigned number in each radix: the results must be
// glibc's wherever both read the same syntax, and every value read must write and read back
// consistently.

#include "engine/number_text.h"
#include "fuzz/fuzz_check.h"
#include "tests/engine/number_text_samples.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

bool IsDecimalSyntax(const std::string& str)
{
    return str.find_first_not_of("0123456789.eE+- \t\n\v\f\r") == std::string::npos;
}

// strtoull's magnitude, saturated and negated as a 32-bit wcstoul does.
bool ExpectedUnsigned(const std::string& str, int nBase, uint32_t* pExpected)
{
    size_t nStart = str.find_first_not_of(" \t\n\v\f\r");
    if (nStart == std::string::npos)
        return false;
    bool bNegative = str[nStart] == '-';
    if (str[nStart] == '+' || str[nStart] == '-')
        ++nStart;
    if (nStart < str.size() && std::string(" \t\n\v\f\r+-").find(str[nStart]) != std::string::npos)
        return false;
    errno = 0;
    unsigned long long nMagnitude = std::strtoull(str.c_str() + nStart, nullptr, nBase);
    if (errno == ERANGE || nMagnitude > 0xFFFFFFFFu)
        *pExpected = 0xFFFFFFFFu;
    else
        *pExpected =
            bNegative ? 0u - static_cast<uint32_t>(nMagnitude) : static_cast<uint32_t>(nMagnitude);
    return true;
}

void CheckRoundTrips(double dblValue)
{
    if (!std::isfinite(dblValue))
        return;
    char sz[64];
    FormatGeneral(dblValue, 17, sz, sizeof sz);
    FUZZ_CHECK(BitsOf(ParseDecimal(Widen(sz).c_str())) == BitsOf(dblValue), sz);
    FormatExponential(dblValue, 16, sz, sizeof sz);
    FUZZ_CHECK(BitsOf(ParseDecimal(Widen(sz).c_str())) == BitsOf(dblValue), sz);
    // Fifteen digits come back as written, unless rounding up took them beyond DBL_MAX.
    char szAgain[64];
    FormatExponential(dblValue, 14, sz, sizeof sz);
    const double dblAgain = ParseDecimal(Widen(sz).c_str());
    FormatExponential(dblAgain, 14, szAgain, sizeof szAgain);
    FUZZ_CHECK(std::isinf(dblAgain) || std::string(sz) == szAgain, sz);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t cb)
{
    // Exactly as long as the input, so that reading past the terminator is caught.
    std::vector<WideChar> text(pData, pData + cb);
    text.push_back(0);
    const std::string strNarrow(pData, pData + cb);
    bool bAscii = true;
    for (unsigned char ch : strNarrow)
        bAscii = bAscii && ch != 0 && ch < 0x80;

    const double dblValue = ParseDecimal(text.data());
    if (bAscii && IsDecimalSyntax(strNarrow))
    {
        const double dblExpected = std::strtod(strNarrow.c_str(), nullptr);
        FUZZ_CHECK(BitsOf(dblValue) == BitsOf(dblExpected), strNarrow.c_str());
    }
    CheckRoundTrips(dblValue);

    for (int nBase : {2, 8, 10, 16})
    {
        const uint32_t uValue = ParseUnsigned(text.data(), nBase);
        uint32_t uExpected;
        if (bAscii && ExpectedUnsigned(strNarrow, nBase, &uExpected))
            FUZZ_CHECK(uValue == uExpected, strNarrow.c_str());
        char sz[40];
        FormatUnsigned(uValue, nBase, sz, sizeof sz);
        FUZZ_CHECK(ParseUnsigned(Widen(sz).c_str(), nBase) == uValue, sz);
    }
    return 0;
}
