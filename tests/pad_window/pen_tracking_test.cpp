// Pen down, move and up as window messages: which key is pressed, highlighted and acted on.

#include "pad_model/pad_state.h"
#include "pad_window/pad_window.h"
#include "tests/pad_window/test_host.h"

namespace
{

const int SCI_DEL = FindCodeKey(PAD_SCIENTIFIC, CMD_DEL);
const int SCI_AC = FindCodeKey(PAD_SCIENTIFIC, CMD_AC);
const int SCI_SEVEN = FindCharKey(PAD_SCIENTIFIC, '7');
const int SCI_EIGHT = FindCharKey(PAD_SCIENTIFIC, '8');
const int SCI_TOGGLE = FindCodeKey(PAD_SCIENTIFIC, CMD_DIRECT);

// Each way the pen capture can go while a key is held: the pen up then goes elsewhere or nowhere.
struct CaptureLoss
{
    const char* pszName;
    void (*pfnLose)(HWND hwndPad, HWND hwndOther);
};

const CaptureLoss g_aCaptureLosses[] = {
    {"ReleaseCapture", [](HWND, HWND) { ReleaseCapture(); }},
    {"another window takes the capture", [](HWND, HWND hwndOther) { SetCapture(hwndOther); }},
    {"WM_CANCELMODE, as a menu or dialog sends",
     [](HWND hwndPad, HWND) { SendMessageW(hwndPad, WM_CANCELMODE, 0, 0); }},
};

// The pixels of key nKey's rectangle.
std::vector<unsigned> KeyPixels(const Pixels& pixels, int nKey)
{
    KeyBounds bounds = KeyRectangle(nKey, KeyByIndex(g_PadState.nPadType, nKey), 1);
    std::vector<unsigned> aPixels;
    for (int y = bounds.nTop; y < bounds.nBottom; ++y)
        for (int x = bounds.nLeft; x < bounds.nRight; ++x)
            aPixels.push_back(pixels.At(x, y));
    return aPixels;
}

std::vector<unsigned> Inverted(std::vector<unsigned> aPixels)
{
    for (unsigned& u : aPixels)
        u ^= 0xFFFFFFu;
    return aPixels;
}

} // namespace

class PenTrackingTest : public KeypadTest
{
  protected:
    void Send(UINT uMsg, int x, int y)
    {
        SendMessageW(panel->hwndPad, uMsg, uMsg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
    void Send(UINT uMsg, int nKey)
    {
        TapPoint pt = KeyCentre({g_PadState.nPadType, nKey}, 1);
        Send(uMsg, pt.x, pt.y);
    }
};

TEST_F(PenTrackingTest, PressHighlightsAndCapturesReleaseActs)
{
    Pixels before = CaptureClient(panel->hwndPad);
    Send(WM_LBUTTONDOWN, SCI_SEVEN);
    EXPECT_EQ(SCI_SEVEN, g_PadState.nPressedKey);
    EXPECT_EQ(panel->hwndPad, GetCapture());
    TapPoint pt = KeyCentre({PAD_SCIENTIFIC, SCI_SEVEN}, 1);
    EXPECT_EQ(before.At(pt.x, pt.y) ^ 0xFFFFFFu, CaptureClient(panel->hwndPad).At(pt.x, pt.y));
    EXPECT_EQ("0", panel->Display()); // nothing happens before the pen lifts
    Send(WM_LBUTTONUP, SCI_SEVEN);
    EXPECT_EQ(NO_KEY, g_PadState.nPressedKey);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ("7", panel->Display());
}

TEST_F(PenTrackingTest, SlidingOffCancelsForGoodAndLeavesNoHighlight)
{
    Pixels before = CaptureClient(panel->hwndPad);
    Send(WM_LBUTTONDOWN, SCI_SEVEN);
    Send(WM_MOUSEMOVE, SCI_SEVEN); // moving within the key keeps it
    EXPECT_EQ(SCI_SEVEN, g_PadState.nPressedKey);
    Send(WM_MOUSEMOVE, SCI_EIGHT);
    EXPECT_EQ(NO_KEY, g_PadState.nPressedKey);
    Send(WM_MOUSEMOVE, SCI_SEVEN); // coming back does not revive it
    EXPECT_EQ(NO_KEY, g_PadState.nPressedKey);
    EXPECT_EQ(panel->hwndPad, GetCapture()); // the capture stays until the pen lifts
    Send(WM_LBUTTONUP, SCI_SEVEN);
    EXPECT_EQ("0", panel->Display());
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(before.aPixels, CaptureClient(panel->hwndPad).aPixels);
}

TEST_F(PenTrackingTest, MoveLeftOfTheWindowWhileCapturedCancels)
{
    Send(WM_LBUTTONDOWN, SCI_TOGGLE);
    EXPECT_EQ(SCI_TOGGLE, g_PadState.nPressedKey);
    Send(WM_MOUSEMOVE, -3, 10); // arrives as a large unsigned x
    EXPECT_EQ(NO_KEY, g_PadState.nPressedKey);
    Send(WM_LBUTTONUP, -3, 10);
    EXPECT_FALSE(g_PadState.bDirect);
}

TEST_F(PenTrackingTest, SecondPenDownWhilePressedChangesNothing)
{
    Send(WM_LBUTTONDOWN, SCI_SEVEN);
    Send(WM_LBUTTONDOWN, SCI_EIGHT);
    EXPECT_EQ(SCI_SEVEN, g_PadState.nPressedKey);
    Send(WM_LBUTTONUP, SCI_EIGHT); // the pen-up position is not tested again
    EXPECT_EQ("7", panel->Display());
}

TEST_F(PenTrackingTest, DoubleClickActsAsAPenDown)
{
    Send(WM_LBUTTONDOWN, SCI_SEVEN);
    Send(WM_LBUTTONUP, SCI_SEVEN);
    Send(WM_LBUTTONDBLCLK, SCI_SEVEN);
    Send(WM_LBUTTONUP, SCI_SEVEN);
    EXPECT_EQ("77", panel->Display());
}

TEST_F(PenTrackingTest, TapOnNoKeyPressesNothingButStillCaptures)
{
    Send(WM_LBUTTONDOWN, 100, 1);
    EXPECT_EQ(NO_KEY, g_PadState.nPressedKey);
    EXPECT_EQ(panel->hwndPad, GetCapture());
    Send(WM_LBUTTONUP, 100, 1);
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(PenTrackingTest, HitTestTreatsRightAndBottomEdgesAsOutside)
{
    EXPECT_EQ(SCI_AC, HitTestKey(g_PadState, 219, 10));
    EXPECT_EQ(SCI_DEL, HitTestKey(g_PadState, 218, 10));
    EXPECT_EQ(SCI_DEL, HitTestKey(g_PadState, 201, 2));
    EXPECT_EQ(NO_KEY, HitTestKey(g_PadState, 200, 2));
    EXPECT_EQ(NO_KEY, HitTestKey(g_PadState, 237, 10)); // AC ends at 237
    EXPECT_EQ(NO_KEY, HitTestKey(g_PadState, 220, 77)); // = ends at 77
}

TEST_F(PenTrackingTest, DirectModeHitsOnlyActiveKeysAndTheDirectRow)
{
    g_PadState.bDirect = TRUE;
    EXPECT_EQ(SCI_SEVEN, HitTestKey(g_PadState, 150, 30));
    EXPECT_EQ(NO_KEY, HitTestKey(g_PadState, 30, 30)); // sin
    EXPECT_EQ(FindDirectRowKey(VKEY_ESCAPE), HitTestKey(g_PadState, 13, 3));
    EXPECT_EQ(NO_KEY, HitTestKey(g_PadState, 12, 3)); // between the toggle key and the direct row
    EXPECT_EQ(SCI_TOGGLE, HitTestKey(g_PadState, 10, 3));
    EXPECT_EQ(FindDirectRowKey(VKEY_BACK), HitTestKey(g_PadState, 177, 19));
    EXPECT_EQ(NO_KEY, HitTestKey(g_PadState, 178, 19));
    for (int x = 14; x < 178; ++x) // the display is all direct row, whatever DirectInEx says
        EXPECT_GE(HitTestKey(g_PadState, x, 10), DIRECT_KEY_BASE) << x;
    g_PadState.bDisabledTapLeavesDirect = TRUE;
    EXPECT_EQ(SCI_TOGGLE, HitTestKey(g_PadState, 30, 30));
    EXPECT_EQ(SCI_TOGGLE, HitTestKey(g_PadState, 100, 1));
    g_PadState.bDirect = FALSE;
    g_PadState.bDisabledTapLeavesDirect = FALSE;
}

TEST_F(PenTrackingTest, ResizeFillsTheParentAndUnknownSubtypesAreIgnored)
{
    MoveWindow(panel->hwndPad, 5, 7, 50, 20, FALSE);
    SIPINFO si = {};
    EXPECT_EQ(0, SendMessageW(panel->hwndPad, WM_PAD_IMINFO, 7, reinterpret_cast<LPARAM>(&si)));
    EXPECT_EQ(0, SendMessageW(panel->hwndPad, WM_PAD_IMINFO, PAD_IMINFO_RESIZE, 0));
    RECT rcParent, rcPad;
    GetClientRect(panel->hwndSip, &rcParent);
    GetWindowRect(panel->hwndPad, &rcPad);
    MapWindowPoints(HWND_DESKTOP, panel->hwndSip, reinterpret_cast<POINT*>(&rcPad), 2);
    EXPECT_EQ(0, rcPad.left);
    EXPECT_EQ(0, rcPad.top);
    EXPECT_EQ(rcParent.right, rcPad.right);
    EXPECT_EQ(rcParent.bottom, rcPad.bottom);
}

TEST_F(PenTrackingTest, LostCaptureCancelsThePressAndTheNextTapActsOnItsOwnKey)
{
    HWND hwndOther = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                     nullptr, nullptr, nullptr, nullptr);
    Pixels before = CaptureClient(panel->hwndPad);
    for (const CaptureLoss& loss : g_aCaptureLosses)
    {
        SCOPED_TRACE(loss.pszName);
        panel->recorder.ClearTranscript();
        Send(WM_LBUTTONDOWN, FindCharKey(PAD_SCIENTIFIC, '3'));
        loss.pfnLose(panel->hwndPad, hwndOther);
        ReleaseCapture(); // whoever holds it now
        EXPECT_EQ(NO_KEY, g_PadState.nPressedKey);
        EXPECT_EQ(before.aPixels, CaptureClient(panel->hwndPad).aPixels);
        panel->TapChar('5');
        panel->TapCode(CMD_INPUT);
        EXPECT_EQ(CallLog({"SendString \"5\" 1"}), Calls());
        panel->TapCode(CMD_AC);
    }
    DestroyWindow(hwndOther);
}

// A repaint at any moment of a press draws what the press drew, and the release then restores
// the key exactly: on a digit, on the programmer pad's marked radix key (inverted twice while
// pressed) and on a direct row key.
TEST_F(PenTrackingTest, RepaintDuringAPressKeepsTheKeyPressedAndTheReleaseRestoresIt)
{
    struct Case
    {
        const char* pszName;
        void (*pfnSetUp)(TestPanel& panel);
        int nKey;
    };
    const Case aCases[] = {
        {"digit 7", [](TestPanel&) {}, SCI_SEVEN},
        {"marked radix key",
         [](TestPanel& panel) {
             panel.TapCode(CMD_PAD);
             panel.TapCode(CMD_DEC);
         },
         FindCodeKey(PAD_PROGRAMMER, CMD_DEC)},
        {"direct row key", [](TestPanel& panel) { panel.TapCode(CMD_DIRECT); },
         FindDirectRowKey(VKEY_NEXT)},
    };
    for (const Case& c : aCases)
    {
        SCOPED_TRACE(c.pszName);
        c.pfnSetUp(*panel);
        Pixels before = CaptureClient(panel->hwndPad);
        Send(WM_LBUTTONDOWN, c.nKey);
        ASSERT_EQ(c.nKey, g_PadState.nPressedKey);
        Pixels pressed = CaptureClient(panel->hwndPad);
        EXPECT_EQ(Inverted(KeyPixels(before, c.nKey)), KeyPixels(pressed, c.nKey));
        RedrawWindow(panel->hwndPad, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_EQ(pressed.aPixels, CaptureClient(panel->hwndPad).aPixels);
        Send(WM_LBUTTONUP, c.nKey);
        EXPECT_EQ(KeyPixels(before, c.nKey), KeyPixels(CaptureClient(panel->hwndPad), c.nKey));
    }
}
