// vardeko-calc: the calculator engine behind the keypad, driven by key names from the command
// line or standard input, printing what the display shows after every key.

#include "cli/key_names.h"
#include "engine/beep.h"
#include "engine/calculator.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace
{

const int EXIT_WRITE_ERROR = 1;
const int EXIT_USAGE = 2;

// An unknown key's message quotes at most this many characters of it.
const size_t QUOTED_KEY_CHARS = 40;

const char g_szUsage[] =
    "usage: vardeko-calc [--programmer] [--radix dec|hex|oct|bin] [--batch] [KEY ...]\n"
    "\n"
    "Presses keys of the Vardeko calculator keypad and prints what its display shows.\n"
    "\n"
    "  --programmer   start on the programmer pad (unsigned 32-bit integers);\n"
    "                 the default is the scientific pad (decimal floating point)\n"
    "  --radix R      start in radix dec, hex, oct or bin (default dec); the radix\n"
    "                 matters on the programmer pad\n"
    "  --batch        every input line is one calculation from a fresh start;\n"
    "                 print only the display text after its last key (blank and\n"
    "                 comment lines hold no calculation and print nothing)\n"
    "  --help         show this text\n"
    "\n"
    "The KEY arguments are pressed in order; without them keys are read from standard\n"
    "input, separated by white space, and a line that starts with # is a comment.\n"
    "A run of character keys such as 12, 1FFFF or 0.5 presses each of them in turn.\n"
    "For every key one line is printed: the key, a tab, the display text, and a tab\n"
    "and 'beep' when the key sounded the keypad's beep.\n"
    "\n"
    "Keys:\n"
    "  0-9 A-F .                          characters (A-F in hex on the programmer pad)\n"
    "  + - * / = ( )                      operators, equals, parentheses\n"
    "  AND OR XOR NOT SHL SHR             bit operations of the programmer pad\n"
    "  sign exp DEL CE AC                 +/-, exponent, C (delete), clear entry, all clear\n"
    "  sin cos tan asin acos atan         trigonometry, in radians\n"
    "  sinh cosh tanh asinh acosh atanh   hyperbolic functions\n"
    "  1/x x^2 sqrt x^y log ln 10^x e^x   powers and logarithms\n"
    "  dec hex oct bin                    radix keys of the programmer pad\n"
    "  pad                                the pad switch (clears, keeps the radix)\n"
    "  sci prog                           switch to that pad (clears, keeps the radix)\n"
    "Names are the keypad's and vardeko-host's, matched without regard to case.\n"
    "\n"
    "Exit status: 0; 1 when standard output cannot be written; 2 for a bad option, an\n"
    "unknown key, a key of the keypad alone or an input line that is not UTF-8 text (after\n"
    "the lines of the keys before it).\n";

struct Options
{
    int nMode;
    int nRadix;
    bool bBatch;
    std::vector<std::string> aKeys;
};

// UTF-8 of the display text; it is ASCII in practice.
std::string ToUtf8(const WideChar* pszText)
{
    std::string text;
    for (; *pszText != 0; ++pszText)
    {
        unsigned ch = static_cast<unsigned>(*pszText) & 0xFFFF;
        if (ch < 0x80)
        {
            text += static_cast<char>(ch);
        }
        else if (ch < 0x800)
        {
            text += static_cast<char>(0xC0 | (ch >> 6));
            text += static_cast<char>(0x80 | (ch & 0x3F));
        }
        else
        {
            text += static_cast<char>(0xE0 | (ch >> 12));
            text += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (ch & 0x3F));
        }
    }
    return text;
}

std::string DisplayText()
{
    WideChar szDisplay[DISPLAY_TEXT_SIZE];
    GetDisplayText(szDisplay);
    return ToUtf8(szDisplay);
}

int ParseRadix(const char* pszName)
{
    const char* const aNames[] = {"dec", "hex", "oct", "bin"}; // in RADIX_ order
    for (int i = 0; i < 4; ++i)
    {
        if (strcmp(pszName, aNames[i]) == 0)
            return i;
    }
    return -1;
}

int UsageError(const char* pszMessage, const char* pszWhat)
{
    fprintf(stderr, "vardeko-calc: %s%s\ntry 'vardeko-calc --help'\n", pszMessage, pszWhat);
    return EXIT_USAGE;
}

// Returns -1 when the options are good, else the exit status.
int ParseOptions(int argc, char** argv, Options& options)
{
    int i = 1;
    for (; i < argc && strncmp(argv[i], "--", 2) == 0; ++i)
    {
        const char* pszArg = argv[i];
        if (strcmp(pszArg, "--help") == 0)
        {
            fputs(g_szUsage, stdout);
            return 0;
        }
        if (strcmp(pszArg, "--programmer") == 0)
        {
            options.nMode = MODE_INTEGER;
        }
        else if (strcmp(pszArg, "--batch") == 0)
        {
            options.bBatch = true;
        }
        else if (strcmp(pszArg, "--radix") == 0 || strncmp(pszArg, "--radix=", 8) == 0)
        {
            const char* pszValue = pszArg[7] == '=' ? pszArg + 8 : (++i < argc ? argv[i] : nullptr);
            if (pszValue == nullptr)
                return UsageError("--radix needs a value: dec, hex, oct or bin", "");
            options.nRadix = ParseRadix(pszValue);
            if (options.nRadix < 0)
                return UsageError("--radix must be dec, hex, oct or bin, not ", pszValue);
        }
        else
        {
            return UsageError("unknown option ", pszArg);
        }
    }
    for (; i < argc; ++i)
        options.aKeys.push_back(argv[i]);
    return -1;
}

// Presses one key and reads the display as the keypad does after every key; reading can itself
// enter the error state.
void Press(const KeyName& key, bool bPrintLine)
{
    unsigned long ulBeeps = g_ulBeepCount;
    PressKey(key);
    WideChar szDisplay[DISPLAY_TEXT_SIZE];
    GetDisplayText(szDisplay);
    if (bPrintLine)
        printf("%s\t%s%s\n", key.pszName, ToUtf8(szDisplay).c_str(),
               g_ulBeepCount != ulBeeps ? "\tbeep" : "");
}

// The word quoted, cut after QUOTED_KEY_CHARS characters: a word can be megabytes long.
std::string QuotedKey(const std::string& word)
{
    size_t nChars = 0;
    size_t nEnd = 0;
    for (; nEnd < word.size(); ++nEnd)
    {
        bool bStartsChar = (static_cast<unsigned char>(word[nEnd]) & 0xC0) != 0x80;
        if (bStartsChar && nChars++ == QUOTED_KEY_CHARS)
            break;
    }
    return "'" + word.substr(0, nEnd) + "'" + (nEnd < word.size() ? "..." : "");
}

// Returns false for a word that names no keys, after saying so.
bool PressWord(const std::string& word, bool bPrintLines)
{
    // Kept from word to word, so that pressing keys allocates nothing.
    static std::vector<const KeyName*> s_aKeys;
    std::vector<const KeyName*>& aKeys = s_aKeys;
    aKeys.clear();
    if (!KeysOfWord(word.c_str(), aKeys))
    {
        fflush(stdout);
        fprintf(stderr, "vardeko-calc: unknown key %s (see vardeko-calc --help)\n",
                QuotedKey(word).c_str());
        return false;
    }
    for (const KeyName* pKey : aKeys)
    {
        if (!IsCalculatorKey(*pKey))
        {
            fflush(stdout);
            fprintf(stderr, "vardeko-calc: %s is a key of the keypad alone, not the calculator\n",
                    QuotedKey(word).c_str());
            return false;
        }
    }
    for (const KeyName* pKey : aKeys)
        Press(*pKey, bPrintLines);
    return true;
}

bool PressAll(const std::vector<std::string>& aKeys, bool bPrintLines)
{
    for (const std::string& word : aKeys)
    {
        if (!PressWord(word, bPrintLines))
            return false;
    }
    return true;
}

// The white-space separated words of a line; none for a comment line.
std::vector<std::string> SplitKeys(const std::string& line)
{
    std::vector<std::string> aKeys;
    size_t nStart = line.find_first_not_of(" \t\r\f\v");
    if (nStart == std::string::npos || line[nStart] == '#')
        return aKeys;
    while (nStart != std::string::npos)
    {
        size_t nEnd = line.find_first_of(" \t\r\f\v", nStart);
        aKeys.push_back(line.substr(nStart, nEnd - nStart));
        nStart = line.find_first_not_of(" \t\r\f\v", nEnd);
    }
    return aKeys;
}

// Whether the line is text: UTF-8 without NUL bytes, which would otherwise end a key unseen.
// Overlong forms, surrogates and code points above U+10FFFF are not UTF-8.
bool IsUtf8Text(const std::string& line)
{
    size_t i = 0;
    while (i < line.size())
    {
        unsigned char b = static_cast<unsigned char>(line[i]);
        size_t nMore;
        unsigned long ulChar;
        unsigned long ulLeast;
        if (b == 0)
            return false;
        if (b < 0x80)
        {
            ++i;
            continue;
        }
        if ((b & 0xE0) == 0xC0)
        {
            nMore = 1;
            ulChar = b & 0x1F;
            ulLeast = 0x80;
        }
        else if ((b & 0xF0) == 0xE0)
        {
            nMore = 2;
            ulChar = b & 0x0F;
            ulLeast = 0x800;
        }
        else if ((b & 0xF8) == 0xF0)
        {
            nMore = 3;
            ulChar = b & 0x07;
            ulLeast = 0x10000;
        }
        else
        {
            return false;
        }
        if (line.size() - i <= nMore)
            return false;
        for (size_t j = 1; j <= nMore; ++j)
        {
            unsigned char c = static_cast<unsigned char>(line[i + j]);
            if ((c & 0xC0) != 0x80)
                return false;
            ulChar = (ulChar << 6) | (c & 0x3F);
        }
        if (ulChar < ulLeast || ulChar > 0x10FFFF || (ulChar >= 0xD800 && ulChar <= 0xDFFF))
            return false;
        i += nMore + 1;
    }
    return true;
}

bool ReadLine(std::string& line)
{
    line.clear();
    int ch;
    while ((ch = getchar()) != EOF && ch != '\n')
        line += static_cast<char>(ch);
    return ch != EOF || !line.empty();
}

// One calculation from a fresh start; prints its final display text.
bool RunCalculation(const Options& options, const std::vector<std::string>& aKeys)
{
    Reset(options.nMode, options.nRadix);
    if (!PressAll(aKeys, false))
        return false;
    printf("%s\n", DisplayText().c_str());
    return true;
}

int Run(const Options& options)
{
    if (!options.aKeys.empty())
    {
        if (options.bBatch)
            return RunCalculation(options, options.aKeys) ? 0 : EXIT_USAGE;
        Reset(options.nMode, options.nRadix);
        return PressAll(options.aKeys, true) ? 0 : EXIT_USAGE;
    }
    Reset(options.nMode, options.nRadix);
    std::string line;
    // Reading stops once the output is lost.
    for (unsigned long ulLine = 1; !ferror(stdout) && ReadLine(line); ++ulLine)
    {
        if (!IsUtf8Text(line))
        {
            fflush(stdout);
            fprintf(stderr, "vardeko-calc: line %lu of the input is not UTF-8 text%s\n", ulLine,
                    line.find('\0') != std::string::npos ? ": it holds a NUL byte" : "");
            return EXIT_USAGE;
        }
        std::vector<std::string> aKeys = SplitKeys(line);
        // Blank and comment lines hold no calculation.
        if (options.bBatch && aKeys.empty())
            continue;
        bool bGood = options.bBatch ? RunCalculation(options, aKeys) : PressAll(aKeys, true);
        if (!bGood)
            return EXIT_USAGE;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
#ifdef _WIN32
    // The same bytes as the native program: no carriage returns added, and a Ctrl-Z in the input
    // is a byte like any other rather than its end.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    Options options = {MODE_DECIMAL, RADIX_DEC, false, {}};
    int nStatus = ParseOptions(argc, argv, options);
    if (nStatus < 0)
        nStatus = Run(options);
    if (fflush(stdout) != 0 || ferror(stdout))
    {
        fprintf(stderr, "vardeko-calc: cannot write standard output: %s\n", strerror(errno));
        return EXIT_WRITE_ERROR;
    }
    return nStatus;
}
