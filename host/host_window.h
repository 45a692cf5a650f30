#pragma once
// The host's windows and the input method in them. The simulated handheld screen is a top-level
// window whose 240 x 320 client area holds the application (a multi-line edit control with the
// focus) and, docked at the bottom, the input panel window with 240 x 80 of client area, in which
// the selected input method draws. Its menu lists the input methods found, the input method's
// options and Exit. The floating panel (panel_window.h) holds the same input panel window and
// menu; what follows serves both.

#include "base/identity.h"
#include "host/host_callback.h"
#include "host/input_methods.h"

#include <windows.h>

#include <vector>

const int SCREEN_WIDTH = 240;
const int SCREEN_HEIGHT = 320;
const int PANEL_HEIGHT = 80;

// Menu commands: the input methods take one id each from IDM_METHOD_FIRST on.
const UINT IDM_EXIT = 100;
const UINT IDM_OPTIONS = 101;
const UINT IDM_RESET_POSITION = 102; // the floating panel's alone
const UINT IDM_METHOD_FIRST = 200;

struct HostState
{
    HWND hwndMain;  // the simulated screen or the floating panel
    HWND hwndEdit;  // the simulated application; null for the floating panel
    HWND hwndPanel; // the input panel window, the input method's parent
    HMENU hmenuInput;
    std::vector<InputMethodEntry> aMethods;
    int nActiveMethod;       // index into aMethods, or -1
    IInputMethod* pMethod;   // the selected input method, or null
    HostCallback* pCallback; // what the input method sends through
};

extern HostState g_Host;

// Creates the screen with the input methods found listed in its menu, and shows it; with
// bFixedPlace at the top left of the desktop, where pictures of it are whole.
bool CreateHostWindow(bool bFixedPlace);

// Registers a window class of the host's, with the arrow cursor and the background colour
// nColour; true also when it is registered already.
bool RegisterHostClass(const WCHAR* pszName, WNDPROC pfnProc, int nColour);

// The input panel window, nScale times 240 x 80, at (x, y) of hwndParent's client area.
HWND CreateInputPanel(HWND hwndParent, int x, int y, int nScale);

// Finds the input methods and builds the popup menu that lists them, with Options and Exit.
HMENU CreateInputMenu();

// A command of that menu.
void OnInputMenuCommand(UINT uId);

// Deselects the current input method and selects method nIndex into the panel. The callback's
// registration has arrived when this returns. On failure *ppszFailedCall, when given, names the
// call that failed (see ActivateInputMethod).
HRESULT SelectInputMethod(int nIndex, const char** ppszFailedCall = nullptr);

// Opens the selected input method's options dialog, owned by the screen; returns when it ends.
void OpenInputMethodOptions();

// Deselects and releases the input method, then destroys the screen.
void CloseHost();

// The input method's window in the panel, or null when none is selected.
HWND PadWindow();

// Delivers every message waiting for this thread.
void PumpMessages();

// Runs until the screen is closed; returns the exit status.
int RunMessageLoop();
