#pragma once
// UTF-8 text on standard output and standard error: raw bytes into a pipe or file, wide text
// into a console, which would otherwise read the bytes in its own code page. No newline
// translation, so that scripts compare the output byte for byte.

#include <string>

void WriteOutput(const std::string& sText);
void WriteError(const std::string& sText);

// Lets go of a console window that was made for this process alone, as for a console program
// started from a shortcut (the Start menu's "Vardeko keypad"): it would stand beside the panel
// and take the activation from the application the panel types into. A terminal's console,
// shared with its shell, stays.
void ReleaseOwnConsole();
