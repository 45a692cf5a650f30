#include "host/error_text.h"

#include "host/text_escape.h"

#include <cstdio>

namespace
{

// The system's description of a message id, without its closing full stop and line break.
std::string SystemText(DWORD dwMessage)
{
    WCHAR szText[256];
    DWORD cch = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                               dwMessage, 0, szText, 256, nullptr);
    while (cch > 0 && (szText[cch - 1] == L'\r' || szText[cch - 1] == L'\n' ||
                       szText[cch - 1] == L'.' || szText[cch - 1] == L' '))
        --cch;
    return cch == 0 ? std::string() : " (" + ToUtf8(szText, cch) + ")";
}

} // namespace

std::string HresultText(HRESULT hr)
{
    char szCode[32];
    snprintf(szCode, sizeof(szCode), "HRESULT 0x%08lX", static_cast<unsigned long>(hr));
    // Win32 errors wrapped in an HRESULT are described under their own number.
    DWORD dwMessage =
        HRESULT_FACILITY(hr) == FACILITY_WIN32 ? HRESULT_CODE(hr) : static_cast<DWORD>(hr);
    return szCode + SystemText(dwMessage);
}

std::string Win32ErrorText(DWORD dwError)
{
    return "error " + std::to_string(dwError) + SystemText(dwError);
}
