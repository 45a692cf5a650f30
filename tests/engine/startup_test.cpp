// Nothing in this program resets the calculator: what it finds is what module start-up left.

#include "engine/calculator.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(CalculatorStartup, ModuleStartsInDecimalModeAndRadix)
{
    EXPECT_EQ(MODE_DECIMAL, g_Calculator.m_nMode);
    EXPECT_EQ(RADIX_DEC, g_Calculator.m_nRadix);
    EXPECT_EQ(0, g_Calculator.m_bError);
    EXPECT_EQ(0, g_Calculator.m_nLevel);
    WideChar szDisplay[DISPLAY_TEXT_SIZE];
    GetDisplayText(szDisplay);
    EXPECT_TRUE(TextEquals(szDisplay, WIDE("0")));
}

TEST(CalculatorStartup, StartUpStateIsTheStateOfADecimalReset)
{
    static Calculator s_atStartup;
    s_atStartup = g_Calculator;
    Reset(MODE_DECIMAL, RADIX_DEC);
    EXPECT_EQ(0, memcmp(&s_atStartup, &g_Calculator, sizeof(Calculator)));
}
