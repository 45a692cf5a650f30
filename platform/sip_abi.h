#pragma once
// The two interfaces as the handheld's binary interface has them: an object's first field points
// at a table of __stdcall functions that take the object first, one slot per operation in this
// order. A host written in C calls through these tables; the C++ declarations in sip.h must
// produce the same ones.

#include "platform/sip.h"

struct IInputMethodTable
{
    HRESULT(STDMETHODCALLTYPE* QueryInterface)(IInputMethod* pThis, REFIID riid, void** ppv);
    ULONG(STDMETHODCALLTYPE* AddRef)(IInputMethod* pThis);
    ULONG(STDMETHODCALLTYPE* Release)(IInputMethod* pThis);
    HRESULT(STDMETHODCALLTYPE* Select)(IInputMethod* pThis, HWND hwndSip);
    HRESULT(STDMETHODCALLTYPE* Deselect)(IInputMethod* pThis);
    HRESULT(STDMETHODCALLTYPE* Showing)(IInputMethod* pThis);
    HRESULT(STDMETHODCALLTYPE* Hiding)(IInputMethod* pThis);
    HRESULT(STDMETHODCALLTYPE* GetInfo)(IInputMethod* pThis, IMINFO* pimi);
    HRESULT(STDMETHODCALLTYPE* ReceiveSipInfo)(IInputMethod* pThis, SIPINFO* psi);
    HRESULT(STDMETHODCALLTYPE* RegisterCallback)(IInputMethod* pThis, IIMCallback* pCallback);
    HRESULT(STDMETHODCALLTYPE* GetImData)(IInputMethod* pThis, DWORD dwSize, void* pvImData);
    HRESULT(STDMETHODCALLTYPE* SetImData)(IInputMethod* pThis, DWORD dwSize, void* pvImData);
    HRESULT(STDMETHODCALLTYPE* UserOptionsDlg)(IInputMethod* pThis, HWND hwndParent);
};

struct IIMCallbackTable
{
    HRESULT(STDMETHODCALLTYPE* QueryInterface)(IIMCallback* pThis, REFIID riid, void** ppv);
    ULONG(STDMETHODCALLTYPE* AddRef)(IIMCallback* pThis);
    ULONG(STDMETHODCALLTYPE* Release)(IIMCallback* pThis);
    HRESULT(STDMETHODCALLTYPE* SetImInfo)(IIMCallback* pThis, IMINFO* pimi);
    HRESULT(STDMETHODCALLTYPE* SendVirtualKey)(IIMCallback* pThis, BYTE bVk, DWORD dwFlags);
    HRESULT(STDMETHODCALLTYPE* SendCharEvents)
    (IIMCallback* pThis, UINT uVk, UINT uKeyFlags, UINT uChars, UINT* puShift, UINT* puChars);
    HRESULT(STDMETHODCALLTYPE* SendString)(IIMCallback* pThis, BSTR ptszStr, DWORD dwChars);
};

inline const IInputMethodTable* TableOf(IInputMethod* pim)
{
    return *reinterpret_cast<const IInputMethodTable* const*>(pim);
}

inline const IIMCallbackTable* TableOf(IIMCallback* pCallback)
{
    return *reinterpret_cast<const IIMCallbackTable* const*>(pCallback);
}
