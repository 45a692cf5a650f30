#pragma once
// Input methods as the platform's input panel finds and drives them: registered classes marked
// as SIP input methods, created through COM and selected into the panel window.

#include "platform/sip.h"

#include <string>
#include <vector>

// The host's own panel flag beside SIPF_DOCKED: the panel is shown.
const DWORD SIPF_ON = 0x00000001;

struct InputMethodEntry
{
    CLSID clsid;
    std::wstring sName;   // the CLSID key's default value
    std::wstring sServer; // its InprocServer32: the DLL that COM loads; empty when missing
};

// Every class with an IsSIPInputMethod subkey whose default value is "1", in the registry's order:
// first those of the user's own classes (HKEY_CURRENT_USER\Software\Classes\CLSID), then the
// rest of HKEY_CLASSES_ROOT\CLSID.
std::vector<InputMethodEntry> FindInputMethods();

// Deletes the named values of the class's key (the user's own, when the user's classes hold it),
// where an input method keeps what it saves between selections (the keypad: its pad state and
// options); the registration, the key's default value and its subkeys, stays. False when the key
// cannot be opened or a value cannot be deleted.
bool ClearInputMethodState(const CLSID& clsid);

// Creates the input method, also one registered in the user's own classes alone, and drives it
// into the panel hwndSip in the platform's order: Select, GetInfo, ReceiveSipInfo,
// RegisterCallback, Showing. On failure nothing is left selected or alive, *ppMethod is null and
// *ppszFailedCall names the call that failed ("CoCreateInstance" or "Select").
HRESULT ActivateInputMethod(const CLSID& clsid, HWND hwndSip, IIMCallback* pCallback,
                            IInputMethod** ppMethod, const char** ppszFailedCall);

// What a failed activation means for the user, in one message: the input method, the call
// that failed with its result, and what to do.
std::string ActivationFailureText(const InputMethodEntry& entry, const char* pszFailedCall,
                                  HRESULT hr);

// Tells the selected input method the panel's rectangle again after the panel has changed, as
// the platform does: ReceiveSipInfo.
void ReportPanelSize(IInputMethod* pMethod, HWND hwndSip);

// Hiding, Deselect and the last Release, then unloads the modules no longer used.
void DeactivateInputMethod(IInputMethod** ppMethod);
