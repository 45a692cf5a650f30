#include "host/console_output.h"

#include "host/text_escape.h"

#include <windows.h>

namespace
{

void WriteTo(DWORD dwStdHandle, const std::string& sText)
{
    HANDLE hOutput = GetStdHandle(dwStdHandle);
    DWORD dwMode = 0;
    DWORD dwWritten = 0;
    if (GetConsoleMode(hOutput, &dwMode))
    {
        std::wstring sWide = FromUtf8(sText);
        WriteConsoleW(hOutput, sWide.data(), static_cast<DWORD>(sWide.size()), &dwWritten, nullptr);
        return;
    }
    WriteFile(hOutput, sText.data(), static_cast<DWORD>(sText.size()), &dwWritten, nullptr);
}

} // namespace

void WriteOutput(const std::string& sText)
{
    WriteTo(STD_OUTPUT_HANDLE, sText);
}

void WriteError(const std::string& sText)
{
    WriteTo(STD_ERROR_HANDLE, sText);
}

void ReleaseOwnConsole()
{
    DWORD adwProcesses[2];
    if (GetConsoleWindow() != nullptr && GetConsoleProcessList(adwProcesses, 2) == 1)
        FreeConsole();
}
