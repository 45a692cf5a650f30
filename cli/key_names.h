#pragma once
// The words vardeko-calc reads, and what pressing each key does to the calculator. The keys are
// the shared vocabulary of pad_model/key_names.h; vardeko-calc adds "sci" and "prog", which choose
// a pad rather than name a key.

#include "pad_model/key_names.h"

#include <vector>

// The keys a word stands for: the key of that name, or else a run of character keys such as 12,
// 1FFFF or 0.5, one key per character. False, with nothing added, when it is neither.
bool KeysOfWord(const char* pszWord, std::vector<const KeyName*>& aKeys);

// Whether the calculator alone can act on the key: the modifiers, Input, direct mode and the
// direct row act on the keypad and the application.
bool IsCalculatorKey(const KeyName& key);

// What the keypad does to the calculator for the key (pad_window/key_actions.cpp), without the
// pad's drawing and the application: the character to EnterChar, the command to ExecuteCommand, a
// radix key to ChangeRadix; the pad switch resets to the other pad's number mode, and "sci" and
// "prog" to theirs, keeping the radix.
void PressCalculatorKey(const KeyName& key);
