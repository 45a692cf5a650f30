#pragma once
// The one IIMCallback that records: every call an input method makes becomes one transcript
// line, after its arguments are checked, so that a faulty input method gets an error code
// instead of taking its host down. The host derives from it to deliver what is sent to an
// application; the tests use it as it is, delivering nothing.
//
// Lines: SendString "TEXT" N, SendVirtualKey VK 0xFLAGS, SendCharEvents VK 0xFLAGS COUNT
// SHIFT... CHAR..., SetImInfo SIZE 0xFLAGS; a refused call ends in -> E_POINTER or
// -> E_INVALIDARG.

#include "platform/sip.h"

#include <string>
#include <vector>

// Counts beyond any text or key event an input method has reason to send.
const DWORD MAX_STRING_CHARS = 4096;
const UINT MAX_CHAR_EVENTS = 64;

typedef std::vector<std::string> CallLog;

class RecordingCallback : public IIMCallback
{
  public:
    RecordingCallback();
    virtual ~RecordingCallback() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // Accepted and recorded; a simulated panel has a fixed place and size.
    HRESULT STDMETHODCALLTYPE SetImInfo(IMINFO* pimi) override;
    HRESULT STDMETHODCALLTYPE SendVirtualKey(BYTE bVk, DWORD dwFlags) override;
    HRESULT STDMETHODCALLTYPE SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars, UINT* puShift,
                                             UINT* puChars) override;
    HRESULT STDMETHODCALLTYPE SendString(BSTR ptszStr, DWORD dwChars) override;

    const CallLog& Transcript() const { return m_aTranscript; }
    void AddTranscriptLine(const std::string& sLine);
    void ClearTranscript() { m_aTranscript.clear(); }
    // The owner holds the object; the count only answers AddRef and Release, and shows whether
    // an input method kept a reference.
    LONG RefCount() const { return m_lRefCount; }

  protected:
    // Delivery of arguments already checked and recorded: bVk and uVk are 1 to 255, each
    // character 1 to 0xFFFF. The recorder alone delivers nothing.
    virtual void DeliverVirtualKey(BYTE bVk);
    virtual void DeliverCharEvents(UINT uVk, UINT uChars, const UINT* puChars);
    virtual void DeliverString(const WCHAR* pszText, DWORD dwChars);

  private:
    LONG m_lRefCount;
    CallLog m_aTranscript;
};
