#pragma once
// Who the component is, for everyone who meets it: the DLL itself, the host, the tests and the
// benchmarks name it from here alone.

#include <windows.h>

// {3b9e5f12-6a47-41d0-8c2e-7d15a0b4e963}: compared byte for byte with what a host asks for.
constexpr CLSID CLSID_Vardeko = {
    0x3b9e5f12, 0x6a47, 0x41d0, {0x8c, 0x2e, 0x7d, 0x15, 0xa0, 0xb4, 0xe9, 0x63}};

// The same CLSID as text, and the component's key under HKEY_CLASSES_ROOT, which holds its
// registration and its settings. The build reads the text from this line for the scripts.
#define VARDEKO_CLSID_TEXT L"{3b9e5f12-6a47-41d0-8c2e-7d15a0b4e963}"
#define VARDEKO_CLSID_KEY L"CLSID\\" VARDEKO_CLSID_TEXT
// The same key in the user's own classes, under HKEY_CURRENT_USER, where an installation for one
// user registers the component.
#define VARDEKO_USER_CLSID_KEY L"Software\\Classes\\" VARDEKO_CLSID_KEY

// The pad window's child id in the input panel's window, where a host finds it with GetDlgItem.
const int PAD_WINDOW_ID = 10;
