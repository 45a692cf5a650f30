#include "settings/options_dialog.h"

#include "base/module.h"
#include "pad/pad_state.h"
#include "resources/resource.h"
#include "settings/settings_store.h"

namespace
{

const int OPTION_COUNT = 4;
const int g_aOptionIds[OPTION_COUNT] = {IDC_EQUELTOINPUT, IDC_INPUTTOCLEAR, IDC_DIRECTINEX,
                                        IDC_DIRECTOUTEX};

// The working copies the dialog edits while it runs.
BOOL g_abOptions[OPTION_COUNT];

// Centres the dialog over its owner; without one it stays where it was created.
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
    SetWindowPos(hwndDlg, nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void InitOptionsDialog(HWND hwndDlg)
{
    for (int i = 0; i < OPTION_COUNT; ++i)
        SendDlgItemMessageW(hwndDlg, g_aOptionIds[i], BM_SETCHECK, g_abOptions[i] ? 1 : 0, 0);
    CentreOverOwner(hwndDlg);
}

void ReadOptionsBack(HWND hwndDlg)
{
    for (int i = 0; i < OPTION_COUNT; ++i)
        g_abOptions[i] =
            SendDlgItemMessageW(hwndDlg, g_aOptionIds[i], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace

void RunOptionsDialog(HWND hwndOwner)
{
    LoadOptions();
    if (ShowOptionsDialog(&g_PadState.bEquelToInput, &g_PadState.bInputToClear,
                          &g_PadState.bDirectInEx, &g_PadState.bDirectOutEx, hwndOwner) == 1)
        SaveOptions();
}

int ShowOptionsDialog(BOOL* pbEquelToInput, BOOL* pbInputToClear, BOOL* pbDirectInEx,
                      BOOL* pbDirectOutEx, HWND hwndOwner)
{
    BOOL* apbOptions[OPTION_COUNT] = {pbEquelToInput, pbInputToClear, pbDirectInEx, pbDirectOutEx};
    for (int i = 0; i < OPTION_COUNT; ++i)
        g_abOptions[i] = *apbOptions[i];

    HRSRC hrsrc = FindResourceW(g_hInstance, L"OPTION", RT_DIALOG);
    HGLOBAL hTemplate = hrsrc != nullptr ? LoadResource(g_hInstance, hrsrc) : nullptr;
    if (hTemplate == nullptr)
        return 0;
    INT_PTR nResult =
        DialogBoxIndirectParamW(g_hInstance, static_cast<LPCDLGTEMPLATEW>(LockResource(hTemplate)),
                                hwndOwner, OptionsDlgProc, 0);
    if (nResult != IDOK)
        return 0;
    for (int i = 0; i < OPTION_COUNT; ++i)
        *apbOptions[i] = g_abOptions[i];
    return 1;
}

INT_PTR CALLBACK OptionsDlgProc(HWND hwndDlg, UINT uMsg, WPARAM wParam, LPARAM)
{
    switch (uMsg)
    {
    case WM_INITDIALOG: InitOptionsDialog(hwndDlg); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam))
        {
        case IDOK:
            ReadOptionsBack(hwndDlg);
            EndDialog(hwndDlg, IDOK);
            return TRUE;
        case IDCANCEL: EndDialog(hwndDlg, IDCANCEL); return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
