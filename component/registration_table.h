#pragma once
// The component's registration: the default values of its CLSID key and three subkeys.
// DllRegisterServer writes these rows, and the installer's registry rows are generated from them
// at build time (tools/registration_wxi), so that both register the component alike. Free of
// Win32, for that native generator.

struct RegistrationRow
{
    const wchar_t* pszSubkey; // under the CLSID key; null: the key itself
    bool bModulePath;         // the text follows the module's full path
    const wchar_t* pszText;
};

// A host names the component by the key's default value and loads it through InprocServer32; its
// icon is the module's first. IsSIPInputMethod, which offers the component to the input panel,
// comes last, written only after the rest.
constexpr RegistrationRow g_aRegistration[] = {
    {nullptr, false, L"Vardeko"},
    {L"InprocServer32", true, L""},
    {L"DefaultIcon", true, L",0"},
    {L"IsSIPInputMethod", false, L"1"},
};
