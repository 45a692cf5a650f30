// The keypad holds no GDI or USER object beyond what it held after a warm-up: the counts stay
// exactly flat over taps on every key of both pads, selection cycles of the input method object
// and options dialogs.

#include "base/module.h"
#include "component/class_factory.h"
#include "pad_model/pad_state.h"
#include "resources/resource.h"
#include "tests/pad_window/test_host.h"
#include "tests/reliability/gui_objects.h"

#include <cstdio>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace
{

void ExpectFlat(const char* pszWhat, unsigned long ulCount, const GuiObjects& before,
                const GuiObjects& after)
{
    printf("counts: %lu %s: GDI objects %d -> %d, USER objects %d -> %d\n", ulCount, pszWhat,
           before.nGdi, after.nGdi, before.nUser, after.nUser);
    EXPECT_EQ(before.nGdi, after.nGdi) << pszWhat;
    EXPECT_EQ(before.nUser, after.nUser) << pszWhat;
}

// Which (pad, key index) pairs a run of taps reached.
typedef std::set<std::pair<int, int>> KeysTapped;

// Random keys of the current pad and, in direct mode, of the direct row, those not yet tapped
// first: the pad switches, INV, HYP, the radix keys and the direct mode key come round with the
// rest, so every key of both pads and both modes is reached early.
void TapRandomKeys(TestPanel& panel, std::mt19937& rng, unsigned long ulTaps, KeysTapped& tapped)
{
    for (unsigned long i = 0; i < ulTaps; ++i)
    {
        int nPad = g_PadState.nPadType;
        std::vector<int> anKeys, anUntapped;
        for (int n = 0; n < g_Layout.header.nKeyCount[nPad]; ++n)
            anKeys.push_back(n);
        for (int n = 0; g_PadState.bDirect && n < DIRECT_ROW_KEYS; ++n)
            anKeys.push_back(DIRECT_KEY_BASE + n);
        for (int nKey : anKeys)
            if (tapped.count({nPad, nKey}) == 0)
                anUntapped.push_back(nKey);
        const std::vector<int>& anChoice = anUntapped.empty() ? anKeys : anUntapped;
        int nKey = anChoice[rng() % anChoice.size()];
        tapped.insert({nPad, nKey});
        panel.TapKey(nKey);
        panel.recorder.ClearTranscript();
    }
}

// Created, selected and driven as the host does, then deselected and released.
void SelectionCycle(HWND hwndSip, RecordingCallback* pRecorder)
{
    IClassFactory* pFactory = new ClassFactory;
    IInputMethod* pim = nullptr;
    pFactory->CreateInstance(nullptr, IID_IInputMethod, reinterpret_cast<void**>(&pim));
    pFactory->Release();
    ASSERT_NE(nullptr, pim);
    EXPECT_EQ(S_OK, pim->Select(hwndSip));
    IMINFO imi;
    pim->GetInfo(&imi);
    SIPINFO si = {};
    pim->ReceiveSipInfo(&si);
    pim->RegisterCallback(pRecorder);
    pim->Showing();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    HWND hwndPad = GetDlgItem(hwndSip, PAD_WINDOW_ID);
    int nPad = g_PadState.nPadType;
    for (int nKey :
         {FindCharKey(nPad, '2'), FindCodeKey(nPad, CMD_ADD), FindCodeKey(nPad, CMD_INPUT)})
        TapPadKey(hwndPad, {nPad, nKey});
    pim->Hiding();
    EXPECT_EQ(S_OK, pim->Deselect());
    EXPECT_EQ(0u, pim->Release());
    pRecorder->ClearTranscript();
}

const int g_aOptionBoxes[] = {IDC_EQUELTOINPUT, IDC_INPUTTOCLEAR, IDC_DIRECTINEX, IDC_DIRECTOUTEX};

// Ticks or clears the box of option n and confirms (odd n) or cancels the dialog.
void OptionsDialog(HWND hwndOwner, unsigned long n)
{
    DriveOptionsDialog(hwndOwner, [n](HWND hwndDlg) {
        SendDlgItemMessageW(hwndDlg, g_aOptionBoxes[n % 4], BM_CLICK, 0, 0);
        SendMessageW(hwndDlg, WM_COMMAND, n % 2 != 0 ? IDOK : IDCANCEL, 0);
    });
}

} // namespace

class ObjectCountTest : public KeypadTest
{
};

TEST_F(ObjectCountTest, TapsOnEveryKeyOfBothPads)
{
    unsigned long ulTaps = StressCount("TAPS", 1000);
    std::mt19937 rng(static_cast<unsigned>(StressCount("SEED", 1)));
    KeysTapped warmUp;
    TapRandomKeys(*panel, rng, 200, warmUp);
    GuiObjects before = CountGuiObjects();
    KeysTapped tapped;
    TapRandomKeys(*panel, rng, ulTaps, tapped);
    ExpectFlat("taps", ulTaps, before, CountGuiObjects());
    size_t nAllKeys = g_Layout.header.nKeyCount[PAD_SCIENTIFIC] +
                      g_Layout.header.nKeyCount[PAD_PROGRAMMER] + 2 * DIRECT_ROW_KEYS;
    EXPECT_EQ(nAllKeys, tapped.size()) << "not every key of both pads was tapped";
}

TEST_F(ObjectCountTest, SelectDeselectReleaseCycles)
{
    Close();
    unsigned long ulCycles = StressCount("CYCLES", 20);
    HWND hwndSip = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 240, 242, 82,
                                   nullptr, nullptr, nullptr, nullptr);
    RecordingCallback recorder;
    for (int i = 0; i < 2; ++i)
        SelectionCycle(hwndSip, &recorder);
    GuiObjects before = CountGuiObjects();
    for (unsigned long i = 0; i < ulCycles; ++i)
        SelectionCycle(hwndSip, &recorder);
    ExpectFlat("select/deselect/release cycles", ulCycles, before, CountGuiObjects());
    DestroyWindow(hwndSip);
}

TEST_F(ObjectCountTest, OptionsDialogs)
{
    unsigned long ulDialogs = StressCount("DIALOGS", 10);
    OptionsDialog(panel->hwndSip, 1);
    GuiObjects before = CountGuiObjects();
    for (unsigned long i = 0; i < ulDialogs; ++i)
        OptionsDialog(panel->hwndSip, i);
    ExpectFlat("options dialogs", ulDialogs, before, CountGuiObjects());
}
