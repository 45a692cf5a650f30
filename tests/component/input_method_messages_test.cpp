// What the host's calls on the input method object send to the pad window and its parent, as
// message sequences: which calls send, which post, and which leave the window alone.

#include "base/module.h"
#include "component/input_method.h"
#include "pad_window/pad_window.h"
#include "tests/pad_window/message_recorder.h"
#include "tests/pad_window/test_host.h"

#include <memory>

namespace
{

const RECT NO_RECT = {};

ExpectedMessage PadImInfo(unsigned uFlags, WPARAM wParam, const void* pv)
{
    return {WM_PAD_IMINFO, uFlags | MSG_WPARAM | MSG_LPARAM, wParam, reinterpret_cast<LPARAM>(pv),
            NO_RECT};
}

} // namespace

class InputMethodMessagesTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        ClearSettingsStore();
        RECT rc = {0, 0, 240, 80};
        AdjustWindowRectEx(&rc, WS_POPUP | WS_BORDER, FALSE, 0);
        hwndSip = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_BORDER | WS_VISIBLE, 50, 50,
                                  rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr, nullptr,
                                  nullptr);
        pim = new InputMethod;
        ASSERT_EQ(S_OK, pim->Select(hwndSip));
        hwndPad = GetDlgItem(hwndSip, PAD_WINDOW_ID);
        recorder.reset(new MessageRecorder);
        recorder->Pump(); // the first paint of both windows
        recorder->Watch(hwndSip, MSG_PARENT, {WM_PARENTNOTIFY});
        recorder->Watch(hwndPad, 0);
    }
    void TearDown() override
    {
        recorder.reset();
        pim->Deselect();
        pim->Release();
        DestroyWindow(hwndSip);
    }

    HWND hwndSip = nullptr;
    HWND hwndPad = nullptr;
    IInputMethod* pim = nullptr;
    std::unique_ptr<MessageRecorder> recorder;
};

TEST_F(InputMethodMessagesTest, RegisterCallbackPostsThePointer)
{
    RecordingCallback callback;
    EXPECT_EQ(S_OK, pim->RegisterCallback(&callback));
    ExpectSequence(*recorder, {}, "RegisterCallback, before the queue is read");
    recorder->Pump();
    ExpectSequence(*recorder, {PadImInfo(MSG_POSTED, PAD_IMINFO_CALLBACK, &callback)},
                   "RegisterCallback");
}

TEST_F(InputMethodMessagesTest, ReceiveSipInfoSizesThePadToItsParentAtOnce)
{
    SetWindowPos(hwndSip, nullptr, 0, 0, 300, 120, SWP_NOMOVE | SWP_NOZORDER);
    recorder->Pump();
    recorder->Clear();
    RECT rcSip;
    GetClientRect(hwndSip, &rcSip);
    SIPINFO si = {};
    EXPECT_EQ(S_OK, pim->ReceiveSipInfo(&si));
    recorder->Pump();
    // The pad's client area is its window less the border.
    RECT rcClient = {0, 0, rcSip.right - 2, rcSip.bottom - 2};
    ExpectSequence(*recorder,
                   {PadImInfo(MSG_SENT, PAD_IMINFO_RESIZE, &si),
                    {WM_WINDOWPOSCHANGING, MSG_SENT, 0, 0, NO_RECT},
                    {WM_NCCALCSIZE, MSG_SENT | MSG_OPTIONAL, 0, 0, NO_RECT},
                    {WM_WINDOWPOSCHANGED, MSG_SENT, 0, 0, NO_RECT},
                    {WM_MOVE, MSG_SENT | MSG_OPTIONAL, 0, 0, NO_RECT},
                    {WM_SIZE, MSG_SENT | MSG_WPARAM | MSG_LPARAM, SIZE_RESTORED,
                     MAKELPARAM(rcClient.right, rcClient.bottom), NO_RECT},
                    {WM_NCPAINT, MSG_SENT | MSG_OPTIONAL, 0, 0, NO_RECT},
                    {WM_PAINT, MSG_POSTED | MSG_UPDATE, 0, 0, rcClient},
                    {WM_NCPAINT, MSG_SENT | MSG_OPTIONAL, 0, 0, NO_RECT},
                    {WM_ERASEBKGND, MSG_SENT, 0, 0, NO_RECT}},
                   "ReceiveSipInfo");
}

TEST_F(InputMethodMessagesTest, ShowingAndHidingLeaveTheWindowsAlone)
{
    EXPECT_EQ(S_OK, pim->Showing());
    EXPECT_EQ(S_OK, pim->Hiding());
    recorder->Pump();
    ExpectSequence(*recorder, {}, "Showing and Hiding");
}

TEST_F(InputMethodMessagesTest, DeselectDestroysThePadAndTellsItsParent)
{
    EXPECT_EQ(S_OK, pim->Deselect());
    recorder->Pump();
    ExpectSequence(
        *recorder,
        {{WM_PARENTNOTIFY, MSG_SENT | MSG_PARENT | MSG_WPARAM | MSG_LPARAM,
          MAKEWPARAM(WM_DESTROY, PAD_WINDOW_ID), reinterpret_cast<LPARAM>(hwndPad), NO_RECT},
         {WM_SHOWWINDOW, MSG_SENT | MSG_WPARAM | MSG_OPTIONAL, FALSE, 0, NO_RECT},
         {WM_WINDOWPOSCHANGING, MSG_SENT | MSG_OPTIONAL, 0, 0, NO_RECT},
         {WM_WINDOWPOSCHANGED, MSG_SENT | MSG_OPTIONAL, 0, 0, NO_RECT},
         {WM_DESTROY, MSG_SENT, 0, 0, NO_RECT},
         {WM_NCDESTROY, MSG_SENT, 0, 0, NO_RECT}},
        "Deselect");
    EXPECT_FALSE(IsWindow(hwndPad));
}
