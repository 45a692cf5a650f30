// The keypad tests run in a program that carries the component's resources itself and starts
// the module's state as the DLL's entry does.

#include "base/module.h"
#include "pad_model/pad_state.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    g_hInstance = GetModuleHandleW(nullptr);
    InitPadState();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
