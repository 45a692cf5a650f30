#pragma once
// The read-only description of both pads and the direct row: what every key is, what it does
// and where it lies. Painting, hit testing, key actions and the artwork generator all read these
// tables, so the pictures and the hit areas cannot disagree. Free of Win32 so that build-time
// tools can use it.

#include "pad_model/pad_type.h"

#include <cstdint>

enum KeyKind : uint16_t
{
    KEY_CHAR = 0,      // digit, A to F, decimal point: wChar goes to EnterChar
    KEY_COMMAND = 1,   // operator or function: a CommandCode chosen by the modifiers
    KEY_MODE = 2,      // inv, hyp and the four radix keys
    KEY_PADSWITCH = 3, // switches between the two pads
    KEY_INPUT = 4,     // sends the display text to the application
    KEY_DIRECT = 5,    // toggles direct mode
    KEY_VKEY = 6,      // a key of the direct row: wCode is a virtual-key code
};

struct KeyDef
{
    uint16_t wKind;
    uint16_t wCode;       // plain CommandCode; virtual-key code in the direct row; 0 for KEY_CHAR
    uint16_t wInvCode;    // INV on, HYP off; 0 = as wCode
    uint16_t wHypCode;    // HYP on, INV off; 0 = as wCode
    uint16_t wInvHypCode; // both on; 0 = as wCode
    uint16_t wChar;       // entered by a character key, or sent in direct mode; 0 = none
    int32_t nLeft;
    int32_t nTop;
    int32_t nWidth;
    int32_t nHeight;
};

// The platform's virtual-key codes of the direct row's keys.
const uint16_t VKEY_BACK = 8;
const uint16_t VKEY_TAB = 9;
const uint16_t VKEY_RETURN = 13;
const uint16_t VKEY_ESCAPE = 27;
const uint16_t VKEY_PRIOR = 33;
const uint16_t VKEY_NEXT = 34;
const uint16_t VKEY_LEFT = 37;
const uint16_t VKEY_UP = 38;
const uint16_t VKEY_RIGHT = 39;
const uint16_t VKEY_DOWN = 40;
const uint16_t VKEY_DELETE = 46;

const int PAD_SLOTS = 38;
const int DIRECT_ROW_KEYS = 11;
const int RADIX_COUNT = 4;

struct LayoutHeader
{
    int32_t nKeyCount[PAD_COUNT]; // used slots of each pad
    int32_t nOverlayLeft;         // origin of the INV/HYP overlays
    int32_t nOverlayTop;
    int32_t nDirectLeft; // origin of the direct row
    int32_t nDirectTop;
    int32_t nRadixKey[RADIX_COUNT]; // programmer pad key of each radix
};

struct PadLayout
{
    KeyDef aKeys[PAD_SLOTS];
};

struct LayoutTables
{
    LayoutHeader header;
    PadLayout aPads[PAD_COUNT];
    KeyDef aDirectRow[DIRECT_ROW_KEYS];
};

extern const LayoutTables g_Layout;

// One signed number names any key: NO_KEY, a key of the current pad, or DIRECT_KEY_BASE plus
// a position in the direct row (which exists only in direct mode).
const int NO_KEY = -1;
const int DIRECT_KEY_BASE = 1000;

// The first and last radix keys of the programmer pad bound the strip redrawn on a radix change.
const int RADIX_STRIP_FIRST_KEY = 25;
const int RADIX_STRIP_LAST_KEY = 28;

// The whole pad's artwork, the pad at scale 1.
const int PAD_WIDTH = 238;
const int PAD_HEIGHT = 78;

// The pad also draws itself enlarged pixel for pixel, each of its pixels N x N pixels of the
// window, for N up to this.
const int MAX_PAD_SCALE = 4;

// The display box's white interior, at scale 1.
const int DISPLAY_LEFT = 14;
const int DISPLAY_TOP = 3;
const int DISPLAY_RIGHT = 178;
const int DISPLAY_BOTTOM = 20;

// The key named by nKey on pad nPadType: a pad key below DIRECT_KEY_BASE, a direct row key from
// it on. Null for NO_KEY and for indexes that name no key.
const KeyDef* KeyByIndex(int nPadType, int nKey);

// A rectangle in the pad window's client coordinates; right and bottom are exclusive.
struct KeyBounds
{
    int32_t nLeft;
    int32_t nTop;
    int32_t nRight;
    int32_t nBottom;
};

// The scale of the pad in a client area of nWidth x nHeight: the largest N up to MAX_PAD_SCALE
// at which the whole pad fits, drawn from the origin; 1 when not even scale 1 fits.
int PadScale(int nWidth, int nHeight);

// Where key nKey (pKey, as KeyByIndex gives it) lies in the window at scale nScale: direct row
// keys are moved by the direct row origin, then the whole rectangle is enlarged nScale times.
KeyBounds KeyRectangle(int nKey, const KeyDef* pKey, int nScale);

// A pad key that still works in direct mode: the toggle and every key with a character.
bool IsActiveInDirectMode(const KeyDef* pKey);

// Keys by what they do rather than where they stand in a table, for those who tap them: the
// first key of pad nPadType that enters the character wChar; the first of its other keys whose
// plain code is wCode; the direct row key that sends the virtual key wVirtualKey, as
// DIRECT_KEY_BASE plus its position. NO_KEY when there is none.
int FindCharKey(int nPadType, uint16_t wChar);
int FindCodeKey(int nPadType, uint16_t wCode);
int FindDirectRowKey(uint16_t wVirtualKey);
