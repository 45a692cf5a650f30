#pragma once
// The component's IClassFactory: creates InputMethod objects for the host.

#include <objbase.h>

class ClassFactory final : public IClassFactory
{
  public:
    ClassFactory();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL fLock) override;

  private:
    ~ClassFactory(); // only Release destroys the factory

    LONG m_lRefCount;
};
