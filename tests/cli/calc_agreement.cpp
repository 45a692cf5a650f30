// vardeko-calc-agreement: seeded key sequences for vardeko-calc, and the comparison of what two
// builds of it print for them (check_agreement.sh runs both steps).
//
//   vardeko-calc-agreement keys SEED COUNT        at least COUNT keys, one calculation a line
//   vardeko-calc-agreement compare REFERENCE OTHER
//
// The comparison reads vardeko-calc's lines (key, tab, display text, and a tab and "beep"): every
// build computes with the same code, so they must be identical byte for byte, functions and
// powers included, and so must the number of lines.

#include "tests/engine/number_text_samples.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace
{

const int EXIT_USAGE = 2;

const char* const g_apszFunctions[] = {"sin",  "cos",  "tan",   "asin",  "acos",  "atan", "sinh",
                                       "cosh", "tanh", "asinh", "acosh", "atanh", "1/x",  "x^2",
                                       "sqrt", "log",  "ln",    "10^x",  "e^x"};
const char* const g_apszOperators[] = {"+", "-", "*", "/"};
const char* const g_apszBitKeys[] = {"AND", "OR", "XOR", "SHL", "SHR", "NOT"};
const char* const g_apszIntegerOperators[] = {"+", "-", "*", "/", "AND", "OR", "XOR", "x^y"};
const char* const g_apszIntegerFunctions[] = {"NOT",  "SHL",  "SHR",  "x^2",   "10^x", "sqrt",
                                              "sin",  "cos",  "atan", "e^x",   "ln",   "log",
                                              "sinh", "cosh", "tanh", "asinh", "1/x"};
const char* const g_apszRadixes[] = {"dec", "hex", "oct", "bin"};

template <size_t N> const char* Pick(SampleRandom* pRandom, const char* const (&apszNames)[N])
{
    return apszNames[NextRandom(pRandom) % N];
}

int Below(SampleRandom* pRandom, int n)
{
    return static_cast<int>(NextRandom(pRandom) % static_cast<uint64_t>(n));
}

std::string Digits(SampleRandom* pRandom, int nCount, const char* pszDigits = "0123456789")
{
    std::string text;
    size_t nBase = strlen(pszDigits);
    for (int i = 0; i < nCount; ++i)
        text += pszDigits[NextRandom(pRandom) % nBase];
    return text;
}

// A number as typed: whole, fractional, near 1, or with an exponent of up to three digits, and
// negative half the time.
std::string Number(SampleRandom* pRandom)
{
    std::string keys;
    switch (Below(pRandom, 5))
    {
    case 0: keys = Digits(pRandom, 1, "123456789") + Digits(pRandom, Below(pRandom, 9)); break;
    case 1:
        keys =
            Digits(pRandom, 1 + Below(pRandom, 3)) + "." + Digits(pRandom, 1 + Below(pRandom, 12));
        break;
    case 2:
        keys = Below(pRandom, 2) == 0
                   ? "0.99999" + Digits(pRandom, Below(pRandom, 10), "9") + Digits(pRandom, 1)
                   : "1.00000" + Digits(pRandom, Below(pRandom, 10), "0") + Digits(pRandom, 1);
        break;
    default:
        keys = Digits(pRandom, 1, "123456789") + "." + Digits(pRandom, Below(pRandom, 15)) +
               " exp " + Digits(pRandom, 1 + Below(pRandom, 3));
        if (Below(pRandom, 2) == 0)
            keys += " sign"; // during exponent entry: a negative exponent
        break;
    }
    // After an exponent a sign changes the exponent's sign, so the mantissa's sign comes first.
    if (Below(pRandom, 2) == 0)
    {
        size_t nExponent = keys.find(" exp");
        keys.insert(nExponent == std::string::npos ? keys.size() : nExponent, " sign");
    }
    return keys;
}

// One calculation from AC; the kinds in turn: functions of a number, chained and while typing; a
// power; an arithmetic chain with functions; the bit keys on the scientific pad; a programmer pad
// chain with its integer keys and the real functions.
std::string Calculation(SampleRandom* pRandom, int nKind)
{
    std::string keys = "AC ";
    switch (nKind)
    {
    case 0:
        keys += Number(pRandom);
        for (int i = Below(pRandom, 3); i >= 0; --i)
            keys += std::string(" ") + Pick(pRandom, g_apszFunctions);
        if (Below(pRandom, 3) == 0)
            keys += " " + Digits(pRandom, 1); // typing after a function edits its text
        if (Below(pRandom, 2) == 0)
            keys += " =";
        break;
    case 1: keys += Number(pRandom) + " x^y " + Number(pRandom) + " ="; break;
    case 2:
        keys += Number(pRandom);
        for (int i = Below(pRandom, 5); i >= 0; --i)
        {
            keys += std::string(" ") + Pick(pRandom, g_apszOperators) + " " + Number(pRandom);
            if (Below(pRandom, 3) == 0)
                keys += std::string(" ") + Pick(pRandom, g_apszFunctions);
        }
        keys += " =";
        break;
    case 3:
        keys += Number(pRandom);
        for (int i = Below(pRandom, 3); i >= 0; --i)
        {
            const char* pszKey = Pick(pRandom, g_apszBitKeys);
            keys += std::string(" ") + pszKey;
            if (strcmp(pszKey, "SHL") != 0 && strcmp(pszKey, "SHR") != 0 &&
                strcmp(pszKey, "NOT") != 0)
                keys += " " + Number(pRandom);
        }
        keys += " =";
        break;
    default:
        keys = std::string("prog ") + Pick(pRandom, g_apszRadixes) + " AC " +
               Digits(pRandom, 1 + Below(pRandom, 8), "01");
        for (int i = Below(pRandom, 4); i >= 0; --i)
        {
            if (Below(pRandom, 3) == 0)
                keys += std::string(" ") + Pick(pRandom, g_apszIntegerFunctions);
            else
                keys += std::string(" ") + Pick(pRandom, g_apszIntegerOperators) + " " +
                        Digits(pRandom, 1 + Below(pRandom, 8), "01");
        }
        keys += " = sci";
        break;
    }
    return keys;
}

int CountKeys(const std::string& line)
{
    int n = 0;
    for (size_t i = 0; i < line.size(); ++i)
    {
        if (line[i] == ' ')
            continue;
        size_t nEnd = line.find(' ', i);
        std::string word = line.substr(i, nEnd - i);
        // A run of characters is a key each; a name is one key.
        bool bRun = word.find_first_not_of("0123456789.") == std::string::npos;
        n += bRun ? static_cast<int>(word.size()) : 1;
        i = nEnd == std::string::npos ? line.size() : nEnd;
    }
    return n;
}

int WriteKeys(uint64_t nSeed, long nCount)
{
    SampleRandom random = {nSeed};
    long nKeys = 0;
    for (int nKind = 0; nKeys < nCount; nKind = (nKind + 1) % 7)
    {
        // Functions and powers come twice as often as the rest.
        std::string line = Calculation(&random, nKind < 2 ? 0 : nKind < 4 ? 1 : nKind - 2);
        nKeys += CountKeys(line);
        printf("%s\n", line.c_str());
    }
    return 0;
}

bool ReadOutputLine(std::ifstream& file, std::string* pLine)
{
    if (!std::getline(file, *pLine))
        return false;
    if (!pLine->empty() && pLine->back() == '\r')
        pLine->pop_back();
    return true;
}

int Compare(const char* pszReference, const char* pszOther)
{
    std::ifstream reference(pszReference), other(pszOther);
    if (!reference || !other)
    {
        fprintf(stderr, "vardeko-calc-agreement: cannot read %s or %s\n", pszReference, pszOther);
        return EXIT_USAGE;
    }
    long nLines = 0, nDifferent = 0;
    std::string a, b;
    for (;;)
    {
        bool bA = ReadOutputLine(reference, &a);
        bool bB = ReadOutputLine(other, &b);
        if (!bA || !bB)
        {
            if (bA != bB)
            {
                printf("line %ld: one output ends before the other\n", nLines + 1);
                ++nDifferent;
            }
            break;
        }
        ++nLines;
        if (a != b && nDifferent++ < 20)
            printf("line %ld: %s | %s\n", nLines, a.c_str(), b.c_str());
    }
    printf("%ld keys: %ld identical, %ld different\n", nLines, nLines - nDifferent, nDifferent);
    return nDifferent == 0 && nLines > 0 ? 0 : 1;
}

int Usage()
{
    fputs("usage: vardeko-calc-agreement keys SEED COUNT\n"
          "       vardeko-calc-agreement compare REFERENCE_OUTPUT OTHER_OUTPUT\n",
          stderr);
    return EXIT_USAGE;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && strcmp(argv[1], "keys") == 0)
        return WriteKeys(strtoull(argv[2], nullptr, 10), strtol(argv[3], nullptr, 10));
    if (argc == 4 && strcmp(argv[1], "compare") == 0)
        return Compare(argv[2], argv[3]);
    return Usage();
}
