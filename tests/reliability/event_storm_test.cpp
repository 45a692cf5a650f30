// A seeded storm of what a hostile host and a careless user can do to the keypad: pen messages
// inside and far outside the pad, capture loss, repaints, odd panel sizes through ReceiveSipInfo,
// and COM calls in random order with null out-pointers and wrong IIDs. Nothing may crash, every
// call must answer as documented, and afterwards a calculation still sends the right text.

#include "base/module.h"
#include "component/class_factory.h"
#include "engine/command_codes.h"
#include "tests/pad_window/test_host.h"
#include "tests/reliability/gui_objects.h"

#include <cstdio>
#include <cstring>
#include <random>

namespace
{

const IID IID_Unrelated = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
const UINT g_auPenMessages[] = {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK};
const int g_anOddSizes[] = {0, 1, 2, 13, 79, 80, 81, 239, 240, 241, 1000, 32767};

struct Storm
{
    std::mt19937 rng;
    HWND hwndSip;
    HWND hwndOther; // a window of the host that takes the capture
    IInputMethod* pim;
    RecordingCallback recorder;
};

unsigned Pick(Storm& storm, unsigned nCount)
{
    return storm.rng() % nCount;
}

IInputMethod* CreateObject()
{
    IClassFactory* pFactory = new ClassFactory;
    void* pv = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, pFactory->CreateInstance(nullptr, IID_Unrelated, &pv));
    EXPECT_EQ(nullptr, pv);
    EXPECT_EQ(CLASS_E_NOAGGREGATION,
              pFactory->CreateInstance(reinterpret_cast<IUnknown*>(pFactory), IID_IUnknown, &pv));
    EXPECT_EQ(E_POINTER, pFactory->CreateInstance(nullptr, IID_IInputMethod, nullptr));
    pFactory->CreateInstance(nullptr, IID_IInputMethod, &pv);
    pFactory->Release();
    return static_cast<IInputMethod*>(pv);
}

HWND Pad(const Storm& storm)
{
    return GetDlgItem(storm.hwndSip, PAD_WINDOW_ID);
}

// Most points lie in the pad; the rest anywhere a 16-bit coordinate reaches.
void PenEvent(Storm& storm)
{
    HWND hwndPad = Pad(storm);
    int x, y;
    if (Pick(storm, 4) != 0)
    {
        x = static_cast<int>(Pick(storm, 240));
        y = static_cast<int>(Pick(storm, 80));
    }
    else
    {
        x = static_cast<int>(Pick(storm, 65536)) - 32768;
        y = static_cast<int>(Pick(storm, 65536)) - 32768;
    }
    UINT uMsg = g_auPenMessages[Pick(storm, 4)];
    WPARAM wParam = uMsg == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    if (Pick(storm, 8) == 0)
        PostMessageW(hwndPad, uMsg, wParam, MAKELPARAM(x, y));
    else
        SendMessageW(hwndPad, uMsg, wParam, MAKELPARAM(x, y));
}

void CaptureEvent(Storm& storm)
{
    switch (Pick(storm, 4))
    {
    case 0: ReleaseCapture(); break;
    case 1: SetCapture(storm.hwndOther); break;
    case 2: SendMessageW(Pad(storm), WM_CANCELMODE, 0, 0); break;
    case 3: SetCapture(Pad(storm)); break;
    }
}

void RepaintEvent(Storm& storm)
{
    HWND hwnd = Pick(storm, 2) == 0 ? storm.hwndSip : Pad(storm);
    if (Pick(storm, 3) == 0)
        InvalidateRect(hwnd, nullptr, Pick(storm, 2));
    else
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void ResizeEvent(Storm& storm)
{
    int nWidth = g_anOddSizes[Pick(storm, sizeof(g_anOddSizes) / sizeof(int))];
    int nHeight = g_anOddSizes[Pick(storm, sizeof(g_anOddSizes) / sizeof(int))];
    SetWindowPos(storm.hwndSip, nullptr, 0, 0, nWidth, nHeight, SWP_NOMOVE | SWP_NOZORDER);
    if (storm.pim == nullptr)
        return;
    SIPINFO si;
    memset(&si, static_cast<int>(Pick(storm, 256)), sizeof(si));
    EXPECT_EQ(S_OK, storm.pim->ReceiveSipInfo(Pick(storm, 2) == 0 ? &si : nullptr));
}

void ComEvent(Storm& storm)
{
    if (storm.pim == nullptr)
    {
        storm.pim = CreateObject();
        return;
    }
    IInputMethod* pim = storm.pim;
    void* pv = reinterpret_cast<void*>(1);
    IMINFO imi;
    switch (Pick(storm, 11))
    {
    case 0:
        EXPECT_EQ(E_NOINTERFACE, pim->QueryInterface(IID_Unrelated, &pv));
        EXPECT_EQ(nullptr, pv);
        break;
    case 1: EXPECT_EQ(E_POINTER, pim->QueryInterface(IID_IInputMethod, nullptr)); break;
    case 2:
        EXPECT_EQ(S_OK, pim->QueryInterface(IID_IUnknown, &pv));
        static_cast<IUnknown*>(pv)->Release();
        break;
    case 3:
        EXPECT_EQ(E_POINTER, pim->GetInfo(nullptr));
        EXPECT_EQ(S_OK, pim->GetInfo(&imi));
        break;
    case 4: pim->Select(storm.hwndSip); break; // E_FAIL while selected
    case 5: EXPECT_EQ(S_OK, pim->Deselect()); break;
    case 6:
        EXPECT_EQ(S_OK, pim->RegisterCallback(Pick(storm, 3) != 0 ? &storm.recorder : nullptr));
        break;
    case 7:
        EXPECT_EQ(S_OK, pim->Showing());
        EXPECT_EQ(S_OK, pim->Hiding());
        break;
    case 8:
        EXPECT_EQ(E_FAIL, pim->GetImData(Pick(storm, 64), nullptr));
        EXPECT_EQ(S_OK, pim->SetImData(Pick(storm, 64), nullptr));
        break;
    case 9: {
        // Another object, selected if it can be and released without a Deselect.
        IInputMethod* pOther = CreateObject();
        pOther->Select(storm.hwndSip);
        EXPECT_EQ(0u, pOther->Release());
        break;
    }
    case 10:
        // The last Release, selected or not, without a Deselect.
        EXPECT_EQ(0u, pim->Release());
        storm.pim = nullptr;
        break;
    }
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

void RunEvent(Storm& storm)
{
    unsigned n = Pick(storm, 20);
    if (n < 10)
        PenEvent(storm);
    else if (n < 12)
        CaptureEvent(storm);
    else if (n < 14)
        RepaintEvent(storm);
    else if (n < 15)
        ResizeEvent(storm);
    else if (n < 19)
        ComEvent(storm);
    else
        PumpMessages();
    if (storm.recorder.Transcript().size() > 1000)
        storm.recorder.ClearTranscript();
}

void Tap(HWND hwndPad, int nKey)
{
    TapPadKey(hwndPad, {PAD_SCIENTIFIC, nKey});
}

} // namespace

TEST(EventStormTest, KeypadStillCalculatesAfterARandomStorm)
{
    ClearSettingsStore();
    unsigned long ulEvents = StressCount("EVENTS", 10000);
    unsigned long ulSeed = StressCount("SEED", 1);
    Storm storm;
    storm.rng.seed(static_cast<unsigned>(ulSeed));
    storm.hwndSip = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 240, 240, 80,
                                    nullptr, nullptr, nullptr, nullptr);
    storm.hwndOther = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                      nullptr, nullptr, nullptr, nullptr);
    storm.pim = CreateObject();
    for (unsigned long i = 0; i < ulEvents && !testing::Test::HasFatalFailure(); ++i)
        RunEvent(storm);
    printf("counts: %lu storm events, seed %lu\n", ulEvents, ulSeed);

    // A first run's pad, whatever the storm stored, in a panel of the usual size.
    if (storm.pim == nullptr)
        storm.pim = CreateObject();
    ASSERT_NE(nullptr, storm.pim);
    EXPECT_EQ(S_OK, storm.pim->Deselect());
    ReleaseCapture();
    PumpMessages();
    ClearSettingsStore();
    SetWindowPos(storm.hwndSip, nullptr, 0, 0, 240, 80, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(S_OK, storm.pim->Select(storm.hwndSip));
    SIPINFO si = {};
    EXPECT_EQ(S_OK, storm.pim->ReceiveSipInfo(&si));
    EXPECT_EQ(S_OK, storm.pim->RegisterCallback(&storm.recorder));
    PumpMessages();
    storm.recorder.ClearTranscript();
    HWND hwndPad = Pad(storm);
    Tap(hwndPad, FindCodeKey(PAD_SCIENTIFIC, CMD_AC));
    for (char ch : {'1', '2'})
        Tap(hwndPad, FindCharKey(PAD_SCIENTIFIC, ch));
    Tap(hwndPad, FindCodeKey(PAD_SCIENTIFIC, CMD_ADD));
    Tap(hwndPad, FindCharKey(PAD_SCIENTIFIC, '3'));
    Tap(hwndPad, FindCodeKey(PAD_SCIENTIFIC, CMD_EQUAL));
    Tap(hwndPad, FindCodeKey(PAD_SCIENTIFIC, CMD_INPUT));
    EXPECT_EQ(CallLog({"SendString \"15\" 2"}), storm.recorder.Transcript());

    EXPECT_EQ(S_OK, storm.pim->Deselect());
    EXPECT_EQ(0u, storm.pim->Release());
    DestroyWindow(storm.hwndOther);
    DestroyWindow(storm.hwndSip);
}
