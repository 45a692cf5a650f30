#pragma once
// Counts of the process's GDI and USER objects. Wine's GetGuiResources always answers 0, so every
// handle value is asked about instead: Wine takes a handle's low 16 bits alone as any generation
// of that handle.

#include <windows.h>

struct GuiObjects
{
    int nGdi;  // handles for which GetObjectType answers
    int nUser; // windows and menus

    bool operator==(const GuiObjects& other) const
    {
        return nGdi == other.nGdi && nUser == other.nUser;
    }
};

GuiObjects CountGuiObjects();

// The stress counts: NAME from the environment (VARDEKO_STRESS_NAME), else the ctest default.
unsigned long StressCount(const char* pszName, unsigned long ulDefault);
