#include "host/recording_callback.h"

#include "host/text_escape.h"

#include <cstdio>

namespace
{

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

RecordingCallback::RecordingCallback() : m_lRefCount(1) {}

HRESULT RecordingCallback::QueryInterface(REFIID riid, void** ppv)
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

ULONG RecordingCallback::AddRef()
{
    return InterlockedIncrement(&m_lRefCount);
}

ULONG RecordingCallback::Release()
{
    return InterlockedDecrement(&m_lRefCount);
}

HRESULT RecordingCallback::SetImInfo(IMINFO* pimi)
{
    if (pimi == nullptr)
    {
        AddTranscriptLine("SetImInfo (null) -> E_POINTER");
        return E_POINTER;
    }
    AddTranscriptLine(Format("SetImInfo %u 0x%X", pimi->cbSize, pimi->fdwFlags, 0));
    return S_OK;
}

HRESULT RecordingCallback::SendVirtualKey(BYTE bVk, DWORD dwFlags)
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

HRESULT RecordingCallback::SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars, UINT* puShift,
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

HRESULT RecordingCallback::SendString(BSTR ptszStr, DWORD dwChars)
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

void RecordingCallback::AddTranscriptLine(const std::string& sLine)
{
    m_aTranscript.push_back(sLine);
}

void RecordingCallback::DeliverVirtualKey(BYTE) {}

void RecordingCallback::DeliverCharEvents(UINT, UINT, const UINT*) {}

void RecordingCallback::DeliverString(const WCHAR*, DWORD) {}
