// The options dialog opened through UserOptionsDlg, driven from a timer inside its modal loop as
// a user would: found while it runs, checked against its template, ticked, confirmed or cancelled,
// also with real mouse clicks on the caption's OK button that the desktop's platform layer adds.

#include "base/module.h"
#include "component/input_method.h"
#include "pad_model/pad_state.h"
#include "platform/caption_ok_button.h"
#include "resources/resource.h"
#include "settings/settings_store.h"
#include "tests/pad_window/test_host.h"
#include "tests/support/pointer_input.h"

namespace
{

struct ExpectedControl
{
    int nId;
    const wchar_t* pszClass;
    LONG lStyle;
    RECT rcUnits; // x, y, width, height in dialog units
    const wchar_t* pszText;
};

const ExpectedControl g_aControls[] = {
    {IDC_EQUELTOINPUT,
     L"Button",
     0x50010003,
     {7, 7, 83, 10},
     L"'=' \x3067\xFF83\xFF9E\xFF70\xFF80\x3092\xFF72\xFF9D\xFF8C\xFF9F\xFF6F\xFF84\x3059\x308B"},
    {IDC_INPUTTOCLEAR,
     L"Button",
     0x50010003,
     {7, 22, 117, 10},
     L"\xFF72\xFF9D\xFF8C\xFF9F\xFF6F\xFF84\x5F8C\xFF83\xFF9E\xFF70\xFF80\x3092\xFF75\xFF70\xFF99"
     L"\xFF78\xFF98\xFF71\xFF08"
     L"AC\xFF09\x3059\x308B"},
    {IDC_DIRECTINEX,
     L"Button",
     0x50010003,
     {7, 37, 117, 10},
     L"\x6F14\x7B97\x7D50\x679C\xFF73\xFF72\xFF9D\xFF84\xFF9E\xFF73\xFF65\xFF80\xFF6F\xFF8C\xFF9F"
     L"\x3067\xFF80\xFF9E\xFF72\xFF9A\xFF78\xFF84\xFF93\xFF70\xFF84\xFF9E"},
    {IDC_DIRECTOUTEX,
     L"Button",
     0x50010003,
     {7, 52, 117, 10},
     L"\xFF80\xFF9E\xFF72\xFF9A\xFF78\xFF84\xFF93\xFF70\xFF84\xFF9E\x304B\x3089\x7121\x52B9\xFF8E"
     L"\xFF9E\xFF80\xFF9D\x3067\x306C\x3051\x308B"},
};

bool IsChecked(HWND hwndDlg, int nId)
{
    return SendDlgItemMessageW(hwndDlg, nId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Click(HWND hwndDlg, int nId)
{
    SendDlgItemMessageW(hwndDlg, nId, BM_CLICK, 0, 0);
}

void PressKey(HWND hwndDlg, WPARAM vk)
{
    HWND hwndFocus = GetFocus();
    PostMessageW(hwndFocus != nullptr ? hwndFocus : hwndDlg, WM_KEYDOWN, vk, 0);
}

HWND CreateOwner(int x, int y, int nWidth, int nHeight)
{
    return CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, x, y, nWidth, nHeight,
                           nullptr, nullptr, nullptr, nullptr);
}

} // namespace

class OptionsDialogTest : public testing::Test
{
  protected:
    // As the host does, standing for the handheld's system.
    static void SetUpTestSuite() { ASSERT_TRUE(InstallCaptionOkButtons()); }
    void SetUp() override { ClearSettingsStore(); }
};

TEST_F(OptionsDialogTest, ControlsFollowTheTemplate)
{
    DriveOptionsDialog(nullptr, [](HWND hwndDlg) {
        DWORD dwStyle = static_cast<DWORD>(GetWindowLongW(hwndDlg, GWL_STYLE));
        EXPECT_EQ(0x80C800C0u, dwStyle & 0x80C800C0u);
        WCHAR szText[64];
        GetWindowTextW(hwndDlg, szText, 64);
        EXPECT_STREQ(L"Vardeko\x306E\xFF75\xFF8C\xFF9F\xFF7C\xFF6E\xFF9D", szText);
        RECT rcWindow;
        GetWindowRect(hwndDlg, &rcWindow);
        EXPECT_EQ(0, rcWindow.left); // no owner: the template's position
        EXPECT_EQ(0, rcWindow.top);

        for (const ExpectedControl& control : g_aControls)
        {
            HWND hwndControl = GetDlgItem(hwndDlg, control.nId);
            ASSERT_NE(nullptr, hwndControl) << control.nId;
            WCHAR szClass[32];
            GetClassNameW(hwndControl, szClass, 32);
            EXPECT_STREQ(control.pszClass, szClass);
            EXPECT_EQ(control.lStyle, GetWindowLongW(hwndControl, GWL_STYLE));
            // The dialog manager converts position and size each on its own.
            RECT rcExpected = control.rcUnits;
            MapDialogRect(hwndDlg, &rcExpected);
            RECT rc;
            GetWindowRect(hwndControl, &rc);
            MapWindowPoints(HWND_DESKTOP, hwndDlg, reinterpret_cast<POINT*>(&rc), 2);
            EXPECT_EQ(rcExpected.left, rc.left) << control.nId;
            EXPECT_EQ(rcExpected.top, rc.top) << control.nId;
            EXPECT_EQ(rcExpected.right, rc.right - rc.left) << control.nId;
            EXPECT_EQ(rcExpected.bottom, rc.bottom - rc.top) << control.nId;
            GetWindowTextW(hwndControl, szText, 64);
            EXPECT_STREQ(control.pszText, szText);
        }
        // After the four boxes: the version line, the free line and the etched rule, in the
        // template's order, which is also the tab order.
        HWND hwnd = GetWindow(GetDlgItem(hwndDlg, IDC_INPUTTOCLEAR), GW_HWNDNEXT);
        GetWindowTextW(hwnd, szText, 64);
        EXPECT_STREQ(L"Vardeko for Palm-size PC v0.20", szText);
        EXPECT_EQ(0x50020001, GetWindowLongW(hwnd, GWL_STYLE));
        hwnd = GetWindow(hwnd, GW_HWNDNEXT);
        EXPECT_EQ(0x50020001, GetWindowLongW(hwnd, GWL_STYLE));
        EXPECT_EQ(GetDlgItem(hwndDlg, IDC_DIRECTINEX), GetWindow(hwnd, GW_HWNDNEXT));
        hwnd = GetWindow(GetDlgItem(hwndDlg, IDC_DIRECTOUTEX), GW_HWNDNEXT);
        EXPECT_EQ(0x50000010, GetWindowLongW(hwnd, GWL_STYLE));
        EXPECT_EQ(nullptr, GetWindow(hwnd, GW_HWNDNEXT));
        PressKey(hwndDlg, VK_ESCAPE);
    });
}

TEST_F(OptionsDialogTest, BoxesShowTheStoreAndOkSavesAllFour)
{
    StoreSetting(L"EquelToInput", 1);
    StoreSetting(L"InputToClear", 2); // only exactly 1 ticks a box
    StoreSetting(L"DirectOutEx", 1);
    DriveOptionsDialog(nullptr, [](HWND hwndDlg) {
        EXPECT_TRUE(IsChecked(hwndDlg, IDC_EQUELTOINPUT));
        EXPECT_FALSE(IsChecked(hwndDlg, IDC_INPUTTOCLEAR));
        EXPECT_FALSE(IsChecked(hwndDlg, IDC_DIRECTINEX));
        EXPECT_TRUE(IsChecked(hwndDlg, IDC_DIRECTOUTEX));
        Click(hwndDlg, IDC_EQUELTOINPUT);
        Click(hwndDlg, IDC_DIRECTINEX);
        PressKey(hwndDlg, VK_RETURN); // Enter gives IDOK
    });
    EXPECT_EQ(0, StoredSetting(L"EquelToInput"));
    EXPECT_EQ(0, StoredSetting(L"InputToClear"));
    EXPECT_EQ(1, StoredSetting(L"DirectInEx"));
    EXPECT_EQ(1, StoredSetting(L"DirectOutEx"));
    EXPECT_FALSE(g_PadState.bEqualsSends);
    EXPECT_TRUE(g_PadState.bDisplayTapEntersDirect);
}

TEST_F(OptionsDialogTest, CancelLeavesTheStoreButTheOptionsAreReloaded)
{
    StoreSetting(L"InputToClear", 1);
    g_PadState.bClearAfterSending = FALSE; // changed outside the keypad since the window was made
    DriveOptionsDialog(nullptr, [](HWND hwndDlg) {
        EXPECT_TRUE(IsChecked(hwndDlg, IDC_INPUTTOCLEAR));
        Click(hwndDlg, IDC_INPUTTOCLEAR);
        Click(hwndDlg, IDC_EQUELTOINPUT);
        SendMessageW(hwndDlg, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(1, StoredSetting(L"InputToClear"));
    EXPECT_EQ(-1, StoredSetting(L"EquelToInput"));
    EXPECT_TRUE(g_PadState.bClearAfterSending);
    EXPECT_FALSE(g_PadState.bEqualsSends);
}

TEST_F(OptionsDialogTest, DialogIsCentredOverItsOwnerByTheTruncatingRule)
{
    HWND hwndOwner = CreateOwner(101, 37, 241, 323);
    DriveOptionsDialog(hwndOwner, [hwndOwner](HWND hwndDlg) {
        EXPECT_EQ(hwndOwner, GetWindow(hwndDlg, GW_OWNER));
        RECT rcDlg, rcOwner;
        GetWindowRect(hwndDlg, &rcDlg);
        GetWindowRect(hwndOwner, &rcOwner);
        int nWidth = rcDlg.right - rcDlg.left;
        int nHeight = rcDlg.bottom - rcDlg.top;
        EXPECT_EQ((rcOwner.left + rcOwner.right) / 2 - nWidth / 2, rcDlg.left);
        EXPECT_EQ((rcOwner.top + rcOwner.bottom) / 2 - nHeight / 2, rcDlg.top);
        SendMessageW(hwndDlg, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(0, StoredSetting(L"EquelToInput")); // OK with nothing changed still writes
    DestroyWindow(hwndOwner);
}

namespace
{

// The caption's buttons found as the system finds them, by hit-testing the caption row.
struct CaptionButtons
{
    RECT rcOk;    // window coordinates of the points that hit HT_CAPTION_OK
    RECT rcClose; // and HTCLOSE
};

void Include(RECT* prc, int x, int y)
{
    if (IsRectEmpty(prc))
    {
        *prc = {x, y, x + 1, y + 1};
        return;
    }
    RECT rcPoint = {x, y, x + 1, y + 1};
    UnionRect(prc, prc, &rcPoint);
}

CaptionButtons FindCaptionButtons(HWND hwndDlg)
{
    CaptionButtons buttons = {};
    RECT rcWindow;
    GetWindowRect(hwndDlg, &rcWindow);
    RECT rcClient;
    GetClientRect(hwndDlg, &rcClient);
    POINT ptClient = {0, 0};
    ClientToScreen(hwndDlg, &ptClient);
    for (int y = rcWindow.top; y < ptClient.y; ++y)
    {
        for (int x = rcWindow.left; x < rcWindow.right; ++x)
        {
            LRESULT lHit = SendMessageW(hwndDlg, WM_NCHITTEST, 0, MAKELPARAM(x, y));
            if (lHit == HT_CAPTION_OK)
                Include(&buttons.rcOk, x - rcWindow.left, y - rcWindow.top);
            else if (lHit == HTCLOSE)
                Include(&buttons.rcClose, x - rcWindow.left, y - rcWindow.top);
        }
    }
    return buttons;
}

// The buttons, or a failure and the dialog cancelled, so that a missing button fails the test
// instead of leaving the dialog open.
bool FindCaptionButtonsOrCancel(HWND hwndDlg, CaptionButtons* pButtons)
{
    *pButtons = FindCaptionButtons(hwndDlg);
    if (!IsRectEmpty(&pButtons->rcOk) && !IsRectEmpty(&pButtons->rcClose))
        return true;
    ADD_FAILURE() << "the caption lacks its OK button or its close box";
    SendMessageW(hwndDlg, WM_COMMAND, IDCANCEL, 0);
    return false;
}

// The centre of a rectangle of hwndDlg's window coordinates, on the screen.
POINT ScreenCentre(HWND hwndDlg, const RECT& rc)
{
    RECT rcWindow;
    GetWindowRect(hwndDlg, &rcWindow);
    return {rcWindow.left + (rc.left + rc.right) / 2, rcWindow.top + (rc.top + rc.bottom) / 2};
}

// Real pointer input through the system's input queue: the button goes down at ptDown and comes
// up at ptUp.
void MouseClick(HWND hwndDlg, POINT ptDown, POINT ptUp)
{
    // Another program's window over the dialog would take the click.
    EXPECT_EQ(hwndDlg, GetAncestor(WindowFromPoint(ptDown), GA_ROOT));
    INPUT aInputs[] = {MouseInputAt(ptDown, 0), MouseInputAt(ptDown, MOUSEEVENTF_LEFTDOWN),
                       MouseInputAt(ptUp, 0), MouseInputAt(ptUp, MOUSEEVENTF_LEFTUP)};
    EXPECT_EQ(4u, SendInput(4, aInputs, sizeof(INPUT)));
}

// Counts the pixels of the window's rectangle rc that have the colour cr.
int CountColour(HWND hwndDlg, const RECT& rc, COLORREF cr)
{
    HDC hdc = GetWindowDC(hwndDlg);
    int nCount = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            nCount += GetPixel(hdc, x, y) == cr ? 1 : 0;
    ReleaseDC(hwndDlg, hdc);
    return nCount;
}

// The dialog over a window of its own away from the screen's top left corner, where other
// tests' windows appear.
HWND CreateClickOwner()
{
    return CreateOwner(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 3, 300,
                       300);
}

} // namespace

TEST_F(OptionsDialogTest, CaptionOkButtonIsDrawnBesideTheCloseBoxAndAClickSaves)
{
    StoreSetting(L"DirectOutEx", 1);
    HWND hwndOwner = CreateClickOwner();
    DriveOptionsDialog(hwndOwner, [](HWND hwndDlg) {
        CaptionButtons buttons;
        if (!FindCaptionButtonsOrCancel(hwndDlg, &buttons))
            return;
        RECT rcDrawn = CaptionOkButtonRect(hwndDlg);
        EXPECT_TRUE(EqualRect(&rcDrawn, &buttons.rcOk));
        // Left of the close box, with the small gap the system leaves between caption buttons,
        // centred on the same line within the caption row and at least as wide.
        EXPECT_GT(buttons.rcClose.left, buttons.rcOk.right - 1);
        EXPECT_LE(buttons.rcClose.left - buttons.rcOk.right, 4);
        EXPECT_GE(buttons.rcOk.top, buttons.rcClose.top);
        EXPECT_EQ(buttons.rcOk.top - buttons.rcClose.top,
                  buttons.rcClose.bottom - buttons.rcOk.bottom);
        EXPECT_GE(buttons.rcOk.right - buttons.rcOk.left,
                  buttons.rcClose.right - buttons.rcClose.left);
        // Drawn as a push button with its label: button face and button text, not caption.
        RedrawWindow(hwndDlg, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        int nArea =
            (buttons.rcOk.right - buttons.rcOk.left) * (buttons.rcOk.bottom - buttons.rcOk.top);
        EXPECT_GT(CountColour(hwndDlg, buttons.rcOk, GetSysColor(COLOR_BTNFACE)), nArea / 4);
        EXPECT_GT(CountColour(hwndDlg, buttons.rcOk, GetSysColor(COLOR_BTNTEXT)), 8);
        Click(hwndDlg, IDC_EQUELTOINPUT);
        POINT pt = ScreenCentre(hwndDlg, buttons.rcOk);
        MouseClick(hwndDlg, pt, pt);
    });
    EXPECT_EQ(1, StoredSetting(L"EquelToInput"));
    EXPECT_EQ(0, StoredSetting(L"InputToClear"));
    EXPECT_EQ(1, StoredSetting(L"DirectOutEx"));
    EXPECT_TRUE(g_PadState.bEqualsSends);
    DestroyWindow(hwndOwner);
}

namespace
{

// Whether the dialog is still open once the input queued before the timer was set has been
// handled: a timer's message comes only when no input and no posted message is waiting.
HWND g_hwndClicked;
bool g_bStillOpen;

void CALLBACK OnAfterInput(HWND, UINT, UINT_PTR idTimer, DWORD)
{
    KillTimer(nullptr, idTimer);
    g_bStillOpen = IsWindow(g_hwndClicked) && IsWindowVisible(g_hwndClicked);
    if (g_bStillOpen)
        SendMessageW(g_hwndClicked, WM_COMMAND, IDCANCEL, 0);
}

} // namespace

TEST_F(OptionsDialogTest, ClickLeavingTheOkButtonBeforeReleaseAndTheCloseBoxCancel)
{
    StoreSetting(L"InputToClear", 1);
    HWND hwndOwner = CreateClickOwner();
    g_bStillOpen = false;
    DriveOptionsDialog(hwndOwner, [](HWND hwndDlg) {
        CaptionButtons buttons;
        if (!FindCaptionButtonsOrCancel(hwndDlg, &buttons))
            return;
        Click(hwndDlg, IDC_INPUTTOCLEAR);
        RECT rcClient;
        GetClientRect(hwndDlg, &rcClient);
        POINT ptAway = {rcClient.right / 2, rcClient.bottom - 2};
        ClientToScreen(hwndDlg, &ptAway);
        MouseClick(hwndDlg, ScreenCentre(hwndDlg, buttons.rcOk), ptAway);
        g_hwndClicked = hwndDlg;
        SetTimer(nullptr, 0, 0, OnAfterInput);
    });
    EXPECT_TRUE(g_bStillOpen) << "a press released off the button ended the dialog";
    EXPECT_EQ(1, StoredSetting(L"InputToClear"));

    DriveOptionsDialog(hwndOwner, [](HWND hwndDlg) {
        CaptionButtons buttons;
        if (!FindCaptionButtonsOrCancel(hwndDlg, &buttons))
            return;
        Click(hwndDlg, IDC_INPUTTOCLEAR);
        POINT pt = ScreenCentre(hwndDlg, buttons.rcClose);
        MouseClick(hwndDlg, pt, pt);
    });
    EXPECT_EQ(1, StoredSetting(L"InputToClear"));
    EXPECT_EQ(-1, StoredSetting(L"EquelToInput"));
    DestroyWindow(hwndOwner);
}

namespace
{

// Reads a plain dialog template: a sz_Or_Ord field, then the next one.
const WORD* SkipText(const WORD* p, std::wstring* ps)
{
    if (*p == 0xFFFF)
    {
        *ps = L"#" + std::to_wstring(p[1]);
        return p + 2;
    }
    ps->clear();
    while (*p != 0)
        *ps += static_cast<wchar_t>(*p++);
    return p + 1;
}

const WORD* AlignToDword(const WORD* p, const void* pBase)
{
    size_t nOffset = reinterpret_cast<const BYTE*>(p) - static_cast<const BYTE*>(pBase);
    return reinterpret_cast<const WORD*>(static_cast<const BYTE*>(pBase) + ((nOffset + 3) & ~3));
}

} // namespace

TEST(OptionsTemplateTest, TheJapaneseTemplateHoldsExactlyTheDesignedDialog)
{
    HRSRC hrsrc = FindResourceExW(g_hInstance, RT_DIALOG, L"OPTION",
                                  MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    ASSERT_NE(nullptr, hrsrc);
    const void* pBase = LockResource(LoadResource(g_hInstance, hrsrc));
    const DLGTEMPLATE* pdt = static_cast<const DLGTEMPLATE*>(pBase);
    EXPECT_EQ(0x80C800C0u, pdt->style);
    EXPECT_EQ(0x80000000u, pdt->dwExtendedStyle);
    EXPECT_EQ(7, pdt->cdit);
    EXPECT_EQ(0, pdt->x);
    EXPECT_EQ(0, pdt->y);
    EXPECT_EQ(131, pdt->cx);
    EXPECT_EQ(97, pdt->cy);
    const WORD* p = reinterpret_cast<const WORD*>(pdt + 1);
    std::wstring sMenu, sClass, sCaption, sFace;
    p = SkipText(p, &sMenu);
    p = SkipText(p, &sClass);
    p = SkipText(p, &sCaption);
    EXPECT_EQ(L"", sMenu);
    EXPECT_EQ(L"", sClass);
    EXPECT_EQ(L"Vardeko\x306E\xFF75\xFF8C\xFF9F\xFF7C\xFF6E\xFF9D", sCaption);
    EXPECT_EQ(9, *p++);
    p = SkipText(p, &sFace);
    EXPECT_EQ(L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF", sFace);

    struct Item
    {
        DWORD dwStyle;
        short x, y, cx, cy;
        WORD wId;
        const wchar_t* pszClass;
    } aItems[] = {
        {0x50010003, 7, 7, 83, 10, 1000, L"#128"},    {0x50010003, 7, 22, 117, 10, 1001, L"#128"},
        {0x50020001, 7, 72, 117, 8, 0xFFFF, L"#130"}, {0x50020001, 7, 82, 117, 8, 0xFFFF, L"#130"},
        {0x50010003, 7, 37, 117, 10, 1002, L"#128"},  {0x50010003, 7, 52, 117, 10, 1003, L"#128"},
        {0x50000010, 7, 68, 117, 1, 0xFFFF, L"#130"},
    };
    for (const Item& item : aItems)
    {
        p = AlignToDword(p, pBase);
        const DLGITEMTEMPLATE* pdit = reinterpret_cast<const DLGITEMTEMPLATE*>(p);
        EXPECT_EQ(item.dwStyle, pdit->style) << item.wId;
        EXPECT_EQ(0u, pdit->dwExtendedStyle);
        EXPECT_EQ(item.x, pdit->x);
        EXPECT_EQ(item.y, pdit->y);
        EXPECT_EQ(item.cx, pdit->cx);
        EXPECT_EQ(item.cy, pdit->cy);
        EXPECT_EQ(item.wId, pdit->id);
        p = reinterpret_cast<const WORD*>(pdit + 1);
        std::wstring sItemClass, sText;
        p = SkipText(p, &sItemClass);
        p = SkipText(p, &sText);
        EXPECT_EQ(item.pszClass, sItemClass);
        p += 1 + *p / sizeof(WORD); // creation data
    }
}
