#pragma once
// What the host's command line asks for: the steps of a script, run in the order given, and the
// switches that apply to the whole run.

#include "host/pad_key_names.h"

#include <string>
#include <vector>

enum StepKind
{
    STEP_KEY,          // pen down and up at the centre of a key, at the pad's scale when it runs
    STEP_TAP,          // pen down and up at (x, y) of the pad window
    STEP_SCALE,        // pictures written after this step are enlarged nScale times
    STEP_SHOT,         // PNG of the simulated screen
    STEP_PAD_SHOT,     // PNG of the pad window's client area
    STEP_OPTIONS,      // the options dialog, for the user to close
    STEP_OPTIONS_SHOT, // the options dialog, photographed and cancelled
};

struct ScriptStep
{
    StepKind nKind;
    int x;
    int y;
    int nScale;
    std::string sFile; // UTF-8
    PadKeyPlace place; // STEP_KEY's key
};

struct HostScript
{
    std::vector<ScriptStep> aSteps;
    bool bPrint = false;    // print the transcript and the edit text at the end
    bool bHelp = false;     // print the usage and do nothing else
    bool bScripted = false; // an option that makes the run a script, not an interactive session
    bool bPanel = false;    // the floating panel for desktop applications, not the screen
    bool bReset = false;    // clear the input method's saved state before anything else
    std::string sMethod;    // the input method to select by its name; empty for the first found
};

const int MAX_SCALE = 16;

// Reads the arguments after the program name (UTF-8). False with a message for the user when an
// option is unknown, lacks its value or has a bad one, or a key name is unknown; nothing of the
// script has run then.
bool ParseHostScript(const std::vector<std::string>& aArgs, HostScript* pScript,
                     std::string* psError);

extern const char g_szHostUsage[];
