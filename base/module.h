#pragma once
// Module-wide values of the component DLL.

#include "base/identity.h"

#include <windows.h>

// The module instance: every resource, the window class and the pad window come from it.
extern HINSTANCE g_hInstance;

// The module counts what needs its code: live InputMethod objects and class factories, pad
// windows and outstanding server locks. Each adds 1 while it lives and takes it back as it goes;
// interlocked, since the COM runtime may lock the server from any thread.
void ChangeObjectCount(LONG lDelta);

// Whether nothing counted lives: only then may the host unload the module.
bool CanUnloadNow();

// The module's bitmap resource pszName as a DIB section, or null. A DIB section is built in the
// process; LoadBitmap's device-dependent bitmap can cost many times more (under Wine's X11
// driver, a server's pixmap for each), and both draw the same pixels.
HBITMAP LoadModuleBitmap(const WCHAR* pszName);

// The pad window, a child of the input panel's window.
extern const WCHAR PAD_WINDOW_CLASS[]; // "VardekoWndClass"
