// The keypad tests run in a program that carries the component's resources itself.

#include "base/module.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    g_hInstance = GetModuleHandleW(nullptr);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
