#include "host/pad_key_names.h"

#include "pad_model/key_names.h"
#include "pad_model/layout.h"

namespace
{

// A character key by its character, a direct row key by its virtual-key code, any other pad key
// by its plain code: so the names follow the tables.
bool Matches(const KeyName& name, const KeyDef& key)
{
    switch (name.wKind)
    {
    case KEY_CHAR: return key.wKind == KEY_CHAR && key.wChar == name.wValue;
    case KEY_VKEY: return key.wKind == KEY_VKEY && key.wCode == name.wValue;
    default: return key.wKind != KEY_CHAR && key.wCode == name.wValue;
    }
}

// The first key that the name matches: the scientific pad first, then the programmer pad, then
// the direct row. False for the engine's commands that no key carries as its plain code.
bool Resolve(const KeyName& name, PadKeyPlace* pPlace)
{
    if (name.wKind == KEY_VKEY)
    {
        for (int j = 0; j < DIRECT_ROW_KEYS; ++j)
        {
            if (Matches(name, g_Layout.aDirectRow[j]))
            {
                *pPlace = {PAD_SCIENTIFIC, DIRECT_KEY_BASE + j};
                return true;
            }
        }
        return false;
    }
    for (int nPad = 0; nPad < PAD_COUNT; ++nPad)
    {
        for (int nKey = 0; nKey < g_Layout.header.nKeyCount[nPad]; ++nKey)
        {
            if (Matches(name, g_Layout.aPads[nPad].aKeys[nKey]))
            {
                *pPlace = {nPad, nKey};
                return true;
            }
        }
    }
    return false;
}

} // namespace

bool FindPadKey(const char* pszName, PadKeyPlace* pPlace)
{
    const KeyName* pName = FindKeyName(pszName);
    return pName != nullptr && Resolve(*pName, pPlace);
}

TapPoint KeyCentre(const PadKeyPlace& place)
{
    KeyBounds bounds = KeyRectangle(place.nKey, KeyByIndex(place.nPad, place.nKey));
    return {(bounds.nLeft + bounds.nRight) / 2, (bounds.nTop + bounds.nBottom) / 2};
}
