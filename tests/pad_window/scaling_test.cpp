// The pad in a panel N times 240 x 80: its artwork enlarged pixel for pixel, its keys pressed, hit
// and tapped in their enlarged rectangles, its display text in a font N times the size, inside its
// box.

#include "pad_model/pad_state.h"
#include "pad_window/key_actions.h"
#include "pad_window/pad_window.h"
#include "tests/pad_window/test_host.h"

#include <sstream>

namespace
{

const DWORD LIGHT_GRAY = 0xC0C0C0;

bool IsDark(DWORD uPixel)
{
    return (uPixel >> 16 & 0xFF) + (uPixel >> 8 & 0xFF) + (uPixel & 0xFF) < 3 * 128;
}

// The pixels of the pad at nScale that differ from the N x N block of the pad at scale 1 that
// they enlarge, with or without the display box's interior.
int EnlargementDifferences(const Pixels& one, const Pixels& scaled, int nScale, bool bWithDisplay)
{
    int n = 0;
    for (int y = 0; y < PAD_HEIGHT * nScale; ++y)
        for (int x = 0; x < PAD_WIDTH * nScale; ++x)
        {
            bool bInDisplay = x >= DISPLAY_LEFT * nScale && x < DISPLAY_RIGHT * nScale &&
                              y >= DISPLAY_TOP * nScale && y < DISPLAY_BOTTOM * nScale;
            if (bWithDisplay || !bInDisplay)
                n += scaled.At(x, y) != one.At(x / nScale, y / nScale);
        }
    return n;
}

// The smallest rectangle around the dark pixels of the display box at nScale; left -1 when there
// are none.
RECT DarkExtent(const Pixels& window, int nScale)
{
    RECT rc = {-1, -1, -1, -1};
    for (int y = DISPLAY_TOP * nScale; y < DISPLAY_BOTTOM * nScale; ++y)
        for (int x = DISPLAY_LEFT * nScale; x < DISPLAY_RIGHT * nScale; ++x)
            if (IsDark(window.At(x, y)))
            {
                rc.left = rc.left < 0 || x < rc.left ? x : rc.left;
                rc.top = rc.top < 0 ? y : rc.top;
                rc.right = x > rc.right ? x : rc.right;
                rc.bottom = y;
            }
    return rc;
}

// A look of the pad: the keys tapped to reach it (by code), then a key held under the pen.
struct Look
{
    const char* pszName;
    std::vector<unsigned> aCodes;
    int nPad;
    int nHeldKey;
};

} // namespace

class ScalingTest : public KeypadTest
{
  protected:
    Pixels Window() { return CaptureClient(panel->hwndPad); }

    // A pad at nScale from a first run, in the look: its picture with the key held.
    Pixels ShowLook(const Look& look, int nScale)
    {
        Close();
        ClearSettingsStore();
        Open(nScale);
        for (unsigned nCode : look.aCodes)
            panel->TapCode(nCode);
        TapPoint pt = KeyCentre({look.nPad, look.nHeldKey}, nScale);
        SendMessageW(panel->hwndPad, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        EXPECT_EQ(look.nHeldKey, g_PadState.nPressedKey) << look.pszName;
        return Window();
    }
};

TEST_F(ScalingTest, EveryPixelOutsideTheDisplayIsTheArtworkEnlarged)
{
    const Look aLooks[] = {
        {"INV, 7 held", {CMD_INV}, PAD_SCIENTIFIC, FindCharKey(PAD_SCIENTIFIC, '7')},
        {"INV and HYP, sin held",
         {CMD_INV, CMD_HYP},
         PAD_SCIENTIFIC,
         FindCodeKey(PAD_SCIENTIFIC, CMD_SIN)},
        {"programmer, HEX, A held",
         {CMD_PAD, CMD_HEX},
         PAD_PROGRAMMER,
         FindCharKey(PAD_PROGRAMMER, 'A')},
        {"direct, Page Down held", {CMD_DIRECT}, PAD_SCIENTIFIC, FindDirectRowKey(VKEY_NEXT)},
        {"programmer direct, B held",
         {CMD_PAD, CMD_DIRECT},
         PAD_PROGRAMMER,
         FindCharKey(PAD_PROGRAMMER, 'B')},
    };
    for (const Look& look : aLooks)
    {
        Pixels one = ShowLook(look, 1);
        ASSERT_EQ(PAD_WIDTH, one.nWidth);
        for (int nScale : {2, 3})
        {
            Pixels scaled = ShowLook(look, nScale);
            EXPECT_EQ(nScale, g_PadState.nScale);
            ASSERT_GE(scaled.nWidth, PAD_WIDTH * nScale);
            ASSERT_GE(scaled.nHeight, PAD_HEIGHT * nScale);
            // In direct mode the direct row covers the display, and it is artwork too.
            EXPECT_EQ(0, EnlargementDifferences(one, scaled, nScale, g_PadState.bDirect))
                << look.pszName << " at " << nScale;
        }
    }
}

TEST_F(ScalingTest, TheDisplayTextSitsInsideItsBoxAtEveryScale)
{
    for (const wchar_t* pszText :
         {L"0", L"12", L"-0.1428571428571428", L"-1.79769313486232e+308", L"Error"})
    {
        RECT rcOne = {};
        for (int nScale = 1; nScale <= MAX_PAD_SCALE; ++nScale)
        {
            Reopen(nScale);
            SetDisplayText(panel->hwndPad, g_PadState, pszText, TRUE);
            RECT rc = DarkExtent(Window(), nScale);
            std::ostringstream where;
            where << "\"" << static_cast<char>(pszText[0]) << "...\" of " << lstrlenW(pszText)
                  << " characters at " << nScale;
            // Within the text rectangle, the box's margins white; the top and bottom rows whole,
            // clear of the box's edges, not cut off by them.
            EXPECT_GE(rc.left, (DISPLAY_LEFT + 4) * nScale) << where.str();
            EXPECT_LT(rc.right, (DISPLAY_RIGHT - 4) * nScale) << where.str();
            EXPECT_GE(rc.right, (DISPLAY_RIGHT - 12) * nScale) << where.str(); // right-aligned
            EXPECT_GT(rc.top, DISPLAY_TOP * nScale) << where.str();
            EXPECT_LT(rc.bottom, DISPLAY_BOTTOM * nScale - 1) << where.str();
            if (nScale == 1)
                rcOne = rc;
            // As large as at scale 1, N times over: a font of N times the size.
            EXPECT_GE(rc.bottom - rc.top + 1, (rcOne.bottom - rcOne.top + 1) * nScale * 4 / 5)
                << where.str();
            EXPECT_GE(rc.right - rc.left + 1, (rcOne.right - rcOne.left + 1) * nScale * 4 / 5)
                << where.str();
        }
    }
}

TEST_F(ScalingTest, EveryKeyIsHitInItsEnlargedRectangleToItsEdges)
{
    Reopen(3);
    for (int nPad = 0; nPad < PAD_COUNT; ++nPad)
    {
        g_PadState.nPadType = nPad;
        for (BOOL bDirect : {FALSE, TRUE})
        {
            g_PadState.bDirect = bDirect;
            int nKeys = g_Layout.header.nKeyCount[nPad];
            for (int nKey = 0; nKey < nKeys + DIRECT_ROW_KEYS; ++nKey)
            {
                int nIndex = nKey < nKeys ? nKey : DIRECT_KEY_BASE + nKey - nKeys;
                const KeyDef* pKey = KeyByIndex(nPad, nIndex);
                if (nIndex >= DIRECT_KEY_BASE ? !bDirect : bDirect && !IsActiveInDirectMode(pKey))
                    continue;
                KeyBounds k = KeyRectangle(nIndex, pKey, 1);
                EXPECT_EQ(nIndex, HitTestKey(g_PadState, k.nLeft * 3, k.nTop * 3)) << nIndex;
                EXPECT_EQ(nIndex, HitTestKey(g_PadState, k.nRight * 3 - 1, k.nBottom * 3 - 1))
                    << nIndex;
                EXPECT_NE(nIndex, HitTestKey(g_PadState, k.nRight * 3, k.nBottom * 3)) << nIndex;
            }
        }
    }
    g_PadState.nPadType = PAD_SCIENTIFIC;
    g_PadState.bDirect = FALSE;
}

TEST_F(ScalingTest, TapsAtTheEnlargedKeysComputeAsAtScaleOne)
{
    for (int nScale : {2, 3})
    {
        Reopen(nScale);
        for (const char* pszName : {"1", "2", "+", "3", "4", "=", "Input"})
        {
            PadKeyPlace place = {};
            ASSERT_TRUE(FindPadKey(pszName, &place));
            TapPoint pt = KeyCentre(place, nScale);
            TapPadWindow(panel->hwndPad, pt.x, pt.y);
        }
        EXPECT_EQ(CallLog({"SendString \"46\" 2"}), Calls()) << "at " << nScale;
    }
}

// The host sizes its panel and tells the input method (ReceiveSipInfo), which has the pad fill
// it: the pad takes the largest scale whose whole pad fits, and draws it from the origin, the
// rest in its background.
TEST_F(ScalingTest, ThePadTakesTheLargestScaleThatFitsItsPanel)
{
    panel->TapCode(CMD_INV);
    Pixels one = Window();
    struct Size
    {
        int nWidth;
        int nHeight;
        int nScale;
    } aSizes[] = {{480, 160, 2},  {300, 100, 1}, {1000, 200, 2}, {960, 320, 4},
                  {1000, 600, 4}, {720, 240, 3}, {200, 60, 1},   {240, 80, 1}};
    for (const Size& size : aSizes)
    {
        RECT rc = {0, 0, size.nWidth, size.nHeight};
        AdjustWindowRectEx(&rc, WS_POPUP | WS_BORDER, FALSE, 0);
        // At the screen's origin, where the largest is still whole on the screen.
        SetWindowPos(panel->hwndSip, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(panel->hwndPad, WM_PAD_IMINFO, PAD_IMINFO_RESIZE, 0);
        UpdateWindow(panel->hwndPad);
        EXPECT_EQ(size.nScale, g_PadState.nScale) << size.nWidth << " x " << size.nHeight;
        Pixels scaled = Window();
        if (scaled.nWidth >= PAD_WIDTH * size.nScale && scaled.nHeight >= PAD_HEIGHT * size.nScale)
        {
            EXPECT_EQ(0, EnlargementDifferences(one, scaled, size.nScale, false))
                << size.nWidth << " x " << size.nHeight;
        }
        // The room beyond the pad in the artwork's background.
        int nOther = 0;
        for (int y = 0; y < scaled.nHeight; ++y)
            for (int x = 0; x < scaled.nWidth; ++x)
                if (x >= PAD_WIDTH * size.nScale || y >= PAD_HEIGHT * size.nScale)
                    nOther += scaled.At(x, y) != LIGHT_GRAY;
        EXPECT_EQ(0, nOther) << size.nWidth << " x " << size.nHeight;
    }
    EXPECT_EQ(one.aPixels, Window().aPixels); // back at 240 x 80 as it was
}
