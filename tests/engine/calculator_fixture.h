#pragma once
// A fresh calculator per test, fed keys by the names vardeko-calc uses, with the display read
// after every key as the keypad reads it.

#include "engine/beep.h"
#include "engine/calculator.h"

#include <gtest/gtest.h>

#include <string>

class CalculatorTest : public ::testing::Test
{
  protected:
    void SetUp() override;

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
};

std::string Narrow(const WideChar* pszText);
