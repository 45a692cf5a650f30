#include "pad_window/painting.h"

#include "base/module.h"
#include "pad_model/layout.h"
#include "pad_model/pad_state.h"

namespace
{

// The text rectangle: the display less a margin of 4 pixels at each side.
const int DISPLAY_TEXT_MARGIN = 4;

// The smallest character height a display text is shrunk to; a text that does not fit even then
// is drawn at that height and cut at the left.
const int MIN_FIT_FONT_HEIGHT = 8;

const WCHAR* const g_apszPadBitmaps[PAD_COUNT] = {L"PAD1", L"PAD2"};

// Copies the bitmap named pszName from its origin to (x, y) with rop; false when it is missing.
bool DrawBitmap(HDC hdc, HDC hdcMem, const WCHAR* pszName, int x, int y, DWORD dwRop)
{
    HBITMAP hbm = LoadModuleBitmap(pszName);
    if (hbm == nullptr)
        return false;
    BITMAP bm;
    GetObjectW(hbm, sizeof(bm), &bm);
    HGDIOBJ hbmDefault = SelectObject(hdcMem, hbm);
    BitBlt(hdc, x, y, bm.bmWidth, bm.bmHeight, hdcMem, 0, 0, dwRop);
    SelectObject(hdcMem, hbmDefault);
    DeleteObject(hbm);
    return true;
}

const WCHAR* OverlayBitmap(const PadState& state)
{
    if (state.bInv && state.bHyp)
        return L"PAD1_INV_HYP";
    if (state.bInv)
        return L"PAD1_INV";
    if (state.bHyp)
        return L"PAD1_HYP";
    return nullptr;
}

// Greys every key that does nothing in direct mode: OR-ing dark gray turns its black label dark
// gray and leaves lighter pixels, while the key's one-pixel edge stays as it is.
void GreyInactiveKeys(const PadState& state, HDC hdc, HDC hdcMem)
{
    HBITMAP hbm = LoadModuleBitmap(L"PAD_DISABLE");
    if (hbm == nullptr)
        return;
    HGDIOBJ hbmDefault = SelectObject(hdcMem, hbm);
    int nPad = state.nPadType;
    for (int i = 0; i < g_Layout.header.nKeyCount[nPad]; ++i)
    {
        const KeyDef* pKey = KeyByIndex(nPad, i);
        if (IsActiveInDirectMode(pKey))
            continue;
        KeyBounds bounds = KeyRectangle(i, pKey);
        BitBlt(hdc, bounds.nLeft + 1, bounds.nTop + 1, bounds.nRight - bounds.nLeft - 2,
               bounds.nBottom - bounds.nTop - 2, hdcMem, 0, 0, SRCPAINT);
    }
    SelectObject(hdcMem, hbmDefault);
    DeleteObject(hbm);
}

int TextWidth(HDC hdc, const WCHAR* pszText)
{
    SIZE size = {0, 0};
    GetTextExtentPoint32W(hdc, pszText, lstrlenW(pszText), &size);
    return size.cx;
}

// Selects into hdc the largest variant of its current font, by character height, in which the
// text is at most nWidth pixels wide, and returns it for DeleteObject; nullptr when the current
// font fits already (its pixels stay exactly as they were) or no variant can be made.
HFONT SelectFittingFont(HDC hdc, const WCHAR* pszText, int nWidth)
{
    if (TextWidth(hdc, pszText) <= nWidth)
        return nullptr;
    LOGFONTW lf;
    TEXTMETRICW tm;
    if (GetObjectW(GetCurrentObject(hdc, OBJ_FONT), sizeof(lf), &lf) != sizeof(lf) ||
        !GetTextMetricsW(hdc, &tm))
        return nullptr;
    HFONT hfontFit = nullptr;
    for (int nHeight = tm.tmHeight - tm.tmInternalLeading - 1; nHeight >= MIN_FIT_FONT_HEIGHT;
         --nHeight)
    {
        lf.lfHeight = -nHeight; // the character height, without internal leading
        lf.lfWidth = 0;
        HFONT hfont = CreateFontIndirectW(&lf);
        if (hfont == nullptr)
            break;
        SelectObject(hdc, hfont);
        if (hfontFit != nullptr)
            DeleteObject(hfontFit);
        hfontFit = hfont;
        if (TextWidth(hdc, pszText) <= nWidth)
            break;
    }
    return hfontFit;
}

void DrawDisplayText(const PadState& state, HDC hdc)
{
    // Opaque on white: the text replaces what the display showed, artwork included.
    int nOldMode = SetBkMode(hdc, OPAQUE);
    COLORREF crOldBack = SetBkColor(hdc, RGB(255, 255, 255));
    RECT rcText = state.rcDisplay;
    rcText.left += DISPLAY_TEXT_MARGIN;
    rcText.right -= DISPLAY_TEXT_MARGIN;
    HGDIOBJ hfontDefault = GetCurrentObject(hdc, OBJ_FONT);
    HFONT hfontFit = SelectFittingFont(hdc, state.szDisplay, rcText.right - rcText.left);
    DrawTextW(hdc, state.szDisplay, -1, &rcText, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    if (hfontFit != nullptr)
    {
        SelectObject(hdc, hfontDefault);
        DeleteObject(hfontFit);
    }
    SetBkColor(hdc, crOldBack);
    SetBkMode(hdc, nOldMode);
}

// True when the update rectangle lies within the display box and the display shows its text:
// there both pads' artwork is white and nothing but the text is drawn (no key lies in the box
// outside direct mode).
bool IsDisplayRepaint(const PadState& state, const RECT& rcPaint)
{
    const RECT& rc = state.rcDisplay;
    return !state.bDirect && rcPaint.left >= rc.left && rcPaint.top >= rc.top &&
           rcPaint.right <= rc.right && rcPaint.bottom <= rc.bottom;
}

} // namespace

void PaintPad(HWND hwnd, const PadState& state)
{
    // BeginPaint validates the update region (and erases it if the invalidation asked): without
    // it the window would get WM_PAINT again and again.
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    // Each key action repaints the display alone: white and the text, without the pad's artwork.
    if (IsDisplayRepaint(state, ps.rcPaint))
    {
        PatBlt(hdc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
               ps.rcPaint.bottom - ps.rcPaint.top, WHITENESS);
        DrawDisplayText(state, hdc);
        EndPaint(hwnd, &ps);
        return;
    }
    // The bitmaps are selected into a memory DC of the window's format and copied from there.
    HDC hdcMem = CreateCompatibleDC(hdc);

    DrawBitmap(hdc, hdcMem, g_apszPadBitmaps[state.nPadType], 0, 0, SRCCOPY);
    if (state.nPadType == PAD_SCIENTIFIC)
    {
        const WCHAR* pszOverlay = OverlayBitmap(state);
        if (pszOverlay != nullptr)
            DrawBitmap(hdc, hdcMem, pszOverlay, g_Layout.header.nOverlayLeft,
                       g_Layout.header.nOverlayTop, SRCCOPY);
    }
    else
    {
        InvertKey(hwnd, state, g_Layout.header.nRadixKey[state.nRadix], hdc);
    }

    if (state.bDirect)
    {
        DrawBitmap(hdc, hdcMem, L"PAD_DIRECT", g_Layout.header.nDirectLeft,
                   g_Layout.header.nDirectTop, SRCCOPY);
        GreyInactiveKeys(state, hdc, hdcMem);
    }
    else
    {
        DrawDisplayText(state, hdc);
    }
    // The key under the pen stays inverted whenever the pad is repainted, so that the pen up's
    // inversion restores it.
    InvertKey(hwnd, state, state.nPressedKey, hdc);

    DeleteDC(hdcMem);
    EndPaint(hwnd, &ps);
}

void InvertKey(HWND hwnd, const PadState& state, int nKey, HDC hdc)
{
    const KeyDef* pKey = KeyByIndex(state.nPadType, nKey);
    if (pKey == nullptr)
        return;
    // Outside WM_PAINT the window's own DC draws at once, with no repaint in between.
    HDC hdcWindow = hdc == nullptr ? GetDC(hwnd) : hdc;
    KeyBounds bounds = KeyRectangle(nKey, pKey);
    PatBlt(hdcWindow, bounds.nLeft, bounds.nTop, bounds.nRight - bounds.nLeft,
           bounds.nBottom - bounds.nTop, DSTINVERT); // inverting twice restores it
    if (hdc == nullptr)
        ReleaseDC(hwnd, hdcWindow);
}

void DrawRadixIndicator(HWND hwnd, const PadState& state)
{
    if (state.nPadType != PAD_PROGRAMMER)
        return;
    HDC hdcWindow = GetDC(hwnd);
    HDC hdcMem = CreateCompatibleDC(hdcWindow);
    HBITMAP hbm = LoadModuleBitmap(g_apszPadBitmaps[PAD_PROGRAMMER]);
    if (hbm != nullptr)
    {
        // The strip from the first radix key's top left to the last one's bottom right, copied
        // from the same place of the pad's artwork.
        HGDIOBJ hbmDefault = SelectObject(hdcMem, hbm);
        KeyBounds first =
            KeyRectangle(RADIX_STRIP_FIRST_KEY, KeyByIndex(PAD_PROGRAMMER, RADIX_STRIP_FIRST_KEY));
        KeyBounds last =
            KeyRectangle(RADIX_STRIP_LAST_KEY, KeyByIndex(PAD_PROGRAMMER, RADIX_STRIP_LAST_KEY));
        BitBlt(hdcWindow, first.nLeft, first.nTop, last.nRight - first.nLeft,
               last.nBottom - first.nTop, hdcMem, first.nLeft, first.nTop, SRCCOPY);
        SelectObject(hdcMem, hbmDefault);
        DeleteObject(hbm);
    }
    DeleteDC(hdcMem);
    InvertKey(hwnd, state, g_Layout.header.nRadixKey[state.nRadix], hdcWindow);
    ReleaseDC(hwnd, hdcWindow);
}
