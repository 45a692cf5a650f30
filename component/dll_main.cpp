// The DLL entry: the runtime has already run the static initialisers (the calculator's reset
// among them) when it is called for process attach.

#include "base/module.h"

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD, LPVOID)
{
    g_hInstance = hInstance;
    return TRUE;
}
