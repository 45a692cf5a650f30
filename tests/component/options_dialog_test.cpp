// The options dialog opened through UserOptionsDlg, driven from a timer inside its modal loop as
// a user would: found while it runs, checked against its template, ticked, confirmed or cancelled,
// also with real mouse clicks on its OK and Cancel buttons and real keys; and its two templates,
// Japanese and English.

#include "base/module.h"
#include "component/input_method.h"
#include "pad_model/pad_state.h"
#include "resources/resource.h"
#include "resources/version.h"
#include "settings/settings_store.h"
#include "tests/pad_window/test_host.h"
#include "tests/support/pointer_input.h"

#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace
{

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
    void SetUp() override { ClearSettingsStore(); }
};

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

// A plain dialog template as the resource holds it.
struct TemplateItem
{
    DWORD dwStyle;
    RECT rcUnits; // x, y, width, height in dialog units
    WORD wId;
    std::wstring sClass; // "#128" for a button, "#130" for a static
    std::wstring sText;
};

struct DialogTemplate
{
    DWORD dwStyle;
    DWORD dwExStyle;
    RECT rcUnits;
    std::wstring sCaption;
    WORD wPointSize;
    std::wstring sFace;
    std::vector<TemplateItem> aItems;
};

// A sz_Or_Ord field, then the next one.
const WORD* ReadText(const WORD* p, std::wstring* ps)
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

// The "OPTION" template of language wLanguage, or the one the resource loader picks for the user
// when wLanguage is LANG_NEUTRAL.
DialogTemplate ReadOptionTemplate(WORD wLanguage)
{
    DialogTemplate dialog = {};
    HRSRC hrsrc = FindResourceExW(g_hInstance, RT_DIALOG, L"OPTION", wLanguage);
    EXPECT_NE(nullptr, hrsrc) << wLanguage;
    if (hrsrc == nullptr)
        return dialog;
    const void* pBase = LockResource(LoadResource(g_hInstance, hrsrc));
    const DLGTEMPLATE* pdt = static_cast<const DLGTEMPLATE*>(pBase);
    dialog.dwStyle = pdt->style;
    dialog.dwExStyle = pdt->dwExtendedStyle;
    dialog.rcUnits = {pdt->x, pdt->y, pdt->cx, pdt->cy};
    const WORD* p = reinterpret_cast<const WORD*>(pdt + 1);
    std::wstring sMenu, sClass;
    p = ReadText(p, &sMenu);
    p = ReadText(p, &sClass);
    EXPECT_EQ(L"", sMenu);
    EXPECT_EQ(L"", sClass);
    p = ReadText(p, &dialog.sCaption);
    dialog.wPointSize = *p++;
    p = ReadText(p, &dialog.sFace);
    for (int i = 0; i < pdt->cdit; ++i)
    {
        p = AlignToDword(p, pBase);
        const DLGITEMTEMPLATE* pdit = reinterpret_cast<const DLGITEMTEMPLATE*>(p);
        EXPECT_EQ(0u, pdit->dwExtendedStyle);
        TemplateItem item = {
            pdit->style, {pdit->x, pdit->y, pdit->cx, pdit->cy}, pdit->id, L"", L""};
        p = reinterpret_cast<const WORD*>(pdit + 1);
        p = ReadText(p, &item.sClass);
        p = ReadText(p, &item.sText);
        p += 1 + *p / sizeof(WORD); // creation data
        dialog.aItems.push_back(item);
    }
    return dialog;
}

const DWORD CHECK_BOX_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
const DWORD TEXT_LINE_STYLE = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_CENTER;
const DWORD RULE_STYLE = WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ;
const DWORD OK_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
const DWORD CANCEL_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
const WORD NO_ID = 0xFFFF;

bool IsAscii(const std::wstring& s)
{
    for (wchar_t ch : s)
    {
        if (ch < L' ' || ch > L'~')
            return false;
    }
    return true;
}

} // namespace

TEST(OptionsTemplateTest, TheJapaneseTemplateHoldsTheHandheldsDialogAndItsButtons)
{
    DialogTemplate dialog = ReadOptionTemplate(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT),
              dialog.dwStyle);
    EXPECT_EQ(0u, dialog.dwExStyle); // no caption OK button: the dialog has its own
    EXPECT_EQ(0, dialog.rcUnits.left);
    EXPECT_EQ(0, dialog.rcUnits.top);
    EXPECT_EQ(131, dialog.rcUnits.right);
    EXPECT_EQ(117, dialog.rcUnits.bottom);
    EXPECT_EQ(L"Vardeko\x306E\xFF75\xFF8C\xFF9F\xFF7C\xFF6E\xFF9D", dialog.sCaption);
    EXPECT_EQ(9, dialog.wPointSize);
    EXPECT_EQ(L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF", dialog.sFace);
    const TemplateItem aExpected[] = {
        {CHECK_BOX_STYLE,
         {7, 7, 83, 10},
         IDC_EQUELTOINPUT,
         L"#128",
         L"'=' "
         L"\x3067\xFF83\xFF9E\xFF70\xFF80\x3092\xFF72\xFF9D\xFF8C\xFF9F\xFF6F\xFF84\x3059\x308B"},
        {CHECK_BOX_STYLE,
         {7, 22, 117, 10},
         IDC_INPUTTOCLEAR,
         L"#128",
         L"\xFF72\xFF9D\xFF8C\xFF9F\xFF6F\xFF84\x5F8C\xFF83\xFF9E\xFF70\xFF80\x3092\xFF75\xFF70"
         L"\xFF99"
         L"\xFF78\xFF98\xFF71\xFF08"
         L"AC\xFF09\x3059\x308B"},
        {TEXT_LINE_STYLE,
         {7, 72, 117, 8},
         NO_ID,
         L"#130",
         L"Vardeko for Palm-size PC v" VARDEKO_VERSION_TEXT},
        {TEXT_LINE_STYLE, {7, 82, 117, 8}, NO_ID, L"#130", L"Calculator keypad input method"},
        {CHECK_BOX_STYLE,
         {7, 37, 117, 10},
         IDC_DIRECTINEX,
         L"#128",
         L"\x6F14\x7B97\x7D50\x679C\xFF73\xFF72\xFF9D\xFF84\xFF9E\xFF73\xFF65\xFF80\xFF6F\xFF8C"
         L"\xFF9F"
         L"\x3067\xFF80\xFF9E\xFF72\xFF9A\xFF78\xFF84\xFF93\xFF70\xFF84\xFF9E"},
        {CHECK_BOX_STYLE,
         {7, 52, 117, 10},
         IDC_DIRECTOUTEX,
         L"#128",
         L"\xFF80\xFF9E\xFF72\xFF9A\xFF78\xFF84\xFF93\xFF70\xFF84\xFF9E\x304B\x3089\x7121\x52B9"
         L"\xFF8E"
         L"\xFF9E\xFF80\xFF9D\x3067\x306C\x3051\x308B"},
        {RULE_STYLE, {7, 68, 117, 1}, NO_ID, L"#130", L""},
        {OK_STYLE, {20, 96, 50, 14}, IDOK, L"#128", L"OK"},
        {CANCEL_STYLE, {74, 96, 50, 14}, IDCANCEL, L"#128", L"\xFF77\xFF6C\xFF9D\xFF7E\xFF99"},
    };
    ASSERT_EQ(std::size(aExpected), dialog.aItems.size());
    for (size_t i = 0; i < dialog.aItems.size(); ++i)
    {
        const TemplateItem& item = dialog.aItems[i];
        EXPECT_EQ(aExpected[i].dwStyle, item.dwStyle) << i;
        EXPECT_TRUE(EqualRect(&aExpected[i].rcUnits, &item.rcUnits)) << i;
        EXPECT_EQ(aExpected[i].wId, item.wId) << i;
        EXPECT_EQ(aExpected[i].sClass, item.sClass) << i;
        EXPECT_EQ(aExpected[i].sText, item.sText) << i;
    }
}

TEST(OptionsTemplateTest, TheEnglishTemplateHasTheSameControlsInPlainEnglish)
{
    DialogTemplate japanese = ReadOptionTemplate(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    DialogTemplate english = ReadOptionTemplate(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    EXPECT_EQ(japanese.dwStyle, english.dwStyle);
    EXPECT_EQ(0u, english.dwExStyle);
    EXPECT_EQ(L"Vardeko Options", english.sCaption);
    // The default dialog font, which every desktop has.
    EXPECT_EQ(8, english.wPointSize);
    EXPECT_EQ(L"MS Shell Dlg", english.sFace);
    ASSERT_EQ(japanese.aItems.size(), english.aItems.size());
    for (size_t i = 0; i < english.aItems.size(); ++i)
    {
        const TemplateItem& item = english.aItems[i];
        EXPECT_EQ(japanese.aItems[i].wId, item.wId) << i;
        EXPECT_EQ(japanese.aItems[i].dwStyle, item.dwStyle) << i;
        EXPECT_EQ(japanese.aItems[i].sClass, item.sClass) << i;
        EXPECT_EQ(japanese.aItems[i].rcUnits.top, item.rcUnits.top) << i;
        EXPECT_TRUE(IsAscii(item.sText)) << i;
        EXPECT_EQ(japanese.aItems[i].sText.empty(), item.sText.empty()) << i;
    }
}

TEST_F(OptionsDialogTest, ControlsFollowTheTemplateOfTheUsersLanguage)
{
    DialogTemplate dialog = ReadOptionTemplate(MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    DriveOptionsDialog(nullptr, [&dialog](HWND hwndDlg) {
        EXPECT_EQ(dialog.dwStyle,
                  static_cast<DWORD>(GetWindowLongW(hwndDlg, GWL_STYLE)) & dialog.dwStyle);
        WCHAR szText[64];
        GetWindowTextW(hwndDlg, szText, 64);
        EXPECT_EQ(dialog.sCaption, szText);
        RECT rcWindow;
        GetWindowRect(hwndDlg, &rcWindow);
        EXPECT_EQ(0, rcWindow.left); // no owner: the template's position
        EXPECT_EQ(0, rcWindow.top);
        // In the template's order, which is also the tab order.
        HWND hwndControl = GetWindow(hwndDlg, GW_CHILD);
        for (const TemplateItem& item : dialog.aItems)
        {
            ASSERT_NE(nullptr, hwndControl);
            EXPECT_EQ(item.wId, static_cast<WORD>(GetDlgCtrlID(hwndControl)));
            EXPECT_EQ(item.dwStyle, static_cast<DWORD>(GetWindowLongW(hwndControl, GWL_STYLE)));
            // The dialog manager converts position and size each on its own; statics may fit
            // themselves to their text or line.
            RECT rcExpected = item.rcUnits;
            MapDialogRect(hwndDlg, &rcExpected);
            RECT rc;
            GetWindowRect(hwndControl, &rc);
            MapWindowPoints(HWND_DESKTOP, hwndDlg, reinterpret_cast<POINT*>(&rc), 2);
            if (item.wId != NO_ID)
            {
                EXPECT_EQ(rcExpected.left, rc.left) << item.wId;
                EXPECT_EQ(rcExpected.top, rc.top) << item.wId;
                EXPECT_EQ(rcExpected.right, rc.right - rc.left) << item.wId;
                EXPECT_EQ(rcExpected.bottom, rc.bottom - rc.top) << item.wId;
            }
            GetWindowTextW(hwndControl, szText, 64);
            EXPECT_EQ(item.sText, szText);
            hwndControl = GetWindow(hwndControl, GW_HWNDNEXT);
        }
        EXPECT_EQ(nullptr, hwndControl);
        PressKey(hwndDlg, VK_ESCAPE);
    });
}

namespace
{

// The centre of a control, on the screen.
POINT ControlCentre(HWND hwndDlg, int nId)
{
    RECT rc;
    GetWindowRect(GetDlgItem(hwndDlg, nId), &rc);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

// Real pointer input through the system's input queue: a click on control nId.
void MouseClick(HWND hwndDlg, int nId)
{
    POINT pt = ControlCentre(hwndDlg, nId);
    // Another window over the control, or the screen's edge, would take the click.
    EXPECT_EQ(GetDlgItem(hwndDlg, nId), WindowFromPoint(pt)) << nId;
    INPUT aInputs[] = {MouseInputAt(pt, 0), MouseInputAt(pt, MOUSEEVENTF_LEFTDOWN),
                       MouseInputAt(pt, MOUSEEVENTF_LEFTUP)};
    EXPECT_EQ(3u, SendInput(3, aInputs, sizeof(INPUT)));
}

// A real key, through the system's input queue, to the active dialog.
void TypeKey(HWND hwndDlg, WORD wVk)
{
    EXPECT_EQ(hwndDlg, GetForegroundWindow());
    INPUT aInputs[2] = {};
    aInputs[0].type = aInputs[1].type = INPUT_KEYBOARD;
    aInputs[0].ki.wVk = aInputs[1].ki.wVk = wVk;
    aInputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    EXPECT_EQ(2u, SendInput(2, aInputs, sizeof(INPUT)));
}

// The dialog over a window of its own away from the screen's top left corner, where other
// tests' windows appear.
HWND CreateClickOwner()
{
    return CreateOwner(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 3, 300,
                       300);
}

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

// Ends the test's dialog should the input under test have left it open.
void CancelIfStillOpen(HWND hwndDlg)
{
    g_hwndClicked = hwndDlg;
    SetTimer(nullptr, 0, 0, OnAfterInput);
}

// Runs the dialog over a window of its own; act ticks a box and ends the dialog with real input.
// True when the input ended it.
bool EndedByInput(HWND hwndOwner, std::function<void(HWND)> act)
{
    g_bStillOpen = false;
    DriveOptionsDialog(hwndOwner, [&act](HWND hwndDlg) {
        act(hwndDlg);
        CancelIfStillOpen(hwndDlg);
    });
    return !g_bStillOpen;
}

} // namespace

TEST_F(OptionsDialogTest, OkAndEnterSaveCancelAndEscDoNot)
{
    StoreSetting(L"DirectOutEx", 1);
    HWND hwndOwner = CreateClickOwner();
    EXPECT_TRUE(EndedByInput(hwndOwner, [](HWND hwndDlg) {
        MouseClick(hwndDlg, IDC_EQUELTOINPUT);
        MouseClick(hwndDlg, IDOK);
    })) << "a click on OK left the dialog open";
    EXPECT_EQ(1, StoredSetting(L"EquelToInput"));
    EXPECT_EQ(0, StoredSetting(L"InputToClear"));
    EXPECT_EQ(1, StoredSetting(L"DirectOutEx"));
    EXPECT_TRUE(g_PadState.bEqualsSends);

    EXPECT_TRUE(EndedByInput(hwndOwner, [](HWND hwndDlg) {
        MouseClick(hwndDlg, IDC_INPUTTOCLEAR);
        MouseClick(hwndDlg, IDCANCEL);
    })) << "a click on Cancel left the dialog open";
    EXPECT_EQ(0, StoredSetting(L"InputToClear"));
    EXPECT_FALSE(g_PadState.bClearAfterSending);

    EXPECT_TRUE(EndedByInput(hwndOwner, [](HWND hwndDlg) {
        MouseClick(hwndDlg, IDC_DIRECTINEX);
        TypeKey(hwndDlg, VK_RETURN);
    })) << "Enter left the dialog open";
    EXPECT_EQ(1, StoredSetting(L"DirectInEx"));

    EXPECT_TRUE(EndedByInput(hwndOwner, [](HWND hwndDlg) {
        MouseClick(hwndDlg, IDC_DIRECTOUTEX);
        TypeKey(hwndDlg, VK_ESCAPE);
    })) << "Esc left the dialog open";
    EXPECT_EQ(1, StoredSetting(L"DirectOutEx"));
    DestroyWindow(hwndOwner);
}

TEST_F(OptionsDialogTest, OverAnOwnerAtTheScreensEdgeTheDialogStaysWithinTheWorkArea)
{
    // A floating panel in the bottom right corner, and one half off the top left corner.
    const POINT aOwners[] = {
        {GetSystemMetrics(SM_CXSCREEN) - 242, GetSystemMetrics(SM_CYSCREEN) - 98}, {-121, -49}};
    for (POINT ptOwner : aOwners)
    {
        HWND hwndOwner = CreateOwner(ptOwner.x, ptOwner.y, 242, 98);
        EXPECT_TRUE(EndedByInput(hwndOwner, [hwndOwner](HWND hwndDlg) {
            RECT rcDlg;
            GetWindowRect(hwndDlg, &rcDlg);
            MONITORINFO mi;
            mi.cbSize = sizeof(mi);
            GetMonitorInfoW(MonitorFromWindow(hwndOwner, MONITOR_DEFAULTTONEAREST), &mi);
            RECT rcInside;
            IntersectRect(&rcInside, &rcDlg, &mi.rcWork);
            EXPECT_TRUE(EqualRect(&rcInside, &rcDlg))
                << rcDlg.left << "," << rcDlg.top << "-" << rcDlg.right << "," << rcDlg.bottom;
            MouseClick(hwndDlg, IDOK);
        }));
        EXPECT_EQ(0, StoredSetting(L"EquelToInput")) << "OK was out of reach";
        ClearSettingsStore();
        DestroyWindow(hwndOwner);
    }
}

// The test program runs in an English locale (see CMakeLists.txt).
TEST_F(OptionsDialogTest, EnglishLabelsFitTheirBoxes)
{
    DriveOptionsDialog(nullptr, [](HWND hwndDlg) {
        HDC hdc = GetDC(hwndDlg);
        HGDIOBJ hOldFont =
            SelectObject(hdc, reinterpret_cast<HFONT>(SendMessageW(hwndDlg, WM_GETFONT, 0, 0)));
        for (int nId : {IDC_EQUELTOINPUT, IDC_INPUTTOCLEAR, IDC_DIRECTINEX, IDC_DIRECTOUTEX})
        {
            WCHAR szText[64];
            int nChars = GetDlgItemTextW(hwndDlg, nId, szText, 64);
            EXPECT_TRUE(IsAscii(szText)) << nId;
            SIZE size;
            GetTextExtentPoint32W(hdc, szText, nChars, &size);
            RECT rc;
            GetClientRect(GetDlgItem(hwndDlg, nId), &rc);
            // The box and the gap the button leaves before its text.
            int nBox = GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE) * 2;
            EXPECT_LE(nBox + size.cx, rc.right) << nId;
        }
        SelectObject(hdc, hOldFont);
        ReleaseDC(hwndDlg, hdc);
        PressKey(hwndDlg, VK_ESCAPE);
    });
}
