#include "host/send_input_callback.h"

#include <vector>

namespace
{

INPUT KeyInput(WORD wVk, WORD wScan, DWORD dwFlags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVk;
    input.ki.wScan = wScan;
    input.ki.dwFlags = dwFlags;
    return input;
}

void AddKey(std::vector<INPUT>* paInputs, UINT uVk, bool bUp)
{
    DWORD dwFlags = (IsExtendedKey(uVk) ? KEYEVENTF_EXTENDEDKEY : 0) | (bUp ? KEYEVENTF_KEYUP : 0);
    paInputs->push_back(KeyInput(static_cast<WORD>(uVk),
                                 static_cast<WORD>(MapVirtualKeyW(uVk, MAPVK_VK_TO_VSC)), dwFlags));
}

void AddCharacter(std::vector<INPUT>* paInputs, UINT uChar)
{
    paInputs->push_back(KeyInput(0, static_cast<WORD>(uChar), KEYEVENTF_UNICODE));
    paInputs->push_back(KeyInput(0, static_cast<WORD>(uChar), KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
}

// The keyboard layout of the thread whose window has the focus, which turns keys into characters.
HKL FocusLayout()
{
    GUITHREADINFO gti = {};
    gti.cbSize = sizeof(gti);
    HWND hwndFocus = GetGUIThreadInfo(0, &gti) ? gti.hwndFocus : nullptr;
    return GetKeyboardLayout(hwndFocus != nullptr ? GetWindowThreadProcessId(hwndFocus, nullptr)
                                                  : 0);
}

// A character as the key that types it on layout hkl, with Shift when it needs Shift, so that
// programs that read keys rather than characters (consoles) get it too. One that needs other
// modifiers (AltGr, which could set off shortcuts) or has no key goes as Unicode input.
void AddTypedCharacter(std::vector<INPUT>* paInputs, WCHAR ch, HKL hkl)
{
    SHORT nKey = VkKeyScanExW(ch, hkl);
    UINT uShift = HIBYTE(nKey);
    if (nKey == -1 || (uShift & ~1u) != 0)
    {
        AddCharacter(paInputs, ch);
        return;
    }
    if (uShift != 0)
        AddKey(paInputs, VK_SHIFT, false);
    AddKey(paInputs, LOBYTE(nKey), false);
    AddKey(paInputs, LOBYTE(nKey), true);
    if (uShift != 0)
        AddKey(paInputs, VK_SHIFT, true);
}

// One call, so that no other input can come between the events.
void Send(std::vector<INPUT>& aInputs)
{
    SendInput(static_cast<UINT>(aInputs.size()), aInputs.data(), sizeof(INPUT));
}

} // namespace

void SendInputCallback::DeliverVirtualKey(BYTE bVk)
{
    std::vector<INPUT> aInputs;
    AddKey(&aInputs, bVk, false);
    AddKey(&aInputs, bVk, true);
    Send(aInputs);
}

void SendInputCallback::DeliverCharEvents(UINT uVk, UINT uChars, const UINT* puChars)
{
    // The character the key types without shift keys, with a dead key's mark bit cleared.
    UINT uOwnChar = MapVirtualKeyW(uVk, MAPVK_VK_TO_CHAR) & 0x7FFFFFFF;
    std::vector<INPUT> aInputs;
    if (uChars == 1 && puChars[0] == uOwnChar)
    {
        AddKey(&aInputs, uVk, false);
        AddKey(&aInputs, uVk, true);
    }
    else
    {
        if (uOwnChar == 0)
            AddKey(&aInputs, uVk, false);
        for (UINT i = 0; i < uChars; ++i)
            AddCharacter(&aInputs, puChars[i]);
        if (uOwnChar == 0)
            AddKey(&aInputs, uVk, true);
    }
    Send(aInputs);
}

void SendInputCallback::DeliverString(const WCHAR* pszText, DWORD dwChars)
{
    HKL hkl = FocusLayout();
    std::vector<INPUT> aInputs;
    for (DWORD i = 0; i < dwChars; ++i)
        AddTypedCharacter(&aInputs, pszText[i], hkl);
    if (!aInputs.empty())
        Send(aInputs);
}
