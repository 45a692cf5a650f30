#pragma once
// The caption's OK button of Windows CE (WS_EX_CAPTIONOKBTN). The handheld's window manager draws
// it beside the close box and turns a tap on it into IDOK; desktop Windows and Wine ignore the
// style bit, so there this layer draws the button itself, as the handheld would, with the
// system's caption metrics, and sends IDOK when it is clicked.

#include <windows.h>

// What WM_NCHITTEST answers over the drawn button: the hit code of a caption button that the
// desktop leaves to the window (the help button's), so that the default handling neither moves
// the window nor closes it.
const LRESULT HT_CAPTION_OK = HTHELP;

// Gives hwnd the button when its extended style asks for one and it has a caption; a dialog calls
// it at WM_INITDIALOG, before it is first drawn.
void AddCaptionOkButton(HWND hwnd);

// The button's rectangle in hwnd's window coordinates (origin at the window's top left corner):
// beside the close box, as high as the close box, at least as wide, and wide enough for "OK" in
// the system font. Empty when hwnd has no caption.
RECT CaptionOkButtonRect(HWND hwnd);
