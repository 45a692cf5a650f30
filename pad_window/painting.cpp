#include "pad_window/painting.h"

#include "base/module.h"
#include "pad_model/layout.h"
#include "pad_model/pad_state.h"

namespace
{

// The text rectangle: the display less a margin of 4 pixels at each side, at scale 1.
const int DISPLAY_TEXT_MARGIN = 4;

// The display's font at scale 1: the system font's face and weight in the cell of 16 x 7 pixels it
// has at 96 DPI. Pixels of the pad, not points: the system font grows with the system's DPI, and
// the pad does not unless the host makes it larger.
const int DISPLAY_FONT_HEIGHT = 16;
const int DISPLAY_FONT_WIDTH = 7;

// The smallest character height a display text is shrunk to, at scale 1; a text that does not fit
// even then is drawn at that height and cut at the left.
const int MIN_FIT_FONT_HEIGHT = 8;

const WCHAR* const g_apszPadBitmaps[PAD_COUNT] = {L"PAD1", L"PAD2"};

// Copies the nWidth x nHeight pixels of artwork at (xSrc, ySrc) of hdcMem to the artwork's place
// (x, y), each pixel enlarged to nScale x nScale pixels of the window: at scale 1 a plain copy.
void BlitArtwork(HDC hdc, int nScale, int x, int y, int nWidth, int nHeight, HDC hdcMem, int xSrc,
                 int ySrc, DWORD dwRop)
{
    StretchBlt(hdc, x * nScale, y * nScale, nWidth * nScale, nHeight * nScale, hdcMem, xSrc, ySrc,
               nWidth, nHeight, dwRop);
}

// Copies the bitmap named pszName to the artwork's place (x, y) with rop; false when it is
// missing.
bool DrawBitmap(const PadState& state, HDC hdc, HDC hdcMem, const WCHAR* pszName, int x, int y,
                DWORD dwRop)
{
    HBITMAP hbm = LoadModuleBitmap(pszName);
    if (hbm == nullptr)
        return false;
    BITMAP bm;
    GetObjectW(hbm, sizeof(bm), &bm);
    HGDIOBJ hbmDefault = SelectObject(hdcMem, hbm);
    BlitArtwork(hdc, state.nScale, x, y, bm.bmWidth, bm.bmHeight, hdcMem, 0, 0, dwRop);
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
        KeyBounds bounds = KeyRectangle(i, pKey, 1);
        BlitArtwork(hdc, state.nScale, bounds.nLeft + 1, bounds.nTop + 1,
                    bounds.nRight - bounds.nLeft - 2, bounds.nBottom - bounds.nTop - 2, hdcMem, 0,
                    0, SRCPAINT);
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

// Selects into hdc the display's font at scale nScale or, for a text wider than nWidth pixels,
// its largest variant by character height in which the text fits. Returns the font made for it,
// for DeleteObject: nullptr when the system font, a device context's own, is the display's
// already, as at 96 DPI and scale 1, or when no font can be made and that one draws.
HFONT SelectDisplayFont(HDC hdc, const WCHAR* pszText, int nWidth, int nScale)
{
    LOGFONTW lf;
    if (GetObjectW(GetStockObject(SYSTEM_FONT), sizeof(lf), &lf) != sizeof(lf))
        return nullptr;
    HFONT hfont = nullptr;
    if (lf.lfHeight != DISPLAY_FONT_HEIGHT * nScale || lf.lfWidth != DISPLAY_FONT_WIDTH * nScale)
    {
        lf.lfHeight = DISPLAY_FONT_HEIGHT * nScale;
        lf.lfWidth = DISPLAY_FONT_WIDTH * nScale;
        hfont = CreateFontIndirectW(&lf);
        if (hfont == nullptr)
            return nullptr;
        SelectObject(hdc, hfont);
    }
    TEXTMETRICW tm;
    if (TextWidth(hdc, pszText) <= nWidth || !GetTextMetricsW(hdc, &tm))
        return hfont;
    lf.lfWidth = 0;
    for (int nHeight = tm.tmHeight - tm.tmInternalLeading - 1;
         nHeight >= MIN_FIT_FONT_HEIGHT * nScale; --nHeight)
    {
        lf.lfHeight = -nHeight; // the character height, without internal leading
        HFONT hfontSmaller = CreateFontIndirectW(&lf);
        if (hfontSmaller == nullptr)
            break;
        SelectObject(hdc, hfontSmaller);
        if (hfont != nullptr)
            DeleteObject(hfont);
        hfont = hfontSmaller;
        if (TextWidth(hdc, pszText) <= nWidth)
            break;
    }
    return hfont;
}

void DrawDisplayText(const PadState& state, HDC hdc)
{
    // Opaque on white: the text replaces what the display showed, artwork included.
    int nOldMode = SetBkMode(hdc, OPAQUE);
    COLORREF crOldBack = SetBkColor(hdc, RGB(255, 255, 255));
    RECT rcText = state.rcDisplay;
    rcText.left += DISPLAY_TEXT_MARGIN * state.nScale;
    rcText.right -= DISPLAY_TEXT_MARGIN * state.nScale;
    HGDIOBJ hfontDefault = GetCurrentObject(hdc, OBJ_FONT);
    HFONT hfont = SelectDisplayFont(hdc, state.szDisplay, rcText.right - rcText.left, state.nScale);
    DrawTextW(hdc, state.szDisplay, -1, &rcText, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    SelectObject(hdc, hfontDefault);
    if (hfont != nullptr)
        DeleteObject(hfont);
    SetBkColor(hdc, crOldBack);
    SetBkMode(hdc, nOldMode);
}

// The window beyond the pad, right of it and below it, in the artwork's light gray background:
// the room a panel leaves around a pad drawn at a whole scale from its origin.
void FillBeyondPad(HWND hwnd, const PadState& state, HDC hdc)
{
    RECT rcClient;
    GetClientRect(hwnd, &rcClient);
    int nRight = PAD_WIDTH * state.nScale;
    int nBottom = PAD_HEIGHT * state.nScale;
    HBRUSH hbr = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    RECT rcRight = {nRight, 0, rcClient.right, rcClient.bottom};
    RECT rcBelow = {0, nBottom, nRight, rcClient.bottom};
    FillRect(hdc, &rcRight, hbr);
    FillRect(hdc, &rcBelow, hbr);
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
    // Enlarged, each artwork pixel becomes a block of its own colour, nothing blended.
    SetStretchBltMode(hdc, COLORONCOLOR);

    DrawBitmap(state, hdc, hdcMem, g_apszPadBitmaps[state.nPadType], 0, 0, SRCCOPY);
    FillBeyondPad(hwnd, state, hdc);
    if (state.nPadType == PAD_SCIENTIFIC)
    {
        const WCHAR* pszOverlay = OverlayBitmap(state);
        if (pszOverlay != nullptr)
            DrawBitmap(state, hdc, hdcMem, pszOverlay, g_Layout.header.nOverlayLeft,
                       g_Layout.header.nOverlayTop, SRCCOPY);
    }
    else
    {
        InvertKey(hwnd, state, g_Layout.header.nRadixKey[state.nRadix], hdc);
    }

    if (state.bDirect)
    {
        DrawBitmap(state, hdc, hdcMem, L"PAD_DIRECT", g_Layout.header.nDirectLeft,
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
    KeyBounds bounds = KeyRectangle(nKey, pKey, state.nScale);
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
    SetStretchBltMode(hdcWindow, COLORONCOLOR);
    HBITMAP hbm = LoadModuleBitmap(g_apszPadBitmaps[PAD_PROGRAMMER]);
    if (hbm != nullptr)
    {
        // The strip from the first radix key's top left to the last one's bottom right, copied
        // from the same place of the pad's artwork.
        HGDIOBJ hbmDefault = SelectObject(hdcMem, hbm);
        KeyBounds first = KeyRectangle(RADIX_STRIP_FIRST_KEY,
                                       KeyByIndex(PAD_PROGRAMMER, RADIX_STRIP_FIRST_KEY), 1);
        KeyBounds last =
            KeyRectangle(RADIX_STRIP_LAST_KEY, KeyByIndex(PAD_PROGRAMMER, RADIX_STRIP_LAST_KEY), 1);
        BlitArtwork(hdcWindow, state.nScale, first.nLeft, first.nTop, last.nRight - first.nLeft,
                    last.nBottom - first.nTop, hdcMem, first.nLeft, first.nTop, SRCCOPY);
        SelectObject(hdcMem, hbmDefault);
        DeleteObject(hbm);
    }
    DeleteDC(hdcMem);
    InvertKey(hwnd, state, g_Layout.header.nRadixKey[state.nRadix], hdcWindow);
    ReleaseDC(hwnd, hdcWindow);
}
