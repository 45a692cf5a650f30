#pragma once
// The component's IClassFactory: creates InputMethod objects for the host.

#include <objbase.h>

// What DllGetClassObject and CreateInstance do with the object they have just made (with a count of
// 1, or null when it could not be made): hand out its interface riid, or E_NOINTERFACE, and
// release the maker's own reference, so that the caller holds the only one or none is left.
template <class Object> HRESULT QueryNewObject(Object* pObject, REFIID riid, void** ppv)
{
    if (pObject == nullptr)
        return E_OUTOFMEMORY;
    HRESULT hr = pObject->QueryInterface(riid, ppv);
    pObject->Release();
    return hr;
}

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
