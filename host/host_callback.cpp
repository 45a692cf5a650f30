#include "host/host_callback.h"

#include "host/text_escape.h"

#include <cstdio>

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

const char* ErrorName(HRESULT hr)
{
    return hr == E_POINTER ? "E_POINTER" : "E_INVALIDARG";
}

std::string Format(const char* pszFormat, unsigned u1, unsigned u2, unsigned u3)
{
    char sz[96];
    snprintf(sz, sizeof(sz), pszFormat, u1, u2, u3);
    return sz;
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

HostCallback::HostCallback() : m_lRefCount(1), m_hwndTarget(nullptr) {}

HRESULT HostCallback::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, IID_IIMCallback))
    {
        *ppv = static_cast<IIMCallback*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG HostCallback::AddRef()
{
    return InterlockedIncrement(&m_lRefCount);
}

ULONG HostCallback::Release()
{
    return InterlockedDecrement(&m_lRefCount);
}

HRESULT HostCallback::SetImInfo(IMINFO* pimi)
{
    if (pimi == nullptr)
    {
        AddTranscriptLine("SetImInfo (null) -> E_POINTER");
        return E_POINTER;
    }
    AddTranscriptLine(Format("SetImInfo %u 0x%X", pimi->cbSize, pimi->fdwFlags, 0));
    return S_OK;
}

HRESULT HostCallback::SendVirtualKey(BYTE bVk, DWORD dwFlags)
{
    std::string sLine = Format("SendVirtualKey %u 0x%X", bVk, dwFlags, 0);
    if (bVk == 0)
    {
        AddTranscriptLine(sLine + " -> E_INVALIDARG");
        return E_INVALIDARG;
    }
    AddTranscriptLine(sLine);
    DeliverVirtualKey(bVk);
    return S_OK;
}

HRESULT HostCallback::SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars, UINT* puShift,
                                     UINT* puChars)
{
    std::string sLine = Format("SendCharEvents %u 0x%X %u", uVk, uKeyFlags, uChars);
    HRESULT hr = S_OK;
    if (uVk == 0 || uVk > 0xFF || uChars > MAX_CHAR_EVENTS)
        hr = E_INVALIDARG;
    else if (uChars != 0 && (puShift == nullptr || puChars == nullptr))
        hr = E_POINTER;
    for (UINT i = 0; hr == S_OK && i < uChars; ++i)
    {
        if (puChars[i] == 0 || puChars[i] > 0xFFFF)
            hr = E_INVALIDARG;
    }
    if (hr != S_OK)
    {
        AddTranscriptLine(sLine + " -> " + ErrorName(hr));
        return hr;
    }
    for (UINT i = 0; i < uChars; ++i)
        sLine += " " + std::to_string(puShift[i]);
    for (UINT i = 0; i < uChars; ++i)
        sLine += " " + std::to_string(puChars[i]);
    AddTranscriptLine(sLine);
    DeliverCharEvents(uVk, uChars, puChars);
    return S_OK;
}

HRESULT HostCallback::SendString(BSTR ptszStr, DWORD dwChars)
{
    HRESULT hr = S_OK;
    if (dwChars > MAX_STRING_CHARS)
        hr = E_INVALIDARG;
    else if (ptszStr == nullptr && dwChars != 0)
        hr = E_POINTER;
    // A count past the terminator would read beyond the text.
    else if (dwChars != 0 && wcsnlen(ptszStr, dwChars) != dwChars)
        hr = E_INVALIDARG;
    if (hr != S_OK)
    {
        AddTranscriptLine(Format("SendString %u -> ", dwChars, 0, 0) + ErrorName(hr));
        return hr;
    }
    AddTranscriptLine("SendString \"" + EscapeText(ptszStr, dwChars) + "\" " +
                      std::to_string(dwChars));
    DeliverString(ptszStr, dwChars);
    return S_OK;
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

void HostCallback::SetTarget(HWND hwndTarget)
{
    m_hwndTarget = hwndTarget;
}

void HostCallback::AddTranscriptLine(const std::string& sLine)
{
    m_aTranscript.push_back(sLine);
}
