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
    std::vector<INPUT> aInputs;
    for (DWORD i = 0; i < dwChars; ++i)
        AddCharacter(&aInputs, pszText[i]);
    if (!aInputs.empty())
        Send(aInputs);
}
