// vardeko-calc-agreement: seeded key sequences for vardeko-calc, and the comparison of what two
// builds of it print for them (check_agreement.sh runs both steps).
//
//   vardeko-calc-agreement keys SEED COUNT        at least COUNT keys, one calculation a line
//   vardeko-calc-agreement compare REFERENCE OTHER
//
// The comparison reads vardeko-calc's lines (key, tab, display text, and a tab and "beep"):
// they must be identical, except where a calculation went through a function or a power, whose
// last bit the platforms' runtimes may round differently: there two numbers may differ by one
// unit in the last digit shown, and where two results within an ulp of the truth lie on either
// side of it, by the two ulps between them. Arithmetic alone must agree exactly, and so must
// every "Error", every beep and the number of lines.

#include "tests/engine/number_text_samples.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace
{

const int EXIT_USAGE = 2;
const int SIGNIFICANT_GENERAL = 16;     // digits of the general notation
const int SIGNIFICANT_EXPONENTIAL = 15; // digits of the exponential one, 14 after the point
const int DOUBLE_MANTISSA_BITS = 53;

const char* const g_apszFunctions[] = {"sin",  "cos",  "tan",   "asin",  "acos",  "atan", "sinh",
                                       "cosh", "tanh", "asinh", "acosh", "atanh", "1/x",  "x^2",
                                       "sqrt", "log",  "ln",    "10^x",  "e^x"};
const char* const g_apszOperators[] = {"+", "-", "*", "/"};
const char* const g_apszIntegerOperators[] = {"+", "-", "*", "/", "AND", "OR", "XOR", "x^y"};
const char* const g_apszIntegerFunctions[] = {"NOT", "SHL", "SHR", "x^2", "10^x", "sqrt"};
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

// One calculation from AC; the kinds in turn: a function of a number, a power, an arithmetic
// chain, a programmer pad chain.
std::string Calculation(SampleRandom* pRandom, int nKind)
{
    std::string keys = "AC ";
    switch (nKind)
    {
    // One function only: a second would take the first's result as shown, rounded to 16 digits,
    // and could magnify a last-digit difference of the first.
    case 0:
        keys += Number(pRandom) + " " + Pick(pRandom, g_apszFunctions);
        if (Below(pRandom, 2) == 0)
            keys += " =";
        break;
    case 1: keys += Number(pRandom) + " x^y " + Number(pRandom) + " ="; break;
    case 2:
        keys += Number(pRandom);
        for (int i = Below(pRandom, 5); i >= 0; --i)
            keys += std::string(" ") + Pick(pRandom, g_apszOperators) + " " + Number(pRandom);
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
    for (int nKind = 0; nKeys < nCount; nKind = (nKind + 1) % 6)
    {
        // Functions and powers come twice as often as the rest.
        std::string line = Calculation(&random, nKind < 2 ? 0 : nKind < 4 ? 1 : nKind - 2);
        nKeys += CountKeys(line);
        printf("%s\n", line.c_str());
    }
    return 0;
}

// A display number as digits * 10^nExponent, the digits without leading zeros; false for a text
// that is not a number.
struct DisplayNumber
{
    bool m_bNegative;
    std::string m_digits;
    int m_nExponent;
    int m_nSignificant; // how many significant digits the notation shows
};

bool ParseDisplay(const std::string& text, DisplayNumber* p)
{
    size_t i = 0;
    p->m_bNegative = text[0] == '-';
    i += p->m_bNegative;
    p->m_digits.clear();
    int nPoint = -1;
    for (; i < text.size() && (isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.'); ++i)
    {
        if (text[i] == '.')
            nPoint = static_cast<int>(p->m_digits.size());
        else
            p->m_digits += text[i];
    }
    if (p->m_digits.empty())
        return false;
    int nExponent = 0;
    p->m_nSignificant = SIGNIFICANT_GENERAL;
    if (i < text.size())
    {
        if (text[i] != 'e')
            return false;
        nExponent = atoi(text.c_str() + i + 1);
        // Magnitudes from 1e16 up and to 1e-16 down are written with 14 digits after the point.
        bool bFourteen = nPoint >= 0 && static_cast<int>(p->m_digits.size()) - nPoint ==
                                            SIGNIFICANT_EXPONENTIAL - 1;
        if (bFourteen && (nExponent >= SIGNIFICANT_GENERAL || nExponent <= -SIGNIFICANT_GENERAL))
            p->m_nSignificant = SIGNIFICANT_EXPONENTIAL;
    }
    if (nPoint < 0)
        nPoint = static_cast<int>(p->m_digits.size());
    p->m_nExponent = nExponent - (static_cast<int>(p->m_digits.size()) - nPoint);
    size_t nLead = p->m_digits.find_first_not_of('0');
    p->m_digits = nLead == std::string::npos ? "0" : p->m_digits.substr(nLead);
    return true;
}

// The decimal exponent of the leading digit.
int LeadExponent(const DisplayNumber& number)
{
    return number.m_nExponent + static_cast<int>(number.m_digits.size()) - 1;
}

// The texts of two results within an ulp of one true value: at most two ulps apart, and each
// rounded to the digits shown, so within one unit of the last digit plus two ulps.
bool WithinALastDigit(const std::string& reference, const std::string& other)
{
    DisplayNumber a, b;
    if (!ParseDisplay(reference, &a) || !ParseDisplay(other, &b))
        return false;
    long double ldblA = strtold(reference.c_str(), nullptr);
    long double ldblB = strtold(other.c_str(), nullptr);
    long double ldblLarger = fabsl(ldblA) > fabsl(ldblB) ? fabsl(ldblA) : fabsl(ldblB);
    int nLead = LeadExponent(a) > LeadExponent(b) ? LeadExponent(a) : LeadExponent(b);
    int nSignificant = a.m_nSignificant < b.m_nSignificant ? a.m_nSignificant : b.m_nSignificant;
    long double ldblUnit = powl(10.0L, nLead - nSignificant + 1);
    int nBinary;
    frexpl(ldblLarger, &nBinary);
    long double ldblUlp = ldexpl(1.0L, nBinary - DOUBLE_MANTISSA_BITS);
    // The texts' own digits are exact in long double's 64 bits, to far below a unit.
    return fabsl(ldblA - ldblB) <= (ldblUnit + 2 * ldblUlp) * (1 + 1e-6L);
}

struct Line
{
    std::string m_key;
    std::string m_display;
    std::string m_rest; // "\tbeep" or nothing
};

bool ReadOutputLine(std::ifstream& file, Line* p)
{
    std::string text;
    if (!std::getline(file, text))
        return false;
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    size_t nTab = text.find('\t');
    size_t nSecond = nTab == std::string::npos ? nTab : text.find('\t', nTab + 1);
    p->m_key = text.substr(0, nTab);
    p->m_display = nTab == std::string::npos ? "" : text.substr(nTab + 1, nSecond - nTab - 1);
    p->m_rest = nSecond == std::string::npos ? "" : text.substr(nSecond);
    return true;
}

bool IsMathKey(const std::string& key)
{
    for (const char* pszName : g_apszFunctions)
    {
        if (key == pszName)
            return true;
    }
    return key == "x^y";
}

int Compare(const char* pszReference, const char* pszOther)
{
    std::ifstream reference(pszReference), other(pszOther);
    if (!reference || !other)
    {
        fprintf(stderr, "vardeko-calc-agreement: cannot read %s or %s\n", pszReference, pszOther);
        return EXIT_USAGE;
    }
    long nLines = 0, nIdentical = 0, nLastDigit = 0, nWrong = 0;
    bool bMath = false;
    Line a, b;
    for (;;)
    {
        bool bA = ReadOutputLine(reference, &a);
        bool bB = ReadOutputLine(other, &b);
        if (!bA || !bB)
        {
            if (bA != bB)
            {
                printf("line %ld: one output ends before the other\n", nLines + 1);
                ++nWrong;
            }
            break;
        }
        ++nLines;
        if (a.m_key == "AC")
            bMath = false;
        bMath = bMath || IsMathKey(a.m_key);
        if (a.m_key == b.m_key && a.m_display == b.m_display && a.m_rest == b.m_rest)
        {
            ++nIdentical;
            continue;
        }
        bool bAllowed = bMath && a.m_key == b.m_key && a.m_rest == b.m_rest &&
                        WithinALastDigit(a.m_display, b.m_display);
        if (bAllowed)
        {
            ++nLastDigit;
            continue;
        }
        if (nWrong++ < 20)
            printf("line %ld: %s\t%s%s | %s\t%s%s\n", nLines, a.m_key.c_str(), a.m_display.c_str(),
                   a.m_rest.c_str(), b.m_key.c_str(), b.m_display.c_str(), b.m_rest.c_str());
    }
    printf("%ld keys: %ld identical, %ld within the last-digit allowance after a function or "
           "power, %ld wrong\n",
           nLines, nIdentical, nLastDigit, nWrong);
    return nWrong == 0 && nLines > 0 ? 0 : 1;
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
