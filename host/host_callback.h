#pragma once
// The host's IIMCallback: it delivers what the input method sends to the application's window
// as the platform delivers keyboard input to the focused window, and writes one transcript line
// per call. Arguments are checked before anything is delivered, so that a faulty input method
// gets an error code instead of taking the host down. How checked input reaches the application
// is the part a host may replace (see SendInputCallback).

#include "platform/sip.h"

#include <string>
#include <vector>

// Counts beyond any text or key event an input method has reason to send.
const DWORD MAX_STRING_CHARS = 4096;
const UINT MAX_CHAR_EVENTS = 64;

// The navigation keys, which a keyboard reports with the extended-key bit.
bool IsExtendedKey(UINT uVk);

class HostCallback : public IIMCallback
{
  public:
    HostCallback();
    virtual ~HostCallback() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // Accepted and recorded; the simulated panel has a fixed place and size.
    HRESULT STDMETHODCALLTYPE SetImInfo(IMINFO* pimi) override;
    // A key down and a key up of bVk.
    HRESULT STDMETHODCALLTYPE SendVirtualKey(BYTE bVk, DWORD dwFlags) override;
    // A key down of uVk, WM_CHAR of each character, a key up.
    HRESULT STDMETHODCALLTYPE SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars, UINT* puShift,
                                             UINT* puChars) override;
    // WM_CHAR of each of the dwChars characters.
    HRESULT STDMETHODCALLTYPE SendString(BSTR ptszStr, DWORD dwChars) override;

    // The window that receives the input: the application's focused control.
    void SetTarget(HWND hwndTarget);
    const std::vector<std::string>& Transcript() const { return m_aTranscript; }
    void AddTranscriptLine(const std::string& sLine);

  protected:
    // Delivery of arguments already checked: uVk is 1 to 255, each character 1 to 0xFFFF.
    virtual void DeliverVirtualKey(BYTE bVk);
    virtual void DeliverCharEvents(UINT uVk, UINT uChars, const UINT* puChars);
    virtual void DeliverString(const WCHAR* pszText, DWORD dwChars);

  private:
    LONG m_lRefCount; // the host owns the object; the count only answers AddRef and Release
    HWND m_hwndTarget;
    std::vector<std::string> m_aTranscript;
};
