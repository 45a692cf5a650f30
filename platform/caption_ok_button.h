#pragma once
// The caption's OK button of Windows CE (WS_EX_CAPTIONOKBTN). The handheld's window manager draws
// it beside the close box and turns a tap on it into IDOK; desktop Windows and Wine ignore the
// style bit, so there this layer, installed by the host as the rest of the handheld's system,
// draws the button itself, as the handheld would, with the system's caption metrics, and sends
// IDOK when it is clicked. The input method asks for the button exactly as on the handheld and
// carries none of this, which keeps it within its 64 KB.

#include <windows.h>

// What WM_NCHITTEST answers over the drawn button: the hit code of a caption button that the
// desktop leaves to the window (the help button's), so that the default handling neither moves
// the window nor closes it.
const LRESULT HT_CAPTION_OK = HTHELP;

// From now on, every window this thread creates with WS_EX_CAPTIONOKBTN and a caption gets the
// button, whoever creates it (an input method's dialog included). False when the system refuses
// the hook that watches window creation.
bool InstallCaptionOkButtons();

// The button's rectangle in hwnd's window coordinates (origin at the window's top left corner):
// beside the close box, as high as the close box, at least as wide, and wide enough for "OK" in
// the system font. Empty when hwnd has no caption.
RECT CaptionOkButtonRect(HWND hwnd);
