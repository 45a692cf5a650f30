#include "tests/pad_window/test_host.h"

#include "base/module.h"
#include "component/input_method.h"
#include "engine/command_codes.h"
#include "pad_model/pad_state.h"
#include "pad_window/pad_window.h"

namespace
{

const wchar_t SIP_CLASS[] = L"VardekoTestSip";

void RegisterSipClass()
{
    static bool bRegistered = false;
    if (bRegistered)
        return;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = g_hInstance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = SIP_CLASS;
    RegisterClassW(&wc);
    bRegistered = true;
}

std::string Narrow(const wchar_t* psz, size_t n)
{
    std::string s;
    for (size_t i = 0; i < n; ++i)
        s += psz[i] < 128 ? static_cast<char>(psz[i]) : '?';
    return s;
}

HKEY OpenClsidKey()
{
    HKEY hkey = nullptr;
    RegCreateKeyExW(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &hkey, nullptr);
    return hkey;
}

} // namespace

void ClearSettingsStore()
{
    RegDeleteTreeW(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY);
    RegDeleteTreeW(HKEY_CURRENT_USER, VARDEKO_USER_CLSID_KEY);
}

void StoreSetting(const wchar_t* pszName, DWORD dwValue)
{
    HKEY hkey = OpenClsidKey();
    RegSetValueExW(hkey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                   sizeof(dwValue));
    RegCloseKey(hkey);
}

long StoredSetting(const wchar_t* pszName)
{
    DWORD dwValue = 0;
    DWORD cbValue = sizeof(dwValue);
    if (RegGetValueW(HKEY_CLASSES_ROOT, VARDEKO_CLSID_KEY, pszName, RRF_RT_REG_DWORD, nullptr,
                     &dwValue, &cbValue) != ERROR_SUCCESS)
        return -1;
    return static_cast<long>(dwValue);
}

TestPanel::TestPanel(int nScale)
{
    RegisterSipClass();
    // For as long as the panel lives, as Select registers it: a later Select in the same program
    // registers it again.
    EXPECT_TRUE(RegisterPadWindowClass());
    RECT rc = {0, 0, 240 * nScale, 80 * nScale};
    AdjustWindowRectEx(&rc, WS_POPUP | WS_BORDER, FALSE, 0);
    hwndSip = CreateWindowExW(WS_EX_TOPMOST, SIP_CLASS, L"", WS_POPUP | WS_BORDER | WS_VISIBLE, 100,
                              100, rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr,
                              g_hInstance, nullptr);
    hwndPad = CreatePadWindow(hwndSip);
    EXPECT_NE(nullptr, hwndPad);
    UpdateWindow(hwndSip);
    PumpMessages();
}

TestPanel::~TestPanel()
{
    if (IsWindow(hwndPad))
        DestroyWindow(hwndPad);
    DestroyWindow(hwndSip);
    PumpMessages();
    UnregisterPadWindowClass();
}

void TestPanel::RegisterRecorder()
{
    PostMessageW(hwndPad, WM_PAD_IMINFO, PAD_IMINFO_CALLBACK, reinterpret_cast<LPARAM>(&recorder));
    PumpMessages();
}

void TestPanel::PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void TestPanel::Tap(int x, int y)
{
    TapPadWindow(hwndPad, x, y);
}

void TestPanel::TapKey(int nKey)
{
    EXPECT_NE(NO_KEY, nKey) << "no such key";
    TapPadKey(hwndPad, {g_PadState.nPadType, nKey});
}

void TestPanel::TapChar(char ch)
{
    TapKey(FindCharKey(g_PadState.nPadType, static_cast<uint16_t>(ch)));
}

void TestPanel::TapCode(unsigned nCode)
{
    TapKey(FindCodeKey(g_PadState.nPadType, static_cast<uint16_t>(nCode)));
}

void TestPanel::TapDirectRowKey(uint16_t wVirtualKey)
{
    TapKey(FindDirectRowKey(wVirtualKey));
}

void TestPanel::TapText(const char* pszKeys)
{
    for (const char* p = pszKeys; *p != 0; ++p)
        TapChar(*p);
}

std::string TestPanel::Display() const
{
    return Narrow(g_PadState.szDisplay, lstrlenW(g_PadState.szDisplay));
}

Pixels DrawClientSized(HWND hwnd, const std::function<void(HDC, HDC, const RECT&)>& draw)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    HDC hdcWindow = GetDC(hwnd);
    HDC hdcMem = CreateCompatibleDC(hdcWindow);
    HBITMAP hbm = CreateCompatibleBitmap(hdcWindow, rc.right, rc.bottom);
    HGDIOBJ hbmOld = SelectObject(hdcMem, hbm);
    draw(hdcMem, hdcWindow, rc);
    Pixels pixels = CaptureArea(hdcMem, 0, 0, rc.right, rc.bottom);
    SelectObject(hdcMem, hbmOld);
    DeleteObject(hbm);
    DeleteDC(hdcMem);
    ReleaseDC(hwnd, hdcWindow);
    return pixels;
}

Pixels CaptureClient(HWND hwnd)
{
    return CapturePicture(hwnd, false);
}

Pixels LoadBitmapPixels(const wchar_t* pszName)
{
    HBITMAP hbm = LoadBitmapW(g_hInstance, pszName);
    if (hbm == nullptr)
        return Pixels();
    BITMAP bm;
    GetObjectW(hbm, sizeof(bm), &bm);
    HDC hdcMem = CreateCompatibleDC(nullptr);
    HGDIOBJ hbmOld = SelectObject(hdcMem, hbm);
    Pixels pixels = CaptureArea(hdcMem, 0, 0, bm.bmWidth, bm.bmHeight);
    SelectObject(hdcMem, hbmOld);
    DeleteDC(hdcMem);
    DeleteObject(hbm);
    return pixels;
}

namespace
{

std::function<void(HWND)> g_fnDialogAct;
HWND g_hwndDialog;

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM)
{
    WCHAR szClass[16];
    GetClassNameW(hwnd, szClass, 16);
    if (lstrcmpW(szClass, L"#32770") == 0 && IsWindowVisible(hwnd))
    {
        g_hwndDialog = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK OnDialogTimer(HWND, UINT, UINT_PTR idTimer, DWORD)
{
    g_hwndDialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, 0);
    if (g_hwndDialog == nullptr)
        return; // not up yet
    KillTimer(nullptr, idTimer);
    g_fnDialogAct(g_hwndDialog);
}

} // namespace

void DriveOptionsDialog(HWND hwndOwner, std::function<void(HWND)> act)
{
    g_fnDialogAct = std::move(act);
    g_hwndDialog = nullptr;
    UINT_PTR idTimer = SetTimer(nullptr, 0, 50, OnDialogTimer);
    InputMethod* pim = new InputMethod;
    EXPECT_EQ(S_OK, pim->UserOptionsDlg(hwndOwner));
    pim->Release();
    KillTimer(nullptr, idTimer);
    ASSERT_NE(nullptr, g_hwndDialog) << "the dialog never appeared";
}
