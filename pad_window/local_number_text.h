#pragma once
// What the keypad sends, written as the user's locale writes numbers: an application reads typed
// numbers in that locale, where the decimal separator may be a comma. The display keeps the
// engine's ".", and nothing is grouped.

#include "pad_model/pad_state.h"

#include <windows.h>

// A display text with its one decimal separator of up to three characters.
const int LOCAL_NUMBER_TEXT_SIZE = PAD_DISPLAY_CHARS + 3;

// Copies pszText (at most PAD_DISPLAY_CHARS characters) to pszOut, of LOCAL_NUMBER_TEXT_SIZE
// characters, with its first "." replaced by the locale's decimal separator; returns the length.
int ToLocalNumberText(const WCHAR* pszText, WCHAR* pszOut);
