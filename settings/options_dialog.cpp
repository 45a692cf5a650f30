#include "settings/options_dialog.h"

#include "base/module.h"
#include "base/screen_area.h"
#include "pad_model/pad_state.h"
#include "resources/resource.h"
#include "settings/settings_store.h"

namespace
{

const int OPTION_COUNT = 4;
const int g_aOptionIds[OPTION_COUNT] = {IDC_EQUELTOINPUT, IDC_INPUTTOCLEAR, IDC_DIRECTINEX,
                                        IDC_DIRECTOUTEX};

// The working copies the dialog edits while it runs, handed to it through DialogBoxParamW's lParam
// and kept in its DWLP_USER slot, as a dialog keeps its own state.
struct OptionsDialogState
{
    BOOL abOptions[OPTION_COUNT];
};

OptionsDialogState* DialogState(HWND hwndDlg)
{
    return reinterpret_cast<OptionsDialogState*>(GetWindowLongPtrW(hwndDlg, DWLP_USER));
}

// Centres the dialog over its owner, within the owner's screen, so that its buttons stay in reach
// when the owner is a panel at a screen's edge; without an owner it stays where it was created.
void CentreOverOwner(HWND hwndDlg)
{
    HWND hwndOwner = GetWindow(hwndDlg, GW_OWNER);
    if (hwndOwner == nullptr)
        return;
    RECT rcDlg, rcOwner;
    GetWindowRect(hwndDlg, &rcDlg);
    GetWindowRect(hwndOwner, &rcOwner);
    int nWidth = rcDlg.right - rcDlg.left;
    int nHeight = rcDlg.bottom - rcDlg.top;
    int x = (rcOwner.left + rcOwner.right) / 2 - nWidth / 2;
    int y = (rcOwner.top + rcOwner.bottom) / 2 - nHeight / 2;
    RECT rc = OnScreenRect({x, y, x + nWidth, y + nHeight});
    SetWindowPos(hwndDlg, nullptr, rc.left, rc.top, -1, -1,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void InitOptionsDialog(HWND hwndDlg, const OptionsDialogState& state)
{
    for (int i = 0; i < OPTION_COUNT; ++i)
        SendDlgItemMessageW(hwndDlg, g_aOptionIds[i], BM_SETCHECK, state.abOptions[i] ? 1 : 0, 0);
    CentreOverOwner(hwndDlg);
}

void ReadOptionsBack(HWND hwndDlg, OptionsDialogState& state)
{
    for (int i = 0; i < OPTION_COUNT; ++i)
        state.abOptions[i] =
            SendDlgItemMessageW(hwndDlg, g_aOptionIds[i], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace

void RunOptionsDialog(HWND hwndOwner)
{
    PadState& state = g_PadState;
    LoadOptions(state);
    if (ShowOptionsDialog(&state.bEqualsSends, &state.bClearAfterSending,
                          &state.bDisplayTapEntersDirect, &state.bDisabledTapLeavesDirect,
                          hwndOwner) == 1)
        SaveOptions(state);
}

int ShowOptionsDialog(BOOL* pbEqualsSends, BOOL* pbClearAfterSending,
                      BOOL* pbDisplayTapEntersDirect, BOOL* pbDisabledTapLeavesDirect,
                      HWND hwndOwner)
{
    BOOL* apbOptions[OPTION_COUNT] = {pbEqualsSends, pbClearAfterSending, pbDisplayTapEntersDirect,
                                      pbDisabledTapLeavesDirect};
    OptionsDialogState state;
    for (int i = 0; i < OPTION_COUNT; ++i)
        state.abOptions[i] = *apbOptions[i];

    // The resource loader picks the template of the user's language; a template that cannot be
    // found or a dialog that cannot be made ends with -1.
    INT_PTR nResult = DialogBoxParamW(g_hInstance, L"OPTION", hwndOwner, OptionsDlgProc,
                                      reinterpret_cast<LPARAM>(&state));
    if (nResult != IDOK)
        return 0;
    for (int i = 0; i < OPTION_COUNT; ++i)
        *apbOptions[i] = state.abOptions[i];
    return 1;
}

INT_PTR CALLBACK OptionsDlgProc(HWND hwndDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    // The controls exist now: check them from the working copies, which lParam brings. TRUE lets
    // the dialog manager put the focus on the first control.
    case WM_INITDIALOG:
        SetWindowLongPtrW(hwndDlg, DWLP_USER, lParam);
        InitOptionsDialog(hwndDlg, *reinterpret_cast<OptionsDialogState*>(lParam));
        return TRUE;
    // OK (also Enter) keeps the boxes' states; Cancel (also Esc and the close box) keeps nothing.
    case WM_COMMAND:
        switch (LOWORD(wParam))
        {
        case IDOK:
            ReadOptionsBack(hwndDlg, *DialogState(hwndDlg));
            EndDialog(hwndDlg, IDOK);
            return TRUE;
        case IDCANCEL: EndDialog(hwndDlg, IDCANCEL); return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
