#pragma once
// The host's IIMCallback: the recorder, checking and recording every call, that also delivers
// what the input method sends to the application's window as the platform delivers keyboard
// input to the focused window. How checked input reaches the application is the part a host may
// replace (see SendInputCallback).

#include "host/recording_callback.h"

// The navigation keys, which a keyboard reports with the extended-key bit.
bool IsExtendedKey(UINT uVk);

class HostCallback : public RecordingCallback
{
  public:
    HostCallback();

    // The window that receives the input: the application's focused control.
    void SetTarget(HWND hwndTarget);

  protected:
    // A key down and a key up of bVk.
    void DeliverVirtualKey(BYTE bVk) override;
    // A key down of uVk, WM_CHAR of each character, a key up.
    void DeliverCharEvents(UINT uVk, UINT uChars, const UINT* puChars) override;
    // WM_CHAR of each of the dwChars characters.
    void DeliverString(const WCHAR* pszText, DWORD dwChars) override;

  private:
    HWND m_hwndTarget;
};
