#pragma once
// The component's IInputMethod: it owns the panel icons, registers the pad window class and
// creates the pad window inside the SIP window, and relays what the host hands over to it.

#include "platform/sip.h"

#include <commctrl.h>

class InputMethod final : public IInputMethod
{
  public:
    InputMethod();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Select(HWND hwndSip) override;
    HRESULT STDMETHODCALLTYPE Deselect() override;
    HRESULT STDMETHODCALLTYPE Showing() override;
    HRESULT STDMETHODCALLTYPE Hiding() override;
    HRESULT STDMETHODCALLTYPE GetInfo(IMINFO* pimi) override;
    HRESULT STDMETHODCALLTYPE ReceiveSipInfo(SIPINFO* psi) override;
    HRESULT STDMETHODCALLTYPE RegisterCallback(IIMCallback* pCallback) override;
    HRESULT STDMETHODCALLTYPE GetImData(DWORD dwSize, void* pvImData) override;
    HRESULT STDMETHODCALLTYPE SetImData(DWORD dwSize, void* pvImData) override;
    HRESULT STDMETHODCALLTYPE UserOptionsDlg(HWND hwndParent) override;

  private:
    ~InputMethod(); // only Release destroys the object

    LONG m_lRefCount;
    HWND m_hwndPad;
    HIMAGELIST m_himlWide;
    HIMAGELIST m_himlNarrow;
};

// The panel rectangle GetInfo reports, whatever the size of the panel.
const RECT IMINFO_SIP_RECT = {0, 0, 200, 100};
