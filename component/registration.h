#pragma once
// The registry keys by which an input panel host finds the component.

#include <windows.h>

// Writes the CLSID key with its name and the InprocServer32, DefaultIcon and IsSIPInputMethod
// subkeys; E_FAIL when any of them cannot be written. IsSIPInputMethod, which offers the
// component to the input panel, is written last.
HRESULT RegisterComponent();

// Removes the CLSID key with everything in it (the settings too); S_OK only when it is gone.
HRESULT UnregisterComponent();
