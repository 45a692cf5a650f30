// The keypad on a 192 DPI screen, run by panel_dpi_test.sh in a Wine prefix of its own whose
// LogPixels is 192: the floating panel opens at twice its size and follows its menu, the
// simulated handheld stays at 240 x 80, and in both the display text is whole.

#include "host/host_window.h"
#include "host/pad_key_names.h"
#include "host/panel_scale.h"
#include "host/panel_window.h"
#include "host/picture.h"
#include "pad_model/layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

bool IsDark(DWORD uPixel)
{
    return (uPixel >> 16 & 0xFF) + (uPixel >> 8 & 0xFF) + (uPixel & 0xFF) < 3 * 128;
}

// The text's dark pixels lie in the display box at nScale, inside its margins and clear of its
// first and last rows, where a text taller than the box is cut.
void ExpectDisplayTextWhole(HWND hwndPad, int nScale)
{
    UpdateWindow(hwndPad);
    Picture picture = CapturePicture(hwndPad, false);
    ASSERT_GE(picture.nWidth, PAD_WIDTH * nScale);
    ASSERT_GE(picture.nHeight, PAD_HEIGHT * nScale);
    int nLeft = INT_MAX, nTop = INT_MAX, nRight = -1, nBottom = -1;
    for (int y = DISPLAY_TOP * nScale; y < DISPLAY_BOTTOM * nScale; ++y)
        for (int x = DISPLAY_LEFT * nScale; x < DISPLAY_RIGHT * nScale; ++x)
            if (IsDark(picture.aPixels[static_cast<size_t>(y) * picture.nWidth + x]))
            {
                nLeft = std::min(nLeft, x);
                nTop = std::min(nTop, y);
                nRight = std::max(nRight, x);
                nBottom = std::max(nBottom, y);
            }
    ASSERT_GE(nRight, 0) << "no display text at scale " << nScale;
    EXPECT_GE(nLeft, (DISPLAY_LEFT + 4) * nScale);
    EXPECT_LT(nRight, (DISPLAY_RIGHT - 4) * nScale);
    EXPECT_GT(nTop, DISPLAY_TOP * nScale);
    EXPECT_LT(nBottom, DISPLAY_BOTTOM * nScale - 1);
}

void TapKeys(std::initializer_list<const char*> names)
{
    for (const char* pszName : names)
    {
        PadKeyPlace place = {};
        ASSERT_TRUE(FindPadKey(pszName, &place)) << pszName;
        TapPadKey(PadWindow(), place);
        PumpMessages();
    }
}

void OpenFirstMethod()
{
    ASSERT_FALSE(g_Host.aMethods.empty()) << "the keypad is not registered";
    ASSERT_HRESULT_SUCCEEDED(SelectInputMethod(0));
    ASSERT_NE(nullptr, PadWindow());
}

bool Sent(const char* pszLine)
{
    const CallLog& log = g_Host.pCallback->Transcript();
    return std::find(log.begin(), log.end(), pszLine) != log.end();
}

} // namespace

class HighDpiTest : public testing::Test
{
  protected:
    void SetUp() override { ASSERT_EQ(192u, GetDpiForSystem()) << "the prefix's LogPixels"; }
    void TearDown() override
    {
        CloseHost();
        // The host's end asks this thread's message loop to end as well.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ;
    }
};

TEST_F(HighDpiTest, ThePanelOpensAtTwiceItsSizeWithItsDisplayTextWhole)
{
    ASSERT_TRUE(CreatePanelWindow());
    OpenFirstMethod();
    HWND hwndPad = PadWindow();
    RECT rc;
    GetClientRect(hwndPad, &rc);
    EXPECT_EQ(2 * 240 - 2, rc.right); // the pad window has a border
    EXPECT_EQ(2 * 80 - 2, rc.bottom);
    EXPECT_EQ(2, PadWindowScale(hwndPad));
    TapKeys({"1", "2", "+", "3", "4", "="});
    ExpectDisplayTextWhole(hwndPad, 2);

    // The menu's x3: the pad follows its panel, and taps find their keys there.
    SendMessageW(g_Host.hwndMain, WM_COMMAND, IDM_SCALE_AUTOMATIC + 3, 0);
    EXPECT_EQ(3, PadWindowScale(hwndPad));
    ExpectDisplayTextWhole(hwndPad, 3);
    TapKeys({"AC", "1", "2", "+", "3", "4", "=", "Input"});
    EXPECT_TRUE(Sent("SendString \"46\" 2"));
    SendMessageW(g_Host.hwndMain, WM_COMMAND, IDM_SCALE_AUTOMATIC, 0);
    EXPECT_EQ(2, PadWindowScale(hwndPad));
}

TEST_F(HighDpiTest, TheHandheldStaysAtItsSizeWithItsDisplayTextWhole)
{
    ASSERT_TRUE(CreateHostWindow(true));
    OpenFirstMethod();
    HWND hwndPad = PadWindow();
    EXPECT_EQ(1, PadWindowScale(hwndPad));
    TapKeys({"1", "2", "+", "3", "4", "=", "Input"});
    ExpectDisplayTextWhole(hwndPad, 1);
    WCHAR szText[16] = L"";
    GetWindowTextW(g_Host.hwndEdit, szText, 16);
    EXPECT_STREQ(L"46", szText);
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    int nStatus = RUN_ALL_TESTS();
    CoUninitialize();
    return nStatus;
}
