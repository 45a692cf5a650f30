// The pad window's contract as a sequence of window messages: what a tap sends to it and what
// it makes the window manager send back, in order.

#include "engine/command_codes.h"
#include "pad_model/pad_state.h"
#include "tests/pad_window/message_recorder.h"
#include "tests/pad_window/test_host.h"

namespace
{

const RECT NO_RECT = {};

ExpectedMessage Pen(UINT uMsg, TapPoint pt)
{
    return {uMsg, MSG_SENT | MSG_WPARAM | MSG_LPARAM,
            static_cast<WPARAM>(uMsg == WM_LBUTTONUP ? 0 : MK_LBUTTON), MAKELPARAM(pt.x, pt.y),
            NO_RECT};
}

// Pen up ends the capture that pen down took.
const ExpectedMessage CAPTURE_RELEASED = {WM_CAPTURECHANGED, MSG_SENT | MSG_LPARAM, 0, 0, NO_RECT};

// The repaint at once, inside the pen up: UpdateWindow sends WM_PAINT, and BeginPaint sends
// WM_ERASEBKGND only when the invalidation asked for it.
ExpectedMessage Paint(const RECT& rcUpdate)
{
    return {WM_PAINT, MSG_SENT | MSG_UPDATE, 0, 0, rcUpdate};
}
const ExpectedMessage FRAME = {WM_NCPAINT, MSG_SENT | MSG_OPTIONAL, 0, 0, NO_RECT};
const ExpectedMessage ERASE = {WM_ERASEBKGND, MSG_SENT, 0, 0, NO_RECT};

} // namespace

class MessageSequenceTest : public KeypadTest
{
  protected:
    void SetUp() override
    {
        KeypadTest::SetUp();
        recorder.reset(new MessageRecorder);
        recorder->Watch(panel->hwndPad, 0);
    }
    void TearDown() override
    {
        recorder.reset();
        KeypadTest::TearDown();
    }

    // A tap on key nKey, with nothing pumped in between: what it repaints, it repaints at once.
    TapPoint TapKey(int nKey)
    {
        TapPoint pt = KeyCentre({g_PadState.nPadType, nKey}, 1);
        panel->Tap(pt.x, pt.y);
        return pt;
    }
    RECT ClientRect() const
    {
        RECT rc;
        GetClientRect(panel->hwndPad, &rc);
        return rc;
    }

    std::unique_ptr<MessageRecorder> recorder;
};

TEST_F(MessageSequenceTest, DigitTapRepaintsTheDisplayWithItsBackground)
{
    TapPoint pt = TapKey(FindCharKey(PAD_SCIENTIFIC, '7'));
    ExpectSequence(*recorder,
                   {Pen(WM_LBUTTONDOWN, pt), Pen(WM_LBUTTONUP, pt), CAPTURE_RELEASED,
                    Paint(g_PadState.rcDisplay), FRAME, ERASE},
                   "digit tap");
    recorder->Pump(); // nothing is left in the queue for later
    ExpectSequence(*recorder,
                   {Pen(WM_LBUTTONDOWN, pt), Pen(WM_LBUTTONUP, pt), CAPTURE_RELEASED,
                    Paint(g_PadState.rcDisplay), FRAME, ERASE},
                   "digit tap, queue emptied");
    EXPECT_EQ("7", panel->Display());
}

TEST_F(MessageSequenceTest, InvTapRepaintsThePadWithoutErasing)
{
    TapPoint pt = TapKey(FindCodeKey(PAD_SCIENTIFIC, CMD_INV));
    recorder->Pump();
    ExpectSequence(*recorder,
                   {Pen(WM_LBUTTONDOWN, pt), Pen(WM_LBUTTONUP, pt), CAPTURE_RELEASED,
                    Paint(ClientRect()), FRAME},
                   "INV tap");
    EXPECT_TRUE(g_PadState.bInv);
}

TEST_F(MessageSequenceTest, PressSlidOffTheKeyEndsTheCaptureWithoutARepaint)
{
    TapPoint pt = KeyCentre({PAD_SCIENTIFIC, FindCharKey(PAD_SCIENTIFIC, '7')}, 1);
    TapPoint ptOff = KeyCentre({PAD_SCIENTIFIC, FindCharKey(PAD_SCIENTIFIC, '8')}, 1);
    SendMessageW(panel->hwndPad, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    SendMessageW(panel->hwndPad, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptOff.x, ptOff.y));
    SendMessageW(panel->hwndPad, WM_LBUTTONUP, 0, MAKELPARAM(ptOff.x, ptOff.y));
    recorder->Pump();
    ExpectSequence(*recorder,
                   {Pen(WM_LBUTTONDOWN, pt), Pen(WM_MOUSEMOVE, ptOff), Pen(WM_LBUTTONUP, ptOff),
                    CAPTURE_RELEASED},
                   "cancelled press");
    EXPECT_EQ("0", panel->Display());
}
