#pragma once
// The keys by name: one vocabulary for vardeko-calc, vardeko-host and the tests, so that a name
// means the same key wherever it is written. Names are matched without regard to case ("dec",
// "DEC" and "Dec" are one key); the digits A to F and the operators AND, DEL and the like differ
// in more than case, so no two keys clash.

#include <cstdint>

struct KeyName
{
    const char* pszName;
    uint16_t wKind;  // a KeyKind: KEY_CHAR, KEY_COMMAND, KEY_MODE, KEY_PADSWITCH, KEY_INPUT,
                     // KEY_DIRECT or KEY_VKEY
    uint16_t wValue; // the character for KEY_CHAR, the virtual-key code for KEY_VKEY, otherwise
                     // the CommandCode
};

// The key called pszName, matched without regard to case, or null.
const KeyName* FindKeyName(const char* pszName);

// Whether pszName is the key's name, matched without regard to case.
bool KeyNameIs(const KeyName& key, const char* pszName);

// Every name, for listings and tests.
const KeyName* KeyNames(int* pnCount);
