// The floating panel's window in this process: its menu, and the rule that keeps it on screen.

#include "base/screen_area.h"
#include "host/host_window.h"
#include "host/panel_window.h"

#include <gtest/gtest.h>

namespace
{

RECT PrimaryWorkArea()
{
    MONITORINFO mi;
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi);
    return mi.rcWork;
}

std::wstring MenuText(HMENU hmenu, UINT uPosition)
{
    WCHAR sz[64] = L"";
    GetMenuStringW(hmenu, uPosition, sz, 64, MF_BYPOSITION);
    return sz;
}

} // namespace

TEST(PanelWindowTest, MenuOffersResetPositionAfterTheOptionsAndBeforeExit)
{
    ASSERT_TRUE(CreatePanelWindow());
    HMENU hmenu = g_Host.hmenuInput;
    int nItems = GetMenuItemCount(hmenu);
    ASSERT_GE(nItems, 5);
    EXPECT_EQ(L"Options\x2026", MenuText(hmenu, nItems - 4));
    EXPECT_EQ(L"Reset position", MenuText(hmenu, nItems - 3));
    EXPECT_EQ(IDM_RESET_POSITION, GetMenuItemID(hmenu, nItems - 3));
    EXPECT_EQ(L"Exit", MenuText(hmenu, nItems - 1));
    CloseHost();
    // The panel's end asks this thread's message loop to end as well.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ;
}

TEST(OnScreenRectTest, MovesIntoTheNearestWorkAreaWithoutResizing)
{
    RECT rcWork = PrimaryWorkArea();
    struct Case
    {
        RECT rc;
        LONG nLeft, nTop;
    } aCases[] = {
        {{rcWork.left + 10, rcWork.top + 20, rcWork.left + 250, rcWork.top + 120},
         rcWork.left + 10,
         rcWork.top + 20},
        {{-5000, -5000, -4760, -4900}, rcWork.left, rcWork.top},
        {{rcWork.right - 40, rcWork.bottom - 10, rcWork.right + 200, rcWork.bottom + 90},
         rcWork.right - 240,
         rcWork.bottom - 100},
        {{100, -90, 340, 10}, 100, rcWork.top},
        // Larger than the work area: the top left corner, where the grip is, stays inside.
        {{rcWork.left + 5, rcWork.top + 5, rcWork.right + 100, rcWork.bottom + 100},
         rcWork.left,
         rcWork.top},
    };
    for (const Case& c : aCases)
    {
        RECT rc = OnScreenRect(c.rc);
        EXPECT_EQ(c.nLeft, rc.left) << c.rc.left << "," << c.rc.top;
        EXPECT_EQ(c.nTop, rc.top) << c.rc.left << "," << c.rc.top;
        EXPECT_EQ(c.rc.right - c.rc.left, rc.right - rc.left);
        EXPECT_EQ(c.rc.bottom - c.rc.top, rc.bottom - rc.top);
    }
}
