// Writes any double in the three notations with any precision into any buffer size: the texts
// must be glibc's (but for the exponent's third digit), truncated prefixes of themselves in small
// buffers without a byte written beyond, and read back to the value.
// Input: eight bytes of the double, one of the precision, one of the buffer size.

#include "engine/number_text.h"
#include "fuzz/fuzz_check.h"
#include "tests/engine/number_text_samples.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace
{

typedef void (*FormatFunction)(double, int, char*, size_t);

void CheckFormat(FormatFunction pfnFormat, char chConversion, int nPrecision, double dblValue,
                 size_t cbSmall)
{
    char szFull[512];
    pfnFormat(dblValue, nPrecision, szFull, sizeof szFull);
    const std::string strFull = szFull;
    if (std::isfinite(dblValue))
        FUZZ_CHECK(strFull == RuntimeText(chConversion, nPrecision, dblValue), szFull);
    else
        FUZZ_CHECK(strFull.find("1.#") != std::string::npos, szFull);

    // A buffer of exactly cbSmall bytes, so that any write beyond it is caught.
    std::vector<char> small(cbSmall);
    pfnFormat(dblValue, nPrecision, small.data(), cbSmall);
    if (cbSmall > 0)
        FUZZ_CHECK(strFull.compare(0, cbSmall - 1, small.data()) == 0, szFull);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t cb)
{
    uint8_t abInput[10] = {};
    std::memcpy(abInput, pData, cb < sizeof abInput ? cb : sizeof abInput);
    uint64_t nBits;
    std::memcpy(&nBits, abInput, sizeof nBits);
    const double dblValue = DoubleFromBits(nBits);
    const int nPrecision = abInput[8] % 17;
    const size_t cbSmall = abInput[9];

    CheckFormat(FormatGeneral, 'g', nPrecision + 1, dblValue, cbSmall);
    CheckFormat(FormatExponential, 'e', nPrecision, dblValue, cbSmall);
    CheckFormat(FormatFixed, 'f', nPrecision, dblValue, cbSmall);

    if (std::isfinite(dblValue))
    {
        char sz[64];
        FormatGeneral(dblValue, 17, sz, sizeof sz);
        FUZZ_CHECK(BitsOf(ParseDecimal(Widen(sz).c_str())) == nBits, sz);
        FormatExponential(dblValue, 16, sz, sizeof sz);
        FUZZ_CHECK(BitsOf(ParseDecimal(Widen(sz).c_str())) == nBits, sz);
    }
    return 0;
}
