// The floating panel's size in this process: the pad's scale from the menu or, Automatic, from the
// monitor's DPI; the choice kept for the next panel; the grip and the input panel grown with it.

#include "host/host_window.h"
#include "host/panel_scale.h"
#include "host/panel_window.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

SIZE ClientSize(HWND hwnd)
{
    RECT rc = {};
    GetClientRect(hwnd, &rc);
    return {rc.right, rc.bottom};
}

// The input panel nScale times 240 x 80 under a grip nScale times a 96 DPI small caption.
void ExpectPanelAt(int nScale)
{
    SIZE panel = ClientSize(g_Host.hwndPanel);
    EXPECT_EQ(240 * nScale, panel.cx);
    EXPECT_EQ(80 * nScale, panel.cy);
    int nGrip = GetSystemMetricsForDpi(SM_CYSMCAPTION, USER_DEFAULT_SCREEN_DPI) * nScale;
    SIZE whole = ClientSize(g_Host.hwndMain);
    EXPECT_EQ(240 * nScale, whole.cx);
    EXPECT_EQ(nGrip + 80 * nScale, whole.cy);
    RECT rcPanel;
    GetWindowRect(g_Host.hwndPanel, &rcPanel);
    POINT pt = {rcPanel.left, rcPanel.top};
    ScreenToClient(g_Host.hwndMain, &pt);
    EXPECT_EQ(0, pt.x);
    EXPECT_EQ(nGrip, pt.y);
}

std::wstring MenuText(HMENU hmenu, UINT uPosition)
{
    WCHAR sz[64] = L"";
    GetMenuStringW(hmenu, uPosition, sz, 64, MF_BYPOSITION);
    return sz;
}

HMENU SizeMenu()
{
    for (int i = 0; i < GetMenuItemCount(g_Host.hmenuInput); ++i)
        if (MenuText(g_Host.hmenuInput, i) == L"Size")
            return GetSubMenu(g_Host.hmenuInput, i);
    return nullptr;
}

bool IsChecked(HMENU hmenu, UINT uId)
{
    return (GetMenuState(hmenu, uId, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

long StoredChoice()
{
    DWORD dw = 0;
    DWORD cb = sizeof(dw);
    if (RegGetValueW(HKEY_CURRENT_USER, PANEL_PLACE_KEY, L"PanelScale", RRF_RT_REG_DWORD, nullptr,
                     &dw, &cb) != ERROR_SUCCESS)
        return -1;
    return static_cast<long>(dw);
}

// Grown or shrunk, the whole panel stays inside the work area of its monitor.
void Choose(int nChoice)
{
    SendMessageW(g_Host.hwndMain, WM_COMMAND, IDM_SCALE_AUTOMATIC + nChoice, 0);
    MONITORINFO mi;
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromWindow(g_Host.hwndMain, MONITOR_DEFAULTTONEAREST), &mi);
    RECT rc;
    GetWindowRect(g_Host.hwndMain, &rc);
    EXPECT_GE(rc.left, mi.rcWork.left) << nChoice;
    EXPECT_GE(rc.top, mi.rcWork.top) << nChoice;
    EXPECT_LE(rc.right, mi.rcWork.right) << nChoice;
    EXPECT_LE(rc.bottom, mi.rcWork.bottom) << nChoice;
}

} // namespace

// Each test starts as a first run, with no stored place or size, and leaves none for the other
// tests of this prefix.
class PanelScaleTest : public testing::Test
{
  protected:
    void SetUp() override { ForgetPanel(); }
    void TearDown() override
    {
        CloseHost();
        // The panel's end asks this thread's message loop to end as well.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ;
        ForgetPanel();
    }
    static void ForgetPanel()
    {
        for (const wchar_t* pszValue : {L"PanelScale", L"PanelLeft", L"PanelTop"})
            RegDeleteKeyValueW(HKEY_CURRENT_USER, PANEL_PLACE_KEY, pszValue);
    }
};

TEST_F(PanelScaleTest, TheMenuChoosesTheSizeAndTheNextPanelOpensAtIt)
{
    ASSERT_EQ(96u, GetDpiForSystem()) << "the test prefix's DPI";
    ASSERT_TRUE(CreatePanelWindow());
    ExpectPanelAt(1); // Automatic at 96 DPI
    HMENU hmenuSize = SizeMenu();
    ASSERT_NE(nullptr, hmenuSize);
    const wchar_t* apszItems[] = {L"Automatic", L"x1 (240 x 80)", L"x2 (480 x 160)",
                                  L"x3 (720 x 240)", L"x4 (960 x 320)"};
    ASSERT_EQ(5, GetMenuItemCount(hmenuSize));
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(apszItems[i], MenuText(hmenuSize, i));
        EXPECT_EQ(IDM_SCALE_AUTOMATIC + i, GetMenuItemID(hmenuSize, i));
        EXPECT_EQ(i == 0, IsChecked(hmenuSize, IDM_SCALE_AUTOMATIC + i));
    }

    Choose(4); // grown from where a first panel opens, beside a window or in a corner
    ExpectPanelAt(4);
    Choose(3);
    ExpectPanelAt(3);
    EXPECT_EQ(3, StoredChoice());
    EXPECT_TRUE(IsChecked(hmenuSize, IDM_SCALE_AUTOMATIC + 3));
    EXPECT_FALSE(IsChecked(hmenuSize, IDM_SCALE_AUTOMATIC));

    CloseHost();
    ASSERT_TRUE(CreatePanelWindow());
    ExpectPanelAt(3);
    EXPECT_TRUE(IsChecked(SizeMenu(), IDM_SCALE_AUTOMATIC + 3));

    Choose(0);
    ExpectPanelAt(1);
    EXPECT_EQ(0, StoredChoice());
}

TEST_F(PanelScaleTest, AStoredValueOutOfRangeCountsAsAutomatic)
{
    DWORD dw = 9;
    RegSetKeyValueW(HKEY_CURRENT_USER, PANEL_PLACE_KEY, L"PanelScale", REG_DWORD, &dw, sizeof(dw));
    ASSERT_TRUE(CreatePanelWindow());
    ExpectPanelAt(1);
    EXPECT_TRUE(IsChecked(SizeMenu(), IDM_SCALE_AUTOMATIC));
}

// Moved to a monitor of another DPI (WM_DPICHANGED, which Wine never sends): Automatic takes
// that monitor's scale at the place the system suggests; a size the user chose stays.
TEST_F(PanelScaleTest, AutomaticFollowsTheDpiOfTheMonitorItMovesTo)
{
    ASSERT_TRUE(CreatePanelWindow());
    struct Move
    {
        UINT uDpi;
        int nScale;
    } aMoves[] = {{192, 2}, {288, 3}, {144, 2}, {120, 1}, {384, 4}, {480, 4}, {96, 1}};
    for (const Move& move : aMoves)
    {
        RECT rcSuggested = {10 + static_cast<LONG>(move.uDpi / 16), 50, 900, 700};
        SendMessageW(g_Host.hwndMain, WM_DPICHANGED, MAKEWPARAM(move.uDpi, move.uDpi),
                     reinterpret_cast<LPARAM>(&rcSuggested));
        ExpectPanelAt(move.nScale);
        RECT rc;
        GetWindowRect(g_Host.hwndMain, &rc);
        EXPECT_EQ(rcSuggested.left, rc.left) << move.uDpi;
        EXPECT_EQ(rcSuggested.top, rc.top) << move.uDpi;
    }
    Choose(1);
    RECT rcSuggested = {10, 10, 900, 700};
    SendMessageW(g_Host.hwndMain, WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&rcSuggested));
    ExpectPanelAt(1);
}
