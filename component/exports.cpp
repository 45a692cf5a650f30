// The four functions a COM host and regsvr32 call by name.

#include "base/module.h"
#include "component/class_factory.h"
#include "component/registration.h"

#include <new>

// The DLL is optimised as a whole program, which sees no use of what only the .def file names.
#define VARDEKO_EXPORT extern "C" __attribute__((externally_visible)) HRESULT STDAPICALLTYPE

VARDEKO_EXPORT DllCanUnloadNow()
{
    return CanUnloadNow() ? S_OK : S_FALSE;
}

VARDEKO_EXPORT DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (!IsEqualCLSID(rclsid, CLSID_Vardeko))
        return CLASS_E_CLASSNOTAVAILABLE;
    return QueryNewObject(new (std::nothrow_t()) ClassFactory, riid, ppv);
}

VARDEKO_EXPORT DllRegisterServer()
{
    return RegisterComponent();
}

VARDEKO_EXPORT DllUnregisterServer()
{
    return UnregisterComponent();
}
