// The input method object and its class factory, linked into the test program: the host's calls
// in the host's order, reference counts and the module's object count.

#include "base/module.h"
#include "component/class_factory.h"
#include "component/input_method.h"
#include "pad_model/pad_state.h"
#include "tests/pad_window/test_host.h"

#include <commctrl.h>

namespace
{

const IID IID_Unrelated = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};

// A SIP window of the given client size, as the host owns it.
HWND CreateSipWindow(int nWidth, int nHeight)
{
    RECT rc = {0, 0, nWidth, nHeight};
    AdjustWindowRectEx(&rc, WS_POPUP | WS_BORDER, FALSE, 0);
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_BORDER | WS_VISIBLE, 50, 50,
                           rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr, nullptr,
                           nullptr);
}

IInputMethod* CreateObject()
{
    IClassFactory* pFactory = new ClassFactory;
    void* pv = nullptr;
    EXPECT_EQ(S_OK, pFactory->CreateInstance(nullptr, IID_IInputMethod, &pv));
    pFactory->Release();
    return static_cast<IInputMethod*>(pv);
}

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

HWND PadOf(HWND hwndSip)
{
    return GetDlgItem(hwndSip, PAD_WINDOW_ID);
}

} // namespace

class InputMethodTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        ClearSettingsStore();
        hwndSip = CreateSipWindow(240, 80);
        ASSERT_TRUE(CanUnloadNow()) << "an earlier test left something alive";
        pim = CreateObject();
    }
    void TearDown() override
    {
        if (pim != nullptr)
        {
            pim->Deselect();
            EXPECT_EQ(0u, pim->Release());
        }
        EXPECT_TRUE(CanUnloadNow());
        DestroyWindow(hwndSip);
    }

    HWND hwndSip = nullptr;
    IInputMethod* pim = nullptr;
};

TEST_F(InputMethodTest, QueryInterfaceAnswersForItsTwoInterfacesOnly)
{
    EXPECT_FALSE(CanUnloadNow());
    void* pv = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, pim->QueryInterface(IID_IClassFactory, &pv));
    EXPECT_EQ(nullptr, pv);
    EXPECT_EQ(E_POINTER, pim->QueryInterface(IID_IUnknown, nullptr));
    EXPECT_EQ(S_OK, pim->QueryInterface(IID_IUnknown, &pv));
    EXPECT_EQ(static_cast<void*>(pim), pv);
    EXPECT_EQ(S_OK, pim->QueryInterface(IID_IInputMethod, &pv));
    EXPECT_EQ(static_cast<void*>(pim), pv);
    EXPECT_EQ(4u, pim->AddRef());
    EXPECT_EQ(3u, pim->Release());
    EXPECT_EQ(2u, pim->Release());
    EXPECT_EQ(1u, pim->Release());
}

TEST_F(InputMethodTest, HostSequenceSelectsSizesRegistersAndDeselects)
{
    ASSERT_EQ(S_OK, pim->Select(hwndSip));
    HWND hwndPad = PadOf(hwndSip);
    ASSERT_NE(nullptr, hwndPad);
    EXPECT_EQ(WS_CHILD | WS_VISIBLE | WS_BORDER,
              GetWindowLongW(hwndPad, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_POPUP));
    WCHAR szClass[64];
    GetClassNameW(hwndPad, szClass, 64);
    EXPECT_STREQ(L"VardekoWndClass", szClass);
    WNDCLASSW wc;
    ASSERT_TRUE(GetClassInfoW(g_hInstance, L"VardekoWndClass", &wc));
    EXPECT_EQ(static_cast<UINT>(CS_DBLCLKS), wc.style);
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), wc.hbrBackground);

    IMINFO imi;
    memset(&imi, 0xCC, sizeof(imi));
    EXPECT_EQ(S_OK, pim->GetInfo(&imi));
    EXPECT_EQ(sizeof(IMINFO), imi.cbSize); // 40 on the handheld, held by the 32-bit build
    EXPECT_EQ(SIPF_DOCKED, imi.fdwFlags);
    EXPECT_EQ(0, imi.iNarrow);
    EXPECT_EQ(0, imi.iWide);
    EXPECT_EQ(0, imi.rcSipRect.left);
    EXPECT_EQ(0, imi.rcSipRect.top);
    EXPECT_EQ(200, imi.rcSipRect.right);
    EXPECT_EQ(100, imi.rcSipRect.bottom);
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(static_cast<HIMAGELIST>(imi.hImageNarrow), &cx, &cy));
    EXPECT_EQ(16, cx);
    EXPECT_EQ(1, ImageList_GetImageCount(static_cast<HIMAGELIST>(imi.hImageNarrow)));
    EXPECT_TRUE(ImageList_GetIconSize(static_cast<HIMAGELIST>(imi.hImageWide), &cx, &cy));
    EXPECT_EQ(32, cx);
    EXPECT_EQ(16, cy);

    // The panel grows: ReceiveSipInfo makes the pad fill it again, whatever SIPINFO holds.
    SetWindowPos(hwndSip, nullptr, 0, 0, 300, 120, SWP_NOMOVE | SWP_NOZORDER);
    SIPINFO si;
    memset(&si, 0x5A, sizeof(si));
    EXPECT_EQ(S_OK, pim->ReceiveSipInfo(&si));
    RECT rcSip, rcPad;
    GetClientRect(hwndSip, &rcSip);
    GetWindowRect(hwndPad, &rcPad);
    MapWindowPoints(HWND_DESKTOP, hwndSip, reinterpret_cast<POINT*>(&rcPad), 2);
    EXPECT_EQ(0, rcPad.left);
    EXPECT_EQ(0, rcPad.top);
    EXPECT_EQ(rcSip.right, rcPad.right);
    EXPECT_EQ(rcSip.bottom, rcPad.bottom);

    RecordingCallback recorder;
    EXPECT_EQ(S_OK, pim->RegisterCallback(&recorder));
    Pump(); // the callback arrives by a posted message
    TapPadKey(hwndPad, {PAD_SCIENTIFIC, FindCharKey(PAD_SCIENTIFIC, '2')});
    TapPadKey(hwndPad, {PAD_SCIENTIFIC, FindCodeKey(PAD_SCIENTIFIC, CMD_INPUT)});
    EXPECT_EQ(CallLog({"SendString \"2\" 1"}), recorder.Transcript());
    EXPECT_EQ(1, recorder.RefCount()); // borrowed, never AddRef'd

    EXPECT_EQ(S_OK, pim->Showing());
    EXPECT_EQ(S_OK, pim->Hiding());
    EXPECT_EQ(E_FAIL, pim->GetImData(4, &si));
    EXPECT_EQ(S_OK, pim->SetImData(0, nullptr));

    EXPECT_EQ(S_OK, pim->Deselect());
    EXPECT_FALSE(IsWindow(hwndPad));
    EXPECT_FALSE(GetClassInfoW(g_hInstance, L"VardekoWndClass", &wc));
    EXPECT_EQ(0, StoredSetting(L"PadType")); // the pad state was saved with the window
}

TEST_F(InputMethodTest, SecondSelectWithoutDeselectFailsAndKeepsTheFirst)
{
    ASSERT_EQ(S_OK, pim->Select(hwndSip));
    HWND hwndPad = PadOf(hwndSip);
    EXPECT_EQ(E_FAIL, pim->Select(hwndSip));
    EXPECT_TRUE(IsWindow(hwndPad));
    IMINFO imi = {};
    pim->GetInfo(&imi);
    EXPECT_EQ(1, ImageList_GetImageCount(static_cast<HIMAGELIST>(imi.hImageNarrow)));

    IInputMethod* pOther = CreateObject(); // another object cannot register the class either
    HWND hwndOtherSip = CreateSipWindow(240, 80);
    EXPECT_EQ(E_FAIL, pOther->Select(hwndOtherSip));
    EXPECT_EQ(nullptr, PadOf(hwndOtherSip));
    EXPECT_EQ(S_OK, pOther->Deselect());
    EXPECT_EQ(0u, pOther->Release());
    DestroyWindow(hwndOtherSip);
    EXPECT_TRUE(IsWindow(hwndPad));

    EXPECT_EQ(S_OK, pim->Deselect());
    EXPECT_EQ(S_OK, pim->Select(hwndSip)); // selectable again
    EXPECT_NE(nullptr, PadOf(hwndSip));
}

// The module's resources without the panel's bitmaps: the icons cannot be made, and the
// selection fails whole, leaving nothing that the next Select would trip over.
TEST_F(InputMethodTest, SelectWithoutItsIconsFailsAndLeavesNothingBehind)
{
    HINSTANCE hInstance = g_hInstance;
    g_hInstance = GetModuleHandleW(L"kernel32.dll");
    EXPECT_EQ(E_FAIL, pim->Select(hwndSip));
    g_hInstance = hInstance;
    EXPECT_EQ(nullptr, PadOf(hwndSip));
    IMINFO imi = {};
    EXPECT_EQ(S_OK, pim->GetInfo(&imi));
    EXPECT_EQ(nullptr, imi.hImageNarrow);
    EXPECT_EQ(nullptr, imi.hImageWide);
    WNDCLASSW wc;
    EXPECT_FALSE(GetClassInfoW(g_hInstance, L"VardekoWndClass", &wc));
    EXPECT_EQ(S_OK, pim->Select(hwndSip));
    EXPECT_NE(nullptr, PadOf(hwndSip));
}

TEST_F(InputMethodTest, CallsBeforeSelectDoNoHarm)
{
    RecordingCallback recorder;
    SIPINFO si = {};
    EXPECT_EQ(S_OK, pim->ReceiveSipInfo(&si));
    EXPECT_EQ(S_OK, pim->RegisterCallback(&recorder));
    EXPECT_EQ(S_OK, pim->Deselect());
    Pump();
    EXPECT_EQ(S_OK, pim->Select(hwndSip));
    EXPECT_EQ(E_POINTER, pim->GetInfo(nullptr));
}

TEST_F(InputMethodTest, PadStateSavedOnDeselectIsFoundOnTheNextSelect)
{
    ASSERT_EQ(S_OK, pim->Select(hwndSip));
    TapPadKey(PadOf(hwndSip), {PAD_SCIENTIFIC, FindCodeKey(PAD_SCIENTIFIC, CMD_PAD)});
    pim->Deselect();
    g_PadState.nPadType = PAD_SCIENTIFIC;
    ASSERT_EQ(S_OK, pim->Select(hwndSip));
    EXPECT_EQ(PAD_PROGRAMMER, g_PadState.nPadType);
}

TEST_F(InputMethodTest, LastReleaseOfASelectedObjectDeselectsIt)
{
    ASSERT_EQ(S_OK, pim->Select(hwndSip));
    HWND hwndPad = PadOf(hwndSip);
    IMINFO imi = {};
    pim->GetInfo(&imi);
    EXPECT_EQ(0u, pim->Release());
    pim = nullptr;
    EXPECT_FALSE(IsWindow(hwndPad));
    WNDCLASSW wc;
    EXPECT_FALSE(GetClassInfoW(g_hInstance, L"VardekoWndClass", &wc));
    int cx = 0, cy = 0;
    EXPECT_FALSE(ImageList_GetIconSize(static_cast<HIMAGELIST>(imi.hImageNarrow), &cx, &cy));
    EXPECT_FALSE(ImageList_GetIconSize(static_cast<HIMAGELIST>(imi.hImageWide), &cx, &cy));
}

// The module's code runs in every pad window, whoever created it.
TEST(ModuleTest, APadWindowKeepsTheModuleLoaded)
{
    ClearSettingsStore();
    ASSERT_TRUE(CanUnloadNow());
    {
        TestPanel panel;
        EXPECT_FALSE(CanUnloadNow());
    }
    EXPECT_TRUE(CanUnloadNow());
}

TEST(ClassFactoryTest, CreateInstanceChecksAggregationFirstAndClearsTheOutPointer)
{
    ClassFactory* pFactory = new ClassFactory;
    IUnknown* pOuter = reinterpret_cast<IUnknown*>(pFactory);
    void* pv = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_NOAGGREGATION, pFactory->CreateInstance(pOuter, IID_Unrelated, &pv));
    EXPECT_EQ(nullptr, pv);
    pv = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, pFactory->CreateInstance(nullptr, IID_IClassFactory, &pv));
    EXPECT_EQ(nullptr, pv);
    EXPECT_EQ(E_POINTER, pFactory->CreateInstance(nullptr, IID_IInputMethod, nullptr));

    EXPECT_EQ(E_NOINTERFACE, pFactory->QueryInterface(IID_IInputMethod, &pv));
    EXPECT_EQ(nullptr, pv);
    EXPECT_EQ(S_OK, pFactory->QueryInterface(IID_IClassFactory, &pv));
    EXPECT_EQ(1u, pFactory->Release());
    EXPECT_EQ(0u, pFactory->Release());
    EXPECT_TRUE(CanUnloadNow()); // no object was made, and the factory is gone
}

// What a host holds keeps the module, each on its own: a factory, an object, a server lock.
TEST(ClassFactoryTest, FactoriesObjectsAndLocksEachKeepTheModule)
{
    ASSERT_TRUE(CanUnloadNow());
    ClassFactory* pFactory = new ClassFactory;
    EXPECT_FALSE(CanUnloadNow());
    IUnknown* pObject = nullptr;
    ASSERT_EQ(S_OK,
              pFactory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&pObject)));
    EXPECT_EQ(S_OK, pFactory->LockServer(TRUE));
    EXPECT_EQ(0u, pFactory->Release());
    EXPECT_FALSE(CanUnloadNow());      // the object and the lock
    EXPECT_EQ(0u, pObject->Release()); // the caller held the only reference
    EXPECT_FALSE(CanUnloadNow());      // the lock

    pFactory = new ClassFactory;
    EXPECT_EQ(S_OK, pFactory->LockServer(FALSE));
    EXPECT_FALSE(CanUnloadNow()); // the factory
    EXPECT_EQ(0u, pFactory->Release());
    EXPECT_TRUE(CanUnloadNow());
}
