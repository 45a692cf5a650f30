#include "component/class_factory.h"

#include "base/module.h"
#include "component/input_method.h"

#include <new>

// __uuidof keeps each identifier a constant of its own: the SDK's IID_ variables live in a library
// object that would bring thousands of other identifiers into the DLL.

// A host may keep a factory and create objects with it long after it got it: the module must stay
// loaded as long as the factory lives, or its next call would run code already unloaded.
ClassFactory::ClassFactory() : m_lRefCount(1)
{
    ChangeObjectCount(1);
}

ClassFactory::~ClassFactory()
{
    ChangeObjectCount(-1);
}

HRESULT ClassFactory::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, __uuidof(IClassFactory)))
    {
        *ppv = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef()
{
    return InterlockedIncrement(&m_lRefCount);
}

ULONG ClassFactory::Release()
{
    LONG lCount = InterlockedDecrement(&m_lRefCount);
    if (lCount == 0)
        delete this;
    return lCount;
}

HRESULT ClassFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    if (pUnkOuter != nullptr)
        return CLASS_E_NOAGGREGATION;
    if (!IsEqualIID(riid, __uuidof(IUnknown)) && !IsEqualIID(riid, IID_IInputMethod))
        return E_NOINTERFACE;
    return QueryNewObject(new (std::nothrow_t()) InputMethod, riid, ppv);
}

HRESULT ClassFactory::LockServer(BOOL fLock)
{
    ChangeObjectCount(fLock ? 1 : -1);
    return S_OK;
}
