#pragma once
// A minimal input panel host for the keypad tests: a SIP window with a client area of 240 x 80
// times the pad's scale, the pad window created in it by the pad window's own factory, as Select
// creates it, the host's tap and the host's recorder of every IIMCallback call with its arguments,
// in order. Keys are found by what they do (FindCharKey, FindCodeKey, FindDirectRowKey), never by
// their index.

#include "engine/command_codes.h"
#include "host/pad_key_names.h"
#include "host/picture.h"
#include "host/recording_callback.h"
#include "pad_model/layout.h"
#include "platform/sip.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Removes the component's registry key, so that a test starts from an empty settings store.
void ClearSettingsStore();
void StoreSetting(const wchar_t* pszName, DWORD dwValue);
// The stored DWORD, or -1 when the value is missing.
long StoredSetting(const wchar_t* pszName);

// The SIP window and the pad window in it; the destructor destroys both (saving the pad state).
class TestPanel
{
  public:
    explicit TestPanel(int nScale = 1);
    ~TestPanel();

    // Hands the recorder to the pad as RegisterCallback does, and lets the posted message arrive.
    void RegisterRecorder();
    void PumpMessages();

    // A tap: pen down and up at (x, y) of the pad window's client area.
    void Tap(int x, int y);
    // A tap at the centre of key nKey of the current pad (or of the direct row), at the pad's
    // scale.
    void TapKey(int nKey);
    // Taps the key whose character is ch on the current pad.
    void TapChar(char ch);
    // Taps the first key of the current pad with plain code nCode.
    void TapCode(unsigned nCode);
    // Taps the direct row key of virtual key wVirtualKey.
    void TapDirectRowKey(uint16_t wVirtualKey);
    void TapText(const char* pszKeys); // characters, as TapChar

    std::string Display() const;

    HWND hwndSip = nullptr;
    HWND hwndPad = nullptr;
    RecordingCallback recorder;
};

// Pixels 0xRRGGBB, row by row, as the host's own capture reads them.
struct Pixels : Picture
{
    Pixels() = default;
    Pixels(Picture picture) : Picture(std::move(picture)) {}
    DWORD At(int x, int y) const { return aPixels[static_cast<size_t>(y) * nWidth + x]; }
};
// The pad window's client area.
Pixels CaptureClient(HWND hwnd);
// What draw(hdcMem, hdcWindow, rcClient) paints on a memory bitmap the size of the window's
// client area.
Pixels DrawClientSized(HWND hwnd, const std::function<void(HDC, HDC, const RECT&)>& draw);
// A bitmap resource of the module as 0xRRGGBB pixels.
Pixels LoadBitmapPixels(const wchar_t* pszName);

// Opens the options dialog through an input method object, as the host's menu does, and runs act
// on it from a timer inside its modal loop; act must end the dialog.
void DriveOptionsDialog(HWND hwndOwner, std::function<void(HWND)> act);

// Each test starts from an empty settings store with a fresh pad window whose host has
// registered the recorder.
class KeypadTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        ClearSettingsStore();
        Open();
    }
    void TearDown() override { panel.reset(); }

    void Open(int nScale = 1)
    {
        panel.reset(new TestPanel(nScale));
        panel->RegisterRecorder();
    }
    // Destroys the pad window, which saves the pad state over what the store held.
    void Close() { panel.reset(); }
    // Destroys the pad window and creates a new one.
    void Reopen(int nScale = 1)
    {
        Close();
        Open(nScale);
    }
    const CallLog& Calls() const { return panel->recorder.Transcript(); }

    std::unique_ptr<TestPanel> panel;
};
