#pragma once
// The floating panel's IIMCallback: what the input method sends goes to whatever application has
// the focus, as synthesized keyboard input, the way on-screen keyboards type on a desktop. The
// arguments are checked and recorded as in the simulator.

#include "host/host_callback.h"

class SendInputCallback final : public HostCallback
{
  protected:
    // A key down and up; the navigation keys as extended keys.
    void DeliverVirtualKey(BYTE bVk) override;
    // The key alone when it types exactly these characters itself, so that the application sees
    // one of each; otherwise the characters as Unicode input between the key's down and up (the
    // key's own down and up only when it types nothing).
    void DeliverCharEvents(UINT uVk, UINT uChars, const UINT* puChars) override;
    // Each character as the key that types it on the focused window's keyboard layout (with
    // Shift where needed), else as Unicode input.
    void DeliverString(const WCHAR* pszText, DWORD dwChars) override;
};
