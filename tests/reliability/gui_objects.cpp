#include "tests/reliability/gui_objects.h"

#include <cstdio>
#include <cstdlib>
#include <string>

GuiObjects CountGuiObjects()
{
    GuiObjects objects = {0, 0};
    for (UINT_PTR u = 1; u <= 0xFFFF; ++u)
    {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(u)) != 0)
            ++objects.nGdi;
        if (IsWindow(reinterpret_cast<HWND>(u)) || IsMenu(reinterpret_cast<HMENU>(u)))
            ++objects.nUser;
    }
    return objects;
}

unsigned long StressCount(const char* pszName, unsigned long ulDefault)
{
    std::string name = std::string("VARDEKO_STRESS_") + pszName;
    const char* pszValue = getenv(name.c_str());
    unsigned long ulValue = pszValue != nullptr ? strtoul(pszValue, nullptr, 10) : 0;
    return ulValue != 0 ? ulValue : ulDefault;
}
