#include "host/host_window.h"

#include "host/text_escape.h"

#include <cwctype>

HostState g_Host = {nullptr, nullptr, nullptr, nullptr, {}, -1, nullptr, nullptr};

namespace
{

const WCHAR MAIN_CLASS[] = L"VardekoHostScreen";
const WCHAR PANEL_CLASS[] = L"VardekoHostPanel";
const DWORD MAIN_STYLE = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

void ReportSelectFailure(int nIndex, const char* pszFailedCall, HRESULT hr)
{
    std::wstring sText =
        FromUtf8(ActivationFailureText(g_Host.aMethods[nIndex], pszFailedCall, hr) + ".");
    sText[0] = towupper(sText[0]);
    MessageBoxW(g_Host.hwndMain, sText.c_str(), L"Vardeko host", MB_OK | MB_ICONERROR);
}

// The simulated application's: the screen delivers to it whatever has the focus.
HostCallback g_ScreenCallback;

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    // The menu: an input method, its options, or Exit.
    case WM_COMMAND: OnInputMenuCommand(LOWORD(wParam)); return 0;
    case WM_SETFOCUS:
        // The application keeps the focus, as on the handheld: the panel never takes it.
        SetFocus(g_Host.hwndEdit);
        return 0;
    // The close box deselects and releases the input method before the window goes, as Exit does.
    case WM_CLOSE: CloseHost(); return 0;
    // The host's message loop ends with its window.
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    }
}

HMENU CreateHostMenu()
{
    HMENU hmenuBar = CreateMenu();
    AppendMenuW(hmenuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreateInputMenu()), L"Input");
    return hmenuBar;
}

// The menu bar's height depends on the system's metrics: size the frame around the client area
// the screen needs, then correct by what the window really got.
void FitClientArea()
{
    RECT rcClient;
    GetClientRect(g_Host.hwndMain, &rcClient);
    RECT rcWindow;
    GetWindowRect(g_Host.hwndMain, &rcWindow);
    int nWidth = rcWindow.right - rcWindow.left + SCREEN_WIDTH - rcClient.right;
    int nHeight = rcWindow.bottom - rcWindow.top + SCREEN_HEIGHT - rcClient.bottom;
    SetWindowPos(g_Host.hwndMain, nullptr, 0, 0, nWidth, nHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ShowActiveMethod()
{
    for (size_t i = 0; i < g_Host.aMethods.size(); ++i)
        CheckMenuItem(g_Host.hmenuInput, IDM_METHOD_FIRST + i,
                      static_cast<int>(i) == g_Host.nActiveMethod ? MF_CHECKED : MF_UNCHECKED);
    EnableMenuItem(g_Host.hmenuInput, IDM_OPTIONS,
                   g_Host.pMethod != nullptr ? MF_ENABLED : MF_GRAYED);
}

} // namespace

bool RegisterHostClass(const WCHAR* pszName, WNDPROC pfnProc, int nColour)
{
    WNDCLASSW wc = {};
    wc.hInstance = GetModuleHandleW(nullptr);
    if (GetClassInfoW(wc.hInstance, pszName, &wc))
        return true;
    wc.lpfnWndProc = pfnProc;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(nColour + 1));
    wc.lpszClassName = pszName;
    return RegisterClassW(&wc) != 0;
}

HWND CreateInputPanel(HWND hwndParent, int x, int y, int nScale)
{
    if (!RegisterHostClass(PANEL_CLASS, DefWindowProcW, COLOR_BTNFACE))
        return nullptr;
    return CreateWindowExW(0, PANEL_CLASS, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y,
                           SCREEN_WIDTH * nScale, PANEL_HEIGHT * nScale, hwndParent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

HMENU CreateInputMenu()
{
    g_Host.aMethods = FindInputMethods();
    g_Host.hmenuInput = CreatePopupMenu();
    for (size_t i = 0; i < g_Host.aMethods.size(); ++i)
        AppendMenuW(g_Host.hmenuInput, MF_STRING, IDM_METHOD_FIRST + i,
                    g_Host.aMethods[i].sName.c_str());
    if (g_Host.aMethods.empty())
        AppendMenuW(g_Host.hmenuInput, MF_STRING | MF_GRAYED, IDM_METHOD_FIRST,
                    L"(no input method registered)");
    AppendMenuW(g_Host.hmenuInput, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(g_Host.hmenuInput, MF_STRING | MF_GRAYED, IDM_OPTIONS, L"Options\x2026");
    AppendMenuW(g_Host.hmenuInput, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(g_Host.hmenuInput, MF_STRING, IDM_EXIT, L"Exit");
    return g_Host.hmenuInput;
}

void OnInputMenuCommand(UINT uId)
{
    if (uId == IDM_EXIT)
    {
        CloseHost();
        return;
    }
    if (uId == IDM_OPTIONS)
    {
        OpenInputMethodOptions();
        return;
    }
    int nIndex = static_cast<int>(uId - IDM_METHOD_FIRST);
    if (nIndex >= 0 && nIndex < static_cast<int>(g_Host.aMethods.size()))
    {
        const char* pszFailedCall = nullptr;
        HRESULT hr = SelectInputMethod(nIndex, &pszFailedCall);
        if (FAILED(hr))
            ReportSelectFailure(nIndex, pszFailedCall, hr);
    }
}

bool CreateHostWindow(bool bFixedPlace)
{
    if (!RegisterHostClass(MAIN_CLASS, MainWndProc, COLOR_WINDOW))
        return false;
    RECT rc = {0, 0, SCREEN_WIDTH, SCREEN_HEIGHT};
    AdjustWindowRectEx(&rc, MAIN_STYLE, TRUE, 0);
    int x = bFixedPlace ? 0 : CW_USEDEFAULT;
    int y = bFixedPlace ? 0 : CW_USEDEFAULT;
    HINSTANCE hInstance = GetModuleHandleW(nullptr);
    g_Host.hwndMain =
        CreateWindowExW(0, MAIN_CLASS, L"Vardeko host", MAIN_STYLE, x, y, rc.right - rc.left,
                        rc.bottom - rc.top, nullptr, CreateHostMenu(), hInstance, nullptr);
    if (g_Host.hwndMain == nullptr)
        return false;
    FitClientArea();
    g_Host.hwndEdit = CreateWindowExW(
        0, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 0, 0,
        SCREEN_WIDTH, SCREEN_HEIGHT - PANEL_HEIGHT, g_Host.hwndMain, nullptr, hInstance, nullptr);
    g_Host.hwndPanel = CreateInputPanel(g_Host.hwndMain, 0, SCREEN_HEIGHT - PANEL_HEIGHT, 1);
    if (g_Host.hwndEdit == nullptr || g_Host.hwndPanel == nullptr)
        return false;
    SendMessageW(g_Host.hwndEdit, WM_SETFONT,
                 reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    g_ScreenCallback.SetTarget(g_Host.hwndEdit);
    g_Host.pCallback = &g_ScreenCallback;
    ShowWindow(g_Host.hwndMain, SW_SHOW);
    UpdateWindow(g_Host.hwndMain);
    SetFocus(g_Host.hwndEdit);
    PumpMessages();
    return true;
}

HRESULT SelectInputMethod(int nIndex, const char** ppszFailedCall)
{
    DeactivateInputMethod(&g_Host.pMethod);
    g_Host.nActiveMethod = -1;
    const char* pszFailedCall = nullptr;
    HRESULT hr = ActivateInputMethod(g_Host.aMethods[nIndex].clsid, g_Host.hwndPanel,
                                     g_Host.pCallback, &g_Host.pMethod, &pszFailedCall);
    if (ppszFailedCall != nullptr)
        *ppszFailedCall = pszFailedCall;
    if (SUCCEEDED(hr))
        g_Host.nActiveMethod = nIndex;
    ShowActiveMethod();
    InvalidateRect(g_Host.hwndPanel, nullptr, TRUE);
    // RegisterCallback posts the callback to the pad window: it must arrive before any tap.
    PumpMessages();
    return hr;
}

void OpenInputMethodOptions()
{
    // The dialog takes the activation; the application that had it gets it back.
    HWND hwndApplication = GetForegroundWindow();
    if (g_Host.pMethod != nullptr)
        g_Host.pMethod->UserOptionsDlg(g_Host.hwndMain);
    if (g_Host.hwndEdit != nullptr)
        SetFocus(g_Host.hwndEdit);
    else if (hwndApplication != nullptr && hwndApplication != g_Host.hwndMain)
        SetForegroundWindow(hwndApplication);
}

void CloseHost()
{
    DeactivateInputMethod(&g_Host.pMethod);
    g_Host.nActiveMethod = -1;
    if (g_Host.hwndMain != nullptr)
        DestroyWindow(g_Host.hwndMain);
    g_Host.hwndMain = nullptr;
}

HWND PadWindow()
{
    return g_Host.pMethod != nullptr ? GetDlgItem(g_Host.hwndPanel, PAD_WINDOW_ID) : nullptr;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int RunMessageLoop()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
