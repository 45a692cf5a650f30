// Presses any sequence of keys, in any mode and radix, and reads the display after each as the
// keypad does: nothing may overrun a buffer, every text stays terminated within its buffer, the
// level index within its 20 levels, and on the programmer pad every value a 32-bit unsigned one.
// The status text, a diagnostic dump the keypad never reads, is checked once after the last key:
// formatting it after every key took three quarters of the time, and every state a sequence
// passes through ends some shorter sequence.
// Input: one byte picks the starting mode and radix; every further byte is one key (see Press).

#include "engine/calculator.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>

namespace
{

// The keypad's characters, and a few it never sends.
const char g_szChars[] = "0123456789ABCDEF.ae-+x";
const unsigned CHAR_KEYS = sizeof(g_szChars) - 1;
const unsigned RADIX_KEYS = 4;
const unsigned PAD_KEYS = 2;
const unsigned COMMAND_KEYS = 49; // every CommandCode, and one beyond them

void Press(uint8_t bKey)
{
    unsigned nKey = bKey % (CHAR_KEYS + RADIX_KEYS + PAD_KEYS + COMMAND_KEYS);
    if (nKey < CHAR_KEYS)
    {
        EnterChar(static_cast<WideChar>(g_szChars[nKey]));
        return;
    }
    nKey -= CHAR_KEYS;
    if (nKey < RADIX_KEYS)
    {
        ChangeRadix(static_cast<int>(nKey));
        return;
    }
    nKey -= RADIX_KEYS;
    if (nKey < PAD_KEYS)
    {
        Reset(static_cast<int>(nKey), -1);
        return;
    }
    ExecuteCommand(nKey - PAD_KEYS);
}

// Guard units after each buffer catch a write beyond it.
const WideChar GUARD = 0x5A5A;

bool IsTerminatedWithin(const WideChar* pszText, size_t cchBuffer)
{
    for (size_t i = 0; i < cchBuffer; ++i)
    {
        if (pszText[i] == 0)
            return true;
    }
    return false;
}

void CheckStateAndDisplay()
{
    FUZZ_CHECK(g_Calculator.m_nLevel >= 0 && g_Calculator.m_nLevel < MAX_LEVELS, "level index");
    for (const EvalLevel& level : g_Calculator.m_aLevel)
        FUZZ_CHECK(IsTerminatedWithin(level.m_szInpBuf, INPUT_TEXT_SIZE), "input text");
    // The programmer pad keeps every value as the unsigned 32-bit number it shows.
    for (int i = 0; i < MAX_LEVELS && g_Calculator.m_nMode == MODE_INTEGER; ++i)
    {
        double dblValue = g_Calculator.m_aLevel[i].m_dblData;
        FUZZ_CHECK(dblValue >= 0 && dblValue <= 4294967295.0 &&
                       dblValue == static_cast<double>(static_cast<uint32_t>(dblValue)),
                   "integer value");
    }

    WideChar szDisplay[DISPLAY_TEXT_SIZE + 4];
    for (WideChar& ch : szDisplay)
        ch = GUARD;
    GetDisplayText(szDisplay);
    FUZZ_CHECK(IsTerminatedWithin(szDisplay, DISPLAY_TEXT_SIZE), "display text");
    FUZZ_CHECK(szDisplay[DISPLAY_TEXT_SIZE] == GUARD, "display text overrun");
}

void CheckStatusText()
{
    WideChar szStatus[STATUS_TEXT_SIZE + 4];
    for (WideChar& ch : szStatus)
        ch = GUARD;
    GetStatusText(szStatus);
    FUZZ_CHECK(IsTerminatedWithin(szStatus, STATUS_TEXT_SIZE), "status text");
    FUZZ_CHECK(szStatus[STATUS_TEXT_SIZE] == GUARD, "status text overrun");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t cb)
{
    if (cb == 0)
        return 0;
    Reset(pData[0] & 1, (pData[0] >> 1) % 4);
    for (size_t i = 1; i < cb; ++i)
    {
        Press(pData[i]);
        CheckStateAndDisplay();
    }
    CheckStatusText();
    return 0;
}
