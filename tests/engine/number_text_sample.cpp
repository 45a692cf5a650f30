// Formats a fixed pseudo-random sample of doubles in the three notations, reads every text back
// and prints a digest of all texts and bits with a few sample lines. Both builds must print the
// same; ctest compares them (compare_sample_output.cmake).

#include "engine/number_text.h"
#include "tests/engine/number_text_samples.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

const int SAMPLE_COUNT = 1000000;

// FNV-1a, 64 bits.
struct Digest
{
    uint64_t m_nHash;
};

void AddBytes(Digest* p, const void* pData, size_t cb)
{
    const unsigned char* pByte = static_cast<const unsigned char*>(pData);
    for (size_t i = 0; i < cb; ++i)
        p->m_nHash = (p->m_nHash ^ pByte[i]) * 0x100000001B3ULL;
}

} // namespace

int main(int argc, char** argv)
{
    const int nCount = argc > 1 ? std::atoi(argv[1]) : SAMPLE_COUNT;
    Digest digest = {0xCBF29CE484222325ULL};
    SampleRandom random = {1};
    for (int i = 0; i < nCount; ++i)
    {
        const double dblValue = SampleDouble(&random);
        char aszText[3][128];
        FormatGeneral(dblValue, 16, aszText[0], sizeof aszText[0]);
        FormatExponential(dblValue, 14, aszText[1], sizeof aszText[1]);
        FormatFixed(dblValue, 6, aszText[2], sizeof aszText[2]);
        uint64_t anBits[3];
        for (int nText = 0; nText < 3; ++nText)
        {
            anBits[nText] = BitsOf(ParseDecimal(Widen(aszText[nText]).c_str()));
            AddBytes(&digest, aszText[nText], std::strlen(aszText[nText]) + 1);
            AddBytes(&digest, &anBits[nText], sizeof anBits[nText]);
        }
        if (i % (nCount / 8 + 1) == 0)
        {
            std::printf("%s | %s | %.40s | %08X%08X\n", aszText[0], aszText[1], aszText[2],
                        static_cast<unsigned>(anBits[0] >> 32), static_cast<unsigned>(anBits[0]));
        }
    }
    std::printf("%d values, digest %08X%08X\n", nCount, static_cast<unsigned>(digest.m_nHash >> 32),
                static_cast<unsigned>(digest.m_nHash));
    return 0;
}
