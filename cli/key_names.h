#pragma once
// The keys of both pads by the names vardeko-calc reads, and what pressing each one does to the
// calculator. Kinds are the keypad's own: a character, a command, a radix key, the pad switch.

#include <cstdint>
#include <vector>

struct KeyName
{
    const char* pszName;
    uint16_t wKind;  // KEY_CHAR, KEY_COMMAND, KEY_MODE (radix keys) or KEY_PADSWITCH
    uint16_t wValue; // the character, the CommandCode, or the pad type to switch to
};

// The key called pszName (names are case-sensitive: "A" is a digit, "AND" an operator), or
// null.
const KeyName* FindKeyName(const char* pszName);

// The keys a word stands for: the key of that name, or else a run of character keys such as 12,
// 1FFFF or 0.5, one key per character. False, with nothing added, when it is neither.
bool KeysOfWord(const char* pszWord, std::vector<const KeyName*>& aKeys);

// What the keypad does for the key, minus the drawing: the character to EnterChar, the command
// to ExecuteCommand, a radix key to ChangeRadix, and a pad switch resets to that pad's number
// mode keeping the radix.
void PressKey(const KeyName& key);
