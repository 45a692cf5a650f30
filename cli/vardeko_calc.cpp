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
#else
#include <unistd.h>
#endif

namespace
{

const int EXIT_IO_ERROR = 1;
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
    "Exit status: 0; 1 when standard input cannot be read or standard output cannot be\n"
    "written; 2 for a bad option, an unknown key, a key of the keypad alone or an input line\n"
    "that is not UTF-8 text (after the lines of the keys before it).\n";

// Standard input is read in blocks of this many bytes.
const size_t INPUT_BLOCK_SIZE = 65536;

struct Options
{
    int nMode;
    int nRadix;
    bool bBatch;
    std::vector<const char*> aKeys;
};

// The display text in UTF-8: up to three bytes a character.
struct DisplayUtf8
{
    char szText[DISPLAY_TEXT_SIZE * 3];
};

// UTF-8 of the display text; it is ASCII in practice.
void ToUtf8(const WideChar* pszText, DisplayUtf8& utf8)
{
    char* pch = utf8.szText;
    for (; *pszText != 0; ++pszText)
    {
        unsigned ch = static_cast<unsigned>(*pszText) & 0xFFFF;
        if (ch < 0x80)
        {
            *pch++ = static_cast<char>(ch);
        }
        else if (ch < 0x800)
        {
            *pch++ = static_cast<char>(0xC0 | (ch >> 6));
            *pch++ = static_cast<char>(0x80 | (ch & 0x3F));
        }
        else
        {
            *pch++ = static_cast<char>(0xE0 | (ch >> 12));
            *pch++ = static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
            *pch++ = static_cast<char>(0x80 | (ch & 0x3F));
        }
    }
    *pch = 0;
}

void ReadDisplay(DisplayUtf8& utf8)
{
    WideChar szDisplay[DISPLAY_TEXT_SIZE];
    GetDisplayText(szDisplay);
    ToUtf8(szDisplay, utf8);
}

// Reading the display enters the error state only for a value beyond the binary display's 16
// digits; elsewhere a batch calculation, which shows only its last display, need not read it.
bool ReadingDisplayCanFail()
{
    return g_Calculator.m_nMode == MODE_INTEGER && g_Calculator.m_nRadix == RADIX_BIN;
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

// Presses one key and reads the display as the keypad does after every key, since reading can
// itself enter the error state; without a line to print, only where it can.
void Press(const KeyName& key, bool bPrintLine)
{
    unsigned long ulBeeps = g_ulBeepCount;
    PressCalculatorKey(key);
    if (bPrintLine)
    {
        DisplayUtf8 display;
        ReadDisplay(display);
        printf("%s\t%s%s\n", key.pszName, display.szText, g_ulBeepCount != ulBeeps ? "\tbeep" : "");
    }
    else if (ReadingDisplayCanFail())
    {
        WideChar szDisplay[DISPLAY_TEXT_SIZE];
        GetDisplayText(szDisplay);
    }
}

// The word quoted, cut after QUOTED_KEY_CHARS characters: a word can be megabytes long.
std::string QuotedKey(const char* pszWord)
{
    size_t nChars = 0;
    size_t nEnd = 0;
    for (; pszWord[nEnd] != 0; ++nEnd)
    {
        bool bStartsChar = (static_cast<unsigned char>(pszWord[nEnd]) & 0xC0) != 0x80;
        if (bStartsChar && nChars++ == QUOTED_KEY_CHARS)
            break;
    }
    return "'" + std::string(pszWord, nEnd) + "'" + (pszWord[nEnd] != 0 ? "..." : "");
}

// Returns false for a word that names no keys, after saying so.
bool PressWord(const char* pszWord, bool bPrintLines)
{
    // Kept from word to word, so that pressing keys allocates nothing.
    static std::vector<const KeyName*> s_aKeys;
    std::vector<const KeyName*>& aKeys = s_aKeys;
    aKeys.clear();
    if (!KeysOfWord(pszWord, aKeys))
    {
        fflush(stdout);
        fprintf(stderr, "vardeko-calc: unknown key %s (see vardeko-calc --help)\n",
                QuotedKey(pszWord).c_str());
        return false;
    }
    for (const KeyName* pKey : aKeys)
    {
        if (!IsCalculatorKey(*pKey))
        {
            fflush(stdout);
            fprintf(stderr, "vardeko-calc: %s is a key of the keypad alone, not the calculator\n",
                    QuotedKey(pszWord).c_str());
            return false;
        }
    }
    for (const KeyName* pKey : aKeys)
        Press(*pKey, bPrintLines);
    return true;
}

bool PressAll(const std::vector<const char*>& aKeys, bool bPrintLines)
{
    for (const char* pszWord : aKeys)
    {
        if (!PressWord(pszWord, bPrintLines))
            return false;
    }
    return true;
}

bool IsKeySeparator(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\f' || ch == '\v';
}

// The white-space separated words of a line, ended in place; none for a comment line. The line
// holds no NUL byte of its own.
void SplitKeys(std::string& line, std::vector<const char*>& aKeys)
{
    aKeys.clear();
    char* pch = &line[0];
    while (IsKeySeparator(*pch))
        ++pch;
    if (*pch == '#')
        return;
    while (*pch != 0)
    {
        aKeys.push_back(pch);
        while (*pch != 0 && !IsKeySeparator(*pch))
            ++pch;
        if (*pch == 0)
            break;
        *pch++ = 0;
        while (IsKeySeparator(*pch))
            ++pch;
    }
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

// Standard input, read a block at a time: stdio's per-character calls were a tenth of a batch
// run. A block is what one read returns, so that keys typed at a terminal act at once.
struct InputReader
{
    std::vector<char> aBlock;
    size_t nNext;
    size_t nEnd;
    int nError; // errno of a failed read, which ended the input
};

// Bytes of standard input into the block; 0 at its end or on an error.
size_t ReadBlock(InputReader& reader)
{
    for (;;)
    {
#ifdef _WIN32
        int nRead = _read(0, reader.aBlock.data(), static_cast<unsigned>(reader.aBlock.size()));
#else
        ssize_t nRead = read(0, reader.aBlock.data(), reader.aBlock.size());
#endif
        if (nRead >= 0)
            return static_cast<size_t>(nRead);
        if (errno != EINTR)
        {
            reader.nError = errno;
            return 0;
        }
    }
}

// The next line without its newline, NUL bytes kept; false at the end of the input.
bool ReadLine(InputReader& reader, std::string& line)
{
    line.clear();
    for (;;)
    {
        if (reader.nNext == reader.nEnd)
        {
            reader.nNext = 0;
            reader.nEnd = ReadBlock(reader);
            if (reader.nEnd == 0)
                return !line.empty();
        }
        const char* pchStart = reader.aBlock.data() + reader.nNext;
        size_t nAvailable = reader.nEnd - reader.nNext;
        const char* pchNewline = static_cast<const char*>(memchr(pchStart, '\n', nAvailable));
        size_t nTaken = pchNewline != nullptr ? pchNewline - pchStart : nAvailable;
        line.append(pchStart, nTaken);
        reader.nNext += nTaken;
        if (pchNewline != nullptr)
        {
            ++reader.nNext;
            return true;
        }
    }
}

// One calculation from a fresh start; prints its final display text.
bool RunCalculation(const Options& options, const std::vector<const char*>& aKeys)
{
    Reset(options.nMode, options.nRadix);
    if (!PressAll(aKeys, false))
        return false;
    DisplayUtf8 display;
    ReadDisplay(display);
    fputs(display.szText, stdout);
    putchar('\n');
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
    InputReader reader = {std::vector<char>(INPUT_BLOCK_SIZE), 0, 0, 0};
    std::string line;
    std::vector<const char*> aKeys;
    // Reading stops once the output is lost.
    for (unsigned long ulLine = 1; !ferror(stdout) && ReadLine(reader, line); ++ulLine)
    {
        if (!IsUtf8Text(line))
        {
            fflush(stdout);
            fprintf(stderr, "vardeko-calc: line %lu of the input is not UTF-8 text%s\n", ulLine,
                    line.find('\0') != std::string::npos ? ": it holds a NUL byte" : "");
            return EXIT_USAGE;
        }
        SplitKeys(line, aKeys);
        // Blank and comment lines hold no calculation.
        if (options.bBatch && aKeys.empty())
            continue;
        bool bGood = options.bBatch ? RunCalculation(options, aKeys) : PressAll(aKeys, true);
        if (!bGood)
            return EXIT_USAGE;
    }
    // A failed read is not the end of the input: the calculations after it were never made.
    if (reader.nError != 0)
    {
        fflush(stdout);
        fprintf(stderr, "vardeko-calc: cannot read standard input: %s\n", strerror(reader.nError));
        return EXIT_IO_ERROR;
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
        return EXIT_IO_ERROR;
    }
    return nStatus;
}
