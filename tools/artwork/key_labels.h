#pragma once
// What each key shows. Labels follow from what a key does (its command code under the modifiers,
// its character, its kind, its virtual key), so an overlay always names the command that the key
// runs in that modifier state.

#include "pad_model/layout.h"
#include "tools/artwork/pixel_font.h"

// The label of a pad key with INV and HYP as given; false for a key with nothing to show.
bool KeyLabel(const KeyDef& key, bool bInv, bool bHyp, Label* pLabel);

// The command a key runs under the modifiers: the modifier code for the state, or the plain code.
uint16_t EffectiveCode(const KeyDef& key, bool bInv, bool bHyp);
