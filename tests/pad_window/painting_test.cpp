// What the pad window shows, read back from the window: the artwork for each pad and modifier
// state, the radix mark, direct mode's greying, key highlights and the display text.

#include "pad_model/pad_state.h"
#include "pad_window/key_actions.h"
#include "pad_window/painting.h"
#include "tests/pad_window/test_host.h"

namespace
{

const unsigned WHITE = 0xFFFFFF;

// Counts the pixels of the rectangle (x, y, w, h) where the window differs from the expected
// image, which is placed with its origin at (x0, y0) of the window.
int Differences(const Pixels& window, const Pixels& image, int x0, int y0, int x, int y, int w,
                int h)
{
    int n = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            n += window.At(i, j) != image.At(i - x0, j - y0);
    return n;
}

bool IsInverted(const Pixels& window, const Pixels& pad, const KeyDef* pKey)
{
    for (int j = pKey->nTop; j < pKey->nTop + pKey->nHeight; ++j)
        for (int i = pKey->nLeft; i < pKey->nLeft + pKey->nWidth; ++i)
            if (window.At(i, j) != (pad.At(i, j) ^ 0xFFFFFFu))
                return false;
    return true;
}

// The display text's extent: the columns of the display interior that hold non-white pixels.
void TextColumns(const Pixels& window, int* pnFirst, int* pnLast)
{
    *pnFirst = -1;
    *pnLast = -1;
    for (int x = DISPLAY_LEFT; x < DISPLAY_RIGHT; ++x)
        for (int y = DISPLAY_TOP; y < DISPLAY_BOTTOM; ++y)
            if (window.At(x, y) != WHITE)
            {
                if (*pnFirst < 0)
                    *pnFirst = x;
                *pnLast = x;
            }
}

bool IsDark(unsigned uPixel)
{
    return (uPixel >> 16 & 0xFF) + (uPixel >> 8 & 0xFF) + (uPixel & 0xFF) < 3 * 128;
}

// The columns of the display interior that hold dark pixels: the text, not its smoothing.
void DarkColumns(const Pixels& window, int* pnFirst, int* pnLast)
{
    *pnFirst = -1;
    *pnLast = -1;
    for (int x = DISPLAY_LEFT; x < DISPLAY_RIGHT; ++x)
        for (int y = DISPLAY_TOP; y < DISPLAY_BOTTOM; ++y)
            if (IsDark(window.At(x, y)))
            {
                if (*pnFirst < 0)
                    *pnFirst = x;
                *pnLast = x;
            }
}

// A minus sign: the glyph that starts at column nFirst is a bar at least two pixels wide and at
// most two high, in the middle half of the display's height.
bool IsMinusSign(const Pixels& window, int nFirst)
{
    int nTop = DISPLAY_BOTTOM, nBottom = -1, x = nFirst;
    for (bool bDark = true; bDark && x < DISPLAY_RIGHT; ++x)
    {
        bDark = false;
        for (int y = DISPLAY_TOP; y < DISPLAY_BOTTOM; ++y)
            if (IsDark(window.At(x, y)))
            {
                bDark = true;
                nTop = y < nTop ? y : nTop;
                nBottom = y > nBottom ? y : nBottom;
            }
    }
    int nHeight = DISPLAY_BOTTOM - DISPLAY_TOP;
    return x - 1 - nFirst >= 2 && nBottom - nTop < 2 && nTop >= DISPLAY_TOP + nHeight / 4 &&
           nBottom < DISPLAY_BOTTOM - nHeight / 4;
}

// The display text as DrawTextW writes it in a device context's own font, white on white
// elsewhere: what the pad drew before it had fonts of its own.
Pixels DrawnInDefaultFont(HWND hwnd, const wchar_t* pszText)
{
    return DrawClientSized(hwnd, [pszText](HDC hdcMem, HDC, const RECT& rc) {
        PatBlt(hdcMem, 0, 0, rc.right, rc.bottom, WHITENESS);
        RECT rcText = {DISPLAY_LEFT + 4, DISPLAY_TOP, DISPLAY_RIGHT - 4, DISPLAY_BOTTOM};
        DrawTextW(hdcMem, pszText, -1, &rcText, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    });
}

} // namespace

class PaintingTest : public KeypadTest
{
  protected:
    Pixels Window() { return CaptureClient(panel->hwndPad); }
};

TEST_F(PaintingTest, TheScientificPadShowsTheOverlayOfItsModifiers)
{
    Pixels pad = LoadBitmapPixels(L"PAD1");
    ASSERT_EQ(238, pad.nWidth);
    Pixels window = Window();
    EXPECT_EQ(238, window.nWidth);
    EXPECT_EQ(78, window.nHeight);
    // Everything but the display interior is the artwork.
    EXPECT_EQ(0, Differences(window, pad, 0, 0, 0, 21, 238, 57));
    EXPECT_EQ(0, Differences(window, pad, 0, 0, 0, 0, 238, 3));

    struct Case
    {
        unsigned nCode;
        const wchar_t* pszOverlay;
    } aCases[] = {{CMD_INV, L"PAD1_INV"},     // INV
                  {CMD_HYP, L"PAD1_INV_HYP"}, // INV and HYP
                  {CMD_INV, L"PAD1_HYP"}};    // HYP
    for (const Case& c : aCases)
    {
        panel->TapCode(c.nCode);
        Pixels overlay = LoadBitmapPixels(c.pszOverlay);
        ASSERT_EQ(96, overlay.nWidth) << c.pszOverlay;
        window = Window();
        EXPECT_EQ(0, Differences(window, overlay, 25, 23, 25, 23, 96, 54)) << c.pszOverlay;
        EXPECT_NE(0, Differences(window, pad, 0, 0, 25, 23, 96, 54)) << c.pszOverlay;
        EXPECT_EQ(0, Differences(window, pad, 0, 0, 121, 21, 117, 57)) << c.pszOverlay;
    }
    panel->TapCode(CMD_HYP);
    EXPECT_EQ(0, Differences(Window(), pad, 0, 0, 0, 21, 238, 57));

    // The programmer pad keeps INV for the scientific pad, which shows it again on return.
    panel->TapCode(CMD_INV);
    panel->TapCode(CMD_PAD);
    EXPECT_EQ(0, Differences(Window(), LoadBitmapPixels(L"PAD2"), 0, 0, 81, 21, 157, 57));
    panel->TapCode(CMD_PAD);
    EXPECT_EQ(0, Differences(Window(), LoadBitmapPixels(L"PAD1_INV"), 25, 23, 25, 23, 96, 54));
}

TEST_F(PaintingTest, TheProgrammerPadMarksItsRadixKey)
{
    panel->TapCode(CMD_PAD);
    panel->TapCode(CMD_HEX);
    Pixels pad = LoadBitmapPixels(L"PAD2");
    Pixels window = Window();
    for (int r = 0; r < RADIX_COUNT; ++r)
    {
        const KeyDef* pKey = KeyByIndex(PAD_PROGRAMMER, g_Layout.header.nRadixKey[r]);
        EXPECT_EQ(r == 1, IsInverted(window, pad, pKey)) << r;
        if (r != 1)
        {
            EXPECT_EQ(0, Differences(window, pad, 0, 0, pKey->nLeft, pKey->nTop, pKey->nWidth,
                                     pKey->nHeight));
        }
    }
    // A repaint marks the same key.
    InvalidateRect(panel->hwndPad, nullptr, FALSE);
    UpdateWindow(panel->hwndPad);
    EXPECT_EQ(window.aPixels, Window().aPixels);
}

TEST_F(PaintingTest, RadixIndicatorLeavesExactlyOneMarkWhateverTheStripHeld)
{
    panel->TapCode(CMD_PAD);
    for (int r = RADIX_DEC; r <= RADIX_OCT; ++r) // DEC unmarked, HEX and OCT marked
        InvertKey(panel->hwndPad, g_PadState, g_Layout.header.nRadixKey[r], nullptr);
    g_PadState.nRadix = RADIX_BIN;
    DrawRadixIndicator(panel->hwndPad, g_PadState);
    Pixels pad = LoadBitmapPixels(L"PAD2");
    Pixels window = Window();
    for (int r = 0; r < RADIX_COUNT; ++r)
    {
        const KeyDef* pKey = KeyByIndex(PAD_PROGRAMMER, g_Layout.header.nRadixKey[r]);
        EXPECT_EQ(r == 3, IsInverted(window, pad, pKey)) << r;
    }
    g_PadState.nPadType = PAD_SCIENTIFIC; // does nothing on the scientific pad
    Pixels before = Window();
    DrawRadixIndicator(panel->hwndPad, g_PadState);
    EXPECT_EQ(before.aPixels, Window().aPixels);
    g_PadState.nPadType = PAD_PROGRAMMER;
}

TEST_F(PaintingTest, DirectModeCoversTheDisplayAndGreysKeysThatDoNothing)
{
    for (int nPad = 0; nPad < PAD_COUNT; ++nPad)
    {
        panel->TapCode(CMD_DIRECT);
        Pixels pad = LoadBitmapPixels(nPad == 0 ? L"PAD1" : L"PAD2");
        Pixels row = LoadBitmapPixels(L"PAD_DIRECT");
        ASSERT_EQ(168, row.nWidth);
        Pixels window = Window();
        EXPECT_EQ(0, Differences(window, row, 12, 1, 12, 1, 168, 21));
        for (int i = 0; i < g_Layout.header.nKeyCount[nPad]; ++i)
        {
            const KeyDef* pKey = KeyByIndex(nPad, i);
            bool bActive = IsActiveInDirectMode(pKey);
            int nWrong = 0;
            for (int y = pKey->nTop; y < pKey->nTop + pKey->nHeight; ++y)
                for (int x = pKey->nLeft; x < pKey->nLeft + pKey->nWidth; ++x)
                {
                    if (x >= 12 && x < 180 && y >= 1 && y < 22)
                        continue; // under the direct row
                    bool bInside = x > pKey->nLeft && x < pKey->nLeft + pKey->nWidth - 1 &&
                                   y > pKey->nTop && y < pKey->nTop + pKey->nHeight - 1;
                    // The selected radix key is inverted first, then greyed like the others.
                    unsigned uPad = pad.At(x, y);
                    if (nPad == PAD_PROGRAMMER && i == g_Layout.header.nRadixKey[0])
                        uPad ^= 0xFFFFFF;
                    unsigned uExpected = !bActive && bInside ? uPad | 0x808080 : uPad;
                    nWrong += window.At(x, y) != uExpected;
                }
            EXPECT_EQ(0, nWrong) << "pad " << nPad << " key " << i;
        }
        panel->TapCode(CMD_DIRECT);
        EXPECT_FALSE(g_PadState.bDirect);
        if (nPad == 0)
            panel->TapCode(CMD_PAD);
    }
}

TEST_F(PaintingTest, InvertingAKeyTwiceRestoresEveryPixel)
{
    HWND hwnd = panel->hwndPad;
    int nSeven = FindCharKey(PAD_SCIENTIFIC, '7');
    Pixels before = Window();
    InvertKey(hwnd, g_PadState, nSeven, nullptr);
    Pixels inverted = Window();
    EXPECT_TRUE(IsInverted(inverted, before, KeyByIndex(PAD_SCIENTIFIC, nSeven)));
    InvertKey(hwnd, g_PadState, nSeven, nullptr);
    EXPECT_EQ(before.aPixels, Window().aPixels);
    InvertKey(hwnd, g_PadState, NO_KEY, nullptr);
    InvertKey(hwnd, g_PadState, DIRECT_KEY_BASE + 99, nullptr);
    EXPECT_EQ(before.aPixels, Window().aPixels);

    g_PadState.bDirect = TRUE; // a direct row key inverts where the direct row draws it
    InvertKey(hwnd, g_PadState, FindDirectRowKey(VKEY_NEXT), nullptr);
    Pixels after = Window();
    for (int y = 0; y < 78; ++y)
        for (int x = 0; x < 238; ++x)
        {
            bool bInKey = x >= 58 && x < 73 && y >= 3 && y < 20;
            ASSERT_EQ(bInKey ? before.At(x, y) ^ 0xFFFFFFu : before.At(x, y), after.At(x, y))
                << x << "," << y;
        }
    g_PadState.bDirect = FALSE;
}

TEST_F(PaintingTest, DisplayTextIsRightAligned)
{
    panel->TapText("12");
    Pixels window = Window();
    int nFirst, nLast;
    TextColumns(window, &nFirst, &nLast);
    EXPECT_GE(nFirst, 18 + 100); // two digits sit at the right end
    EXPECT_LE(nLast, 173);
    EXPECT_GE(nLast, 166);
}

TEST_F(PaintingTest, TheLongestDisplayTextsShowWholeWithTheirSign)
{
    for (const wchar_t* pszText : {L"-0.1428571428571428", L"-1.23456789012345e-300",
                                   L"-1.79769313486232e+308", L"-4294967295", L"-9999999999999999"})
    {
        SetDisplayText(panel->hwndPad, g_PadState, pszText, TRUE);
        Pixels window = Window();
        int nFirst, nLast;
        DarkColumns(window, &nFirst, &nLast);
        // Inside the text rectangle, the margins white.
        EXPECT_GE(nFirst, DISPLAY_LEFT + 4) << pszText;
        EXPECT_LE(nLast, DISPLAY_RIGHT - 5) << pszText;
        EXPECT_GE(nLast, DISPLAY_RIGHT - 12) << pszText;
        EXPECT_TRUE(IsMinusSign(window, nFirst)) << pszText;
    }
}

TEST_F(PaintingTest, TextsThatFitKeepTheWindowFont)
{
    for (const wchar_t* pszText : {L"12", L"0.5", L"-142857142857142", L"Error"})
    {
        SetDisplayText(panel->hwndPad, g_PadState, pszText, TRUE);
        Pixels window = Window();
        Pixels expected = DrawnInDefaultFont(panel->hwndPad, pszText);
        EXPECT_EQ(0, Differences(window, expected, 0, 0, DISPLAY_LEFT + 4, DISPLAY_TOP,
                                 DISPLAY_RIGHT - DISPLAY_LEFT - 8, DISPLAY_BOTTOM - DISPLAY_TOP))
            << pszText;
    }
}

TEST_F(PaintingTest, TextTooLongForAnyFontIsClippedAtTheLeft)
{
    SetDisplayText(panel->hwndPad, g_PadState,
                   L"12345678901234567890123456789012345678901234567890", TRUE);
    Pixels window = Window();
    int nFirst, nLast;
    TextColumns(window, &nFirst, &nLast);
    EXPECT_EQ(18, nFirst); // clipped to the text rectangle, the margins stay white
    EXPECT_LE(nLast, 173);
    for (int y = DISPLAY_TOP; y < DISPLAY_BOTTOM; ++y)
    {
        for (int x : {14, 15, 16, 17, 174, 175, 176, 177})
            EXPECT_EQ(WHITE, window.At(x, y)) << x << "," << y;
    }
}

// A key action repaints the display alone, without the pad's artwork: what it leaves on the screen
// is exactly what a repaint of the whole window shows, whatever the display held before.
TEST_F(PaintingTest, ARepaintOfTheDisplayAloneMatchesAFullRepaint)
{
    struct Case
    {
        const char* pszSetUp; // taps before the display text is set
        const wchar_t* pszBefore;
        const wchar_t* pszText;
    } aCases[] = {
        {"", L"0", L"7"},
        {"", L"-1.79769313486232e+308", L"12"}, // the smaller font's text is wiped out
        {"", L"12", L"-0.1428571428571428"},    // drawn in the smaller font
        {"", L"12345678901234567890123456789012345678901234567890", L"Error"},
        {"i", L"5", L"0.5"}, // INV and HYP overlays lie outside the display
        {"ih", L"-1", L"1e-300"},
        {"p", L"FF", L"4294967295"}, // the programmer pad with its radix mark
    };
    for (const Case& c : aCases)
    {
        Reopen();
        for (const char* p = c.pszSetUp; *p != 0; ++p)
            panel->TapCode(*p == 'i' ? CMD_INV : *p == 'h' ? CMD_HYP : CMD_PAD);
        SetDisplayText(panel->hwndPad, g_PadState, c.pszBefore, TRUE);
        SetDisplayText(panel->hwndPad, g_PadState, c.pszText,
                       TRUE); // invalidates the display box only
        Pixels displayOnly = Window();
        InvalidateRect(panel->hwndPad, nullptr, TRUE);
        UpdateWindow(panel->hwndPad);
        Pixels full = Window();
        ASSERT_EQ(full.nWidth, displayOnly.nWidth);
        EXPECT_EQ(0, Differences(displayOnly, full, 0, 0, 0, 0, full.nWidth, full.nHeight))
            << c.pszSetUp << " " << c.pszText;
    }
}
