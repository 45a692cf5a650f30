#pragma once
// A fresh calculator per test, fed keys by the names vardeko-calc uses, with the display read
// after every key as the keypad reads it.

#include "engine/beep.h"
#include "engine/calculator.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

// A calculation from a fresh start: its keys, the display after the last one, and how many of
// its keys beeped.
struct KeyCase
{
    const char* pszKeys;
    const char* pszDisplay;
    unsigned long ulBeeps;
};

class CalculatorTest : public ::testing::Test
{
  protected:
    void SetUp() override { Start(MODE_DECIMAL); }

    // Resets to the scientific (MODE_DECIMAL) or programmer (MODE_INTEGER) pad and a radix.
    static void Start(int nMode, int nRadix = RADIX_DEC);

    // Presses the space-separated keys (a run such as 12 or 0.5 is one key per character) and
    // returns the display text after the last one.
    static std::string Keys(const char* pszKeys);

    // Presses the keys and returns how many of them beeped.
    static unsigned long BeepsOf(const char* pszKeys);

    static std::string Display();
    static std::string CurrentText();
    static const EvalLevel& Current() { return g_Calculator.m_aLevel[g_Calculator.m_nLevel]; }

    template <size_t N>
    static void ExpectCases(const KeyCase (&aCases)[N], int nMode = MODE_DECIMAL,
                            int nRadix = RADIX_DEC)
    {
        for (const KeyCase& c : aCases)
        {
            Start(nMode, nRadix);
            EXPECT_EQ(c.ulBeeps, BeepsOf(c.pszKeys)) << c.pszKeys;
            EXPECT_EQ(c.pszDisplay, Display()) << c.pszKeys;
        }
    }
};

std::string Narrow(const WideChar* pszText);
