#pragma once
// Runs a script's steps on the host's screen, with an input method selected, and prints what
// --print asks for.

#include "host/host_script.h"

// Returns the exit status: 0, or 1 when a step fails (a message says which).
int RunHostScript(const HostScript& script);
