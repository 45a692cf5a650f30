#include "tools/artwork/pad_art.h"

#include "engine/command_codes.h"
#include "pad_model/layout.h"
#include "tools/artwork/key_labels.h"

namespace
{

// The display box's frame lies two pixels outside its white interior.
const int FRAME_LEFT = DISPLAY_LEFT - 2;
const int FRAME_TOP = DISPLAY_TOP - 2;
const int FRAME_RIGHT = DISPLAY_RIGHT + 2;
const int FRAME_BOTTOM = DISPLAY_BOTTOM + 2;

// The keys that stand out with white faces: the top row (Input, C, AC) and the keys that switch
// modifiers, radix and pad.
bool HasWhiteFace(const KeyDef& key)
{
    switch (key.wKind)
    {
    case KEY_INPUT:
    case KEY_MODE:
    case KEY_PADSWITCH: return true;
    case KEY_COMMAND: return key.wCode == CMD_DEL || key.wCode == CMD_AC;
    default: return false;
    }
}

void DrawRaisedButton(Canvas& canvas, const KeyBounds& bounds, uint8_t bFace)
{
    FillRectangle(canvas, bounds.nLeft, bounds.nTop, bounds.nRight, bounds.nBottom, bFace);
    FillRectangle(canvas, bounds.nLeft, bounds.nTop, bounds.nRight - 1, bounds.nTop + 1,
                  SHADE_WHITE);
    FillRectangle(canvas, bounds.nLeft, bounds.nTop, bounds.nLeft + 1, bounds.nBottom - 1,
                  SHADE_WHITE);
    FillRectangle(canvas, bounds.nLeft, bounds.nBottom - 1, bounds.nRight, bounds.nBottom,
                  SHADE_DARK_GRAY);
    FillRectangle(canvas, bounds.nRight - 1, bounds.nTop, bounds.nRight, bounds.nBottom,
                  SHADE_DARK_GRAY);
}

// A raised key with its label centred inside the one-pixel edge.
bool DrawKey(Canvas& canvas, const KeyDef& key, const KeyBounds& bounds, bool bInv, bool bHyp)
{
    DrawRaisedButton(canvas, bounds, HasWhiteFace(key) ? SHADE_WHITE : SHADE_LIGHT_GRAY);
    Label label;
    return KeyLabel(key, bInv, bHyp, &label) &&
           DrawLabel(canvas, label, bounds.nLeft + 1, bounds.nTop + 1, bounds.nRight - 1,
                     bounds.nBottom - 1);
}

// The display's sunken frame, moved by (-xOrigin, -yOrigin): dark gray and black above and left,
// white and light gray below and right, around the white interior.
void DrawDisplayFrame(Canvas& canvas, int xOrigin, int yOrigin)
{
    int l = FRAME_LEFT - xOrigin, t = FRAME_TOP - yOrigin;
    int r = FRAME_RIGHT - xOrigin, b = FRAME_BOTTOM - yOrigin;
    FillRectangle(canvas, l, t, r, b, SHADE_WHITE);
    FillRectangle(canvas, l, t, r - 1, t + 1, SHADE_DARK_GRAY);
    FillRectangle(canvas, l, t, l + 1, b - 1, SHADE_DARK_GRAY);
    FillRectangle(canvas, l + 1, t + 1, r - 2, t + 2, SHADE_BLACK);
    FillRectangle(canvas, l + 1, t + 1, l + 2, b - 2, SHADE_BLACK);
    FillRectangle(canvas, l + 1, b - 2, r - 1, b - 1, SHADE_LIGHT_GRAY);
    FillRectangle(canvas, r - 2, t + 1, r - 1, b - 1, SHADE_LIGHT_GRAY);
}

} // namespace

bool DrawPad(int nPadType, bool bInv, bool bHyp, Canvas* pPad)
{
    *pPad = CreateCanvas(PAD_WIDTH, PAD_HEIGHT, SHADE_LIGHT_GRAY);
    DrawDisplayFrame(*pPad, 0, 0);
    for (int i = 0; i < g_Layout.header.nKeyCount[nPadType]; ++i)
    {
        const KeyDef* pKey = KeyByIndex(nPadType, i);
        if (!DrawKey(*pPad, *pKey, KeyRectangle(i, pKey, 1), bInv, bHyp))
            return false;
    }
    return true;
}

bool DrawFunctionOverlay(bool bInv, bool bHyp, Canvas* pOverlay)
{
    Canvas pad;
    if (!DrawPad(PAD_SCIENTIFIC, bInv, bHyp, &pad))
        return false;
    const KeyDef* pFirst = KeyByIndex(PAD_SCIENTIFIC, FUNCTION_BLOCK_FIRST_KEY);
    const KeyDef* pLast = KeyByIndex(PAD_SCIENTIFIC, FUNCTION_BLOCK_LAST_KEY);
    int nLeft = g_Layout.header.nOverlayLeft, nTop = g_Layout.header.nOverlayTop;
    *pOverlay = CropCanvas(pad, nLeft, nTop, pLast->nLeft + pLast->nWidth - pFirst->nLeft,
                           pLast->nTop + pLast->nHeight - pFirst->nTop);
    return true;
}

bool DrawDirectRow(Canvas* pRow)
{
    int xOrigin = g_Layout.header.nDirectLeft, yOrigin = g_Layout.header.nDirectTop;
    *pRow = CreateCanvas(FRAME_RIGHT - xOrigin, FRAME_BOTTOM - yOrigin, SHADE_LIGHT_GRAY);
    DrawDisplayFrame(*pRow, xOrigin, yOrigin);
    for (int j = 0; j < DIRECT_ROW_KEYS; ++j)
    {
        const KeyDef& key = g_Layout.aDirectRow[j];
        KeyBounds bounds = {key.nLeft, key.nTop, key.nLeft + key.nWidth, key.nTop + key.nHeight};
        if (!DrawKey(*pRow, key, bounds, false, false))
            return false;
    }
    return true;
}

Canvas DrawDisableStipple()
{
    return CreateCanvas(DISABLE_STIPPLE_SIZE, DISABLE_STIPPLE_SIZE, SHADE_DARK_GRAY);
}
