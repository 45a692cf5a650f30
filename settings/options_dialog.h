#pragma once
// The options dialog: four check boxes for the keypad's behaviour options, shown modally from
// the "OPTION" template and saved only when the user confirms.

#include <windows.h>

// Reloads the options from the store, runs the dialog owned by hwndOwner, saves on OK.
void RunOptionsDialog(HWND hwndOwner);

// Runs the dialog on working copies of the four options; copies them back and returns 1 only
// when it ends with OK.
int ShowOptionsDialog(BOOL* pbEqualsSends, BOOL* pbClearAfterSending,
                      BOOL* pbDisplayTapEntersDirect, BOOL* pbDisabledTapLeavesDirect,
                      HWND hwndOwner);

INT_PTR CALLBACK OptionsDlgProc(HWND hwndDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
