#pragma once
// What Windows CE's input panel offers an input method and desktop Win32 lacks: the two COM
// interfaces between the input panel host and an input method, the records they pass, and the
// few constants that go with them. Written from the platform's public documentation.

#include <objbase.h>
#include <windows.h>

// Input panel flag: the panel is docked at the bottom of the screen.
const DWORD SIPF_DOCKED = 0x00000002;

// Key state flag of IIMCallback's key events: the key is down.
const UINT KeyStateDownFlag = 0x0080;

// What an input method tells the host about itself (IInputMethod::GetInfo).
struct IMINFO
{
    DWORD cbSize;
    HANDLE hImageNarrow;
    HANDLE hImageWide;
    int iNarrow;
    int iWide;
    DWORD fdwFlags;
    RECT rcSipRect;
};

// What the host tells an input method about the panel (IInputMethod::ReceiveSipInfo).
struct SIPINFO
{
    DWORD cbSize;
    DWORD fdwFlags;
    RECT rcVisibleDesktop;
    RECT rcSipRect;
    DWORD dwImDataSize;
    void* pvImData;
};

extern const IID IID_IInputMethod; // {42429666-AE04-11D0-A4F8-00AA00A749B9}
extern const IID IID_IIMCallback;  // {42429669-AE04-11D0-A4F8-00AA00A749B9}

// The host's side: how an input method delivers keys and text to the focused application.
struct IIMCallback : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE SetImInfo(IMINFO* pimi) = 0;
    virtual HRESULT STDMETHODCALLTYPE SendVirtualKey(BYTE bVk, DWORD dwFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars,
                                                     UINT* puShift, UINT* puChars) = 0;
    virtual HRESULT STDMETHODCALLTYPE SendString(BSTR ptszStr, DWORD dwChars) = 0;
};

// The input method's side, called by the host in the order Select, GetInfo, ReceiveSipInfo,
// RegisterCallback, ..., Deselect.
struct IInputMethod : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE Select(HWND hwndSip) = 0;
    virtual HRESULT STDMETHODCALLTYPE Deselect() = 0;
    virtual HRESULT STDMETHODCALLTYPE Showing() = 0;
    virtual HRESULT STDMETHODCALLTYPE Hiding() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetInfo(IMINFO* pimi) = 0;
    virtual HRESULT STDMETHODCALLTYPE ReceiveSipInfo(SIPINFO* psi) = 0;
    virtual HRESULT STDMETHODCALLTYPE RegisterCallback(IIMCallback* pCallback) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetImData(DWORD dwSize, void* pvImData) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetImData(DWORD dwSize, void* pvImData) = 0;
    virtual HRESULT STDMETHODCALLTYPE UserOptionsDlg(HWND hwndParent) = 0;
};
