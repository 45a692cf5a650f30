#include "host/pad_key_names.h"

#include "pad_model/key_names.h"
#include "pad_model/layout.h"

namespace
{

// A character key by its character, a direct row key by its virtual-key code, any other pad key
// by its plain code, so the names follow the tables: the scientific pad first, then the
// programmer pad, then the direct row. False for the engine's commands that no key carries as
// its plain code.
bool Resolve(const KeyName& name, PadKeyPlace* pPlace)
{
    if (name.wKind == KEY_VKEY)
    {
        *pPlace = {PAD_SCIENTIFIC, FindDirectRowKey(name.wValue)};
        return pPlace->nKey != NO_KEY;
    }
    for (int nPad = 0; nPad < PAD_COUNT; ++nPad)
    {
        int nKey = name.wKind == KEY_CHAR ? FindCharKey(nPad, name.wValue)
                                          : FindCodeKey(nPad, name.wValue);
        if (nKey != NO_KEY)
        {
            *pPlace = {nPad, nKey};
            return true;
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

TapPoint KeyCentre(const PadKeyPlace& place, int nScale)
{
    KeyBounds bounds = KeyRectangle(place.nKey, KeyByIndex(place.nPad, place.nKey), nScale);
    return {(bounds.nLeft + bounds.nRight) / 2, (bounds.nTop + bounds.nBottom) / 2};
}

int PadWindowScale(HWND hwndPad)
{
    RECT rc = {};
    GetClientRect(hwndPad, &rc);
    return PadScale(rc.right, rc.bottom);
}

void TapPadWindow(HWND hwndPad, int x, int y)
{
    LPARAM lParam = MAKELPARAM(x, y);
    SendMessageW(hwndPad, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    SendMessageW(hwndPad, WM_LBUTTONUP, 0, lParam);
}

void TapPadKey(HWND hwndPad, const PadKeyPlace& place)
{
    TapPoint pt = KeyCentre(place, PadWindowScale(hwndPad));
    TapPadWindow(hwndPad, pt.x, pt.y);
}
