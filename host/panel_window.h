#pragma once
// The floating input panel: a small topmost window holding the 240 x 80 input panel, for the
// applications of a desktop. It never takes the activation, so that the application being typed
// into keeps the focus, and what the input method sends reaches that application as keyboard
// input. A grip along its top moves it (its place is remembered for the user), and a button at
// the grip's end or the right mouse button opens the menu of the simulated screen.

#include <windows.h>

// Where the place is kept, per user: REG_DWORD values "PanelLeft" and "PanelTop".
extern const WCHAR PANEL_PLACE_KEY[];

// Creates the panel and shows it without activating it, where it was last left, else beside the
// window that has the activation, else at the bottom right of the work area; always wholly within
// the work area of the monitor nearest to that place. It stays there when dragged and when the
// screens change; its menu's Reset position returns it to where a first run would open it.
bool CreatePanelWindow();

// For an interactive panel, one to a session: when another is open (or still opening), brings it
// into view, on screen and on top, and returns true; else this process is to be that panel.
bool BringOpenPanelIntoView();

// What the panel types into and the panel itself, for a picture: the union of the two windows'
// rectangles on the screen (the panel's alone when no other window is active).
RECT PanelShotArea();
