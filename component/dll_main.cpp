// The DLL entry keeps the module instance, which every resource, the window class and the pad
// window come from. Nothing else needs starting: the calculator is a zero-initialised global,
// which is decimal mode and radix, and each pad window resets it as it is created.

#include "base/module.h"

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD, LPVOID)
{
    g_hInstance = hInstance;
    return TRUE;
}
