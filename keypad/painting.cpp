#include "keypad/painting.h"

#include "base/module.h"
#include "pad/layout.h"
#include "pad/pad_state.h"

namespace
{

// The text rectangle: the display less a margin of 4 pixels at each side.
const int DISPLAY_TEXT_MARGIN = 4;

// The smallest character height a display text is shrunk to; a text that does not fit even then
// is cut at the left, as every text was before.
const int MIN_FIT_FONT_HEIGHT = 8;

const WCHAR* const g_apszPadBitmaps[PAD_COUNT] = {L"PAD1", L"PAD2"};

// Copies the bitmap named pszName from its origin to (x, y) with rop; false when it is missing.
bool DrawBitmap(HDC hdc, HDC hdcMem, const WCHAR* pszName, int x, int y, DWORD dwRop)
{
    HBITMAP hbm = LoadBitmapW(g_hInstance, pszName);
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

const WCHAR* OverlayBitmap()
{
    if (g_PadState.bInv && g_PadState.bHyp)
        return L"PAD1_INV_HYP";
    if (g_PadState.bInv)
        return L"PAD1_INV";
    if (g_PadState.bHyp)
        return L"PAD1_HYP";
    return nullptr;
}

// Greys every key that does nothing in direct mode: OR-ing dark gray turns its black label dark
// gray and leaves lighter pixels, while the key's one-pixel edge stays as it is.
void GreyInactiveKeys(HDC hdc, HDC hdcMem)
{
    HBITMAP hbm = LoadBitmapW(g_hInstance, L"PAD_DISABLE");
    if (hbm == nullptr)
        return;
    HGDIOBJ hbmDefault = SelectObject(hdcMem, hbm);
    int nPad = g_PadState.nPadType;
    for (int i = 0; i < g_Layout.header.nKeyCount[nPad]; ++i)
    {
        const KeyDef* pKey = KeyByIndex(nPad, i);
        if (IsActiveInDirectMode(pKey))
            continue;
        RECT rc = {pKey->nLeft, pKey->nTop, pKey->nLeft + pKey->nWidth, pKey->nTop + pKey->nHeight};
        InflateRect(&rc, -1, -1);
        BitBlt(hdc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hdcMem, 0, 0,
               SRCPAINT);
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

} // namespace

LRESULT OnPaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    HDC hdcMem = CreateCompatibleDC(hdc);

    DrawBitmap(hdc, hdcMem, g_apszPadBitmaps[g_PadState.nPadType], 0, 0, SRCCOPY);
    if (g_PadState.nPadType == PAD_SCIENTIFIC)
    {
        const WCHAR* pszOverlay = OverlayBitmap();
        if (pszOverlay != nullptr)
            DrawBitmap(hdc, hdcMem, pszOverlay, g_Layout.header.nOverlayLeft,
                       g_Layout.header.nOverlayTop, SRCCOPY);
    }
    else
    {
        InvertKey(g_Layout.header.nRadixKey[g_PadState.nRadix], hdc);
    }

    if (g_PadState.bDirect)
    {
        DrawBitmap(hdc, hdcMem, L"PAD_DIRECT", g_Layout.header.nDirectLeft,
                   g_Layout.header.nDirectTop, SRCCOPY);
        GreyInactiveKeys(hdc, hdcMem);
    }
    else
    {
        DrawDisplayText(hdc);
    }
    // The key under the pen stays inverted whenever the pad is repainted, so that the pen up's
    // inversion restores it.
    InvertKey(g_PadState.nPressedKey, hdc);

    DeleteDC(hdcMem);
    EndPaint(hwnd, &ps);
    return 0;
}

void InvertKey(int nKey, HDC hdc)
{
    const KeyDef* pKey = KeyByIndex(g_PadState.nPadType, nKey);
    if (pKey == nullptr)
        return;
    HDC hdcWindow = hdc == nullptr ? GetDC(g_PadState.hwndPad) : hdc;
    KeyBounds bounds = KeyRectangle(nKey, pKey);
    PatBlt(hdcWindow, bounds.nLeft, bounds.nTop, bounds.nRight - bounds.nLeft,
           bounds.nBottom - bounds.nTop, DSTINVERT);
    if (hdc == nullptr)
        ReleaseDC(g_PadState.hwndPad, hdcWindow);
}

void DrawDisplayText(HDC hdc)
{
    int nOldMode = SetBkMode(hdc, OPAQUE);
    COLORREF crOldBack = SetBkColor(hdc, RGB(255, 255, 255));
    RECT rcText = g_PadState.rcDisplay;
    rcText.left += DISPLAY_TEXT_MARGIN;
    rcText.right -= DISPLAY_TEXT_MARGIN;
    HGDIOBJ hfontDefault = GetCurrentObject(hdc, OBJ_FONT);
    HFONT hfontFit = SelectFittingFont(hdc, g_PadState.szDisplay, rcText.right - rcText.left);
    DrawTextW(hdc, g_PadState.szDisplay, -1, &rcText, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    if (hfontFit != nullptr)
    {
        SelectObject(hdc, hfontDefault);
        DeleteObject(hfontFit);
    }
    SetBkColor(hdc, crOldBack);
    SetBkMode(hdc, nOldMode);
}

void DrawRadixIndicator(HDC hdc)
{
    if (g_PadState.nPadType != PAD_PROGRAMMER)
        return;
    HDC hdcWindow = hdc == nullptr ? GetDC(g_PadState.hwndPad) : hdc;
    HDC hdcMem = CreateCompatibleDC(hdcWindow);
    HBITMAP hbm = LoadBitmapW(g_hInstance, g_apszPadBitmaps[PAD_PROGRAMMER]);
    if (hbm != nullptr)
    {
        HGDIOBJ hbmDefault = SelectObject(hdcMem, hbm);
        const KeyDef* pFirst = KeyByIndex(PAD_PROGRAMMER, RADIX_STRIP_FIRST_KEY);
        const KeyDef* pLast = KeyByIndex(PAD_PROGRAMMER, RADIX_STRIP_LAST_KEY);
        int nWidth = pLast->nLeft + pLast->nWidth - pFirst->nLeft;
        int nHeight = pLast->nTop + pLast->nHeight - pFirst->nTop;
        BitBlt(hdcWindow, pFirst->nLeft, pFirst->nTop, nWidth, nHeight, hdcMem, pFirst->nLeft,
               pFirst->nTop, SRCCOPY);
        SelectObject(hdcMem, hbmDefault);
        DeleteObject(hbm);
    }
    DeleteDC(hdcMem);
    InvertKey(g_Layout.header.nRadixKey[g_PadState.nRadix], hdcWindow);
    if (hdc == nullptr)
        ReleaseDC(g_PadState.hwndPad, hdcWindow);
}
