#include "host/host_callback.h"

namespace
{

// lParam of a keyboard message as the platform builds it: repeat count 1, the scan code, the
// extended-key bit for the navigation keys, and for a key up the previous-state and transition
// bits.
LPARAM KeyMessageParam(UINT uVk, bool bUp)
{
    UINT uScan = MapVirtualKeyW(uVk, MAPVK_VK_TO_VSC);
    LPARAM lParam = 1 | (static_cast<LPARAM>(uScan & 0xFF) << 16);
    if (IsExtendedKey(uVk))
        lParam |= 1 << 24;
    if (bUp)
        lParam |= 0xC0000000;
    return lParam;
}

} // namespace

bool IsExtendedKey(UINT uVk)
{
    switch (uVk)
    {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE: return true;
    default: return false;
    }
}

HostCallback::HostCallback() : m_hwndTarget(nullptr) {}

void HostCallback::SetTarget(HWND hwndTarget)
{
    m_hwndTarget = hwndTarget;
}

void HostCallback::DeliverVirtualKey(BYTE bVk)
{
    SendMessageW(m_hwndTarget, WM_KEYDOWN, bVk, KeyMessageParam(bVk, false));
    SendMessageW(m_hwndTarget, WM_KEYUP, bVk, KeyMessageParam(bVk, true));
}

void HostCallback::DeliverCharEvents(UINT uVk, UINT uChars, const UINT* puChars)
{
    SendMessageW(m_hwndTarget, WM_KEYDOWN, uVk, KeyMessageParam(uVk, false));
    for (UINT i = 0; i < uChars; ++i)
        SendMessageW(m_hwndTarget, WM_CHAR, puChars[i], KeyMessageParam(uVk, false));
    SendMessageW(m_hwndTarget, WM_KEYUP, uVk, KeyMessageParam(uVk, true));
}

void HostCallback::DeliverString(const WCHAR* pszText, DWORD dwChars)
{
    for (DWORD i = 0; i < dwChars; ++i)
        SendMessageW(m_hwndTarget, WM_CHAR, pszText[i], 1);
}
