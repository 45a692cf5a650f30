#pragma once
// UTF-8 text on standard output and standard error: raw bytes into a pipe or file, wide text
// into a console, which would otherwise read the bytes in its own code page. No newline
// translation, so that scripts compare the output byte for byte.

#include <string>

void WriteOutput(const std::string& sText);
void WriteError(const std::string& sText);
