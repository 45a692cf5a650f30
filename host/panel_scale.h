#pragma once
// The floating panel's size. The pad draws itself at a scale N, 1 to 4, in an input panel N
// times 240 x 80; the floating panel takes N from the DPI of its monitor (Automatic) or as the
// user chose it in its menu, and remembers the choice for the user beside its place.

#include <windows.h>

// The menu's commands: Automatic, then IDM_SCALE_AUTOMATIC + N for xN.
const UINT IDM_SCALE_AUTOMATIC = 300;

// The choice that the menu command uId makes, 0 for Automatic; -1 for another command.
int ScaleChoiceOfCommand(UINT uId);

// The stored choice (REG_DWORD "PanelScale" beside the panel's place): 0 for Automatic, else 1
// to MAX_PAD_SCALE. Automatic when nothing, or nothing valid, is stored.
int LoadPanelScaleChoice();
void SavePanelScaleChoice(int nChoice);

// The scale for a monitor of uDpi dots per inch, rounded half up from 1 to MAX_PAD_SCALE: 96
// gives 1, 144 and 192 give 2, 288 gives 3.
int ScaleForDpi(UINT uDpi);

// The scale a choice gives on a monitor of uDpi.
int ScaleOfChoice(int nChoice, UINT uDpi);

// A Size submenu (Automatic, x1 to x4) inserted before the command uBefore of hmenu, with
// nChoice checked; it is destroyed with hmenu.
HMENU InsertScaleMenu(HMENU hmenu, UINT uBefore, int nChoice);
void CheckScaleChoice(HMENU hmenuScale, int nChoice);
