// The DLL's entry point itself: the DLL links no C runtime start-up code. Nothing here needs it:
// there are no static constructors or destructors (the calculator is a zero-initialised global,
// which is decimal mode and radix, and each pad window resets it as it is created; the pad state
// is completed here), no thread-local data, no atexit handlers, and operator new takes the
// process heap directly. The entry keeps the module instance, which every resource, the window
// class and the pad window come from.

#include "base/module.h"
#include "pad_model/pad_state.h"

// Visible to the link, which optimises the DLL as a whole program and knows the entry point only
// by the name it is given.
__attribute__((externally_visible)) BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        g_hInstance = hInstance;
        InitPadState();
    }
    return TRUE;
}
