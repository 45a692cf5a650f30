// The host's IIMCallback against a real multi-line edit control: what arrives is what keys
// would have typed, and a faulty call gets an error code, a transcript line and no input.

#include "host/host_callback.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

class HostCallbackTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        hwndEdit = CreateWindowExW(0, L"EDIT", L"",
                                   WS_POPUP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 0, 0,
                                   240, 240, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, hwndEdit);
        callback.SetTarget(hwndEdit);
    }
    void TearDown() override { DestroyWindow(hwndEdit); }

    std::wstring Text() const
    {
        WCHAR sz[256];
        int n = GetWindowTextW(hwndEdit, sz, 256);
        return std::wstring(sz, static_cast<size_t>(n));
    }
    HRESULT Type(const wchar_t* psz)
    {
        return callback.SendString(const_cast<BSTR>(psz), static_cast<DWORD>(wcslen(psz)));
    }
    HRESULT CharEvent(UINT uVk, UINT uChar)
    {
        UINT uShift = 0;
        return callback.SendCharEvents(uVk, KeyStateDownFlag, 1, &uShift, &uChar);
    }
    const std::string& LastLine() const { return callback.Transcript().back(); }

    HWND hwndEdit = nullptr;
    HostCallback callback;
};

} // namespace

TEST_F(HostCallbackTest, StringsArriveAsCharactersAndAreRecorded)
{
    EXPECT_EQ(S_OK, Type(L"-12.5"));
    EXPECT_EQ(S_OK, Type(L"*"));
    EXPECT_EQ(L"-12.5*", Text());
    ASSERT_EQ(2u, callback.Transcript().size());
    EXPECT_EQ("SendString \"-12.5\" 5", callback.Transcript()[0]);
    EXPECT_EQ("SendString \"*\" 1", callback.Transcript()[1]);
    // Only the counted characters go.
    EXPECT_EQ(S_OK, callback.SendString(const_cast<BSTR>(L"789"), 2));
    EXPECT_EQ(L"-12.5*78", Text());
}

TEST_F(HostCallbackTest, KeysEditTheTextAsOnAKeyboard)
{
    Type(L"123");
    EXPECT_EQ(S_OK, callback.SendVirtualKey(VK_LEFT, KeyStateDownFlag));
    EXPECT_EQ(S_OK, CharEvent(VK_BACK, 8));
    EXPECT_EQ(L"13", Text());
    EXPECT_EQ(S_OK, callback.SendVirtualKey(VK_DELETE, KeyStateDownFlag));
    EXPECT_EQ(L"1", Text());
    EXPECT_EQ(S_OK, CharEvent(VK_RETURN, 13));
    EXPECT_EQ(S_OK, CharEvent(VK_TAB, 9));
    EXPECT_EQ(L"1\r\n\t", Text());
    EXPECT_EQ(S_OK, callback.SendVirtualKey(VK_UP, KeyStateDownFlag));
    Type(L"0");
    EXPECT_EQ(L"10\r\n\t", Text()); // up from past the tab: the end of the first line
    EXPECT_EQ("SendVirtualKey 38 0x80", callback.Transcript()[callback.Transcript().size() - 2]);
    EXPECT_EQ("SendCharEvents 9 0x80 1 0 9",
              callback.Transcript()[callback.Transcript().size() - 3]);
}

TEST_F(HostCallbackTest, NullStringsAndImpossibleCountsAreRefused)
{
    Type(L"7");
    EXPECT_EQ(E_POINTER, callback.SendString(nullptr, 3));
    EXPECT_EQ("SendString 3 -> E_POINTER", LastLine());
    EXPECT_EQ(E_INVALIDARG, callback.SendString(const_cast<BSTR>(L"12"), 3)); // past the end
    EXPECT_EQ(E_INVALIDARG, callback.SendString(const_cast<BSTR>(L"12"), 0xFFFFFFFF));
    EXPECT_EQ("SendString 4294967295 -> E_INVALIDARG", LastLine());
    std::wstring sLong(MAX_STRING_CHARS + 1, L'1');
    EXPECT_EQ(E_INVALIDARG,
              callback.SendString(const_cast<BSTR>(sLong.c_str()), MAX_STRING_CHARS + 1));
    EXPECT_EQ(L"7", Text());
    EXPECT_EQ(S_OK, callback.SendString(nullptr, 0)); // nothing to send, nothing wrong
    EXPECT_EQ("SendString \"\" 0", LastLine());
}

TEST_F(HostCallbackTest, CharEventsWithoutTheirArraysOrWithBadValuesAreRefused)
{
    UINT uShift = 0;
    UINT uChar = '5';
    EXPECT_EQ(E_POINTER, callback.SendCharEvents(VK_RETURN, 0x80, 1, nullptr, &uChar));
    EXPECT_EQ(E_POINTER, callback.SendCharEvents(VK_RETURN, 0x80, 1, &uShift, nullptr));
    EXPECT_EQ("SendCharEvents 13 0x80 1 -> E_POINTER", LastLine());
    EXPECT_EQ(E_INVALIDARG, callback.SendCharEvents(VK_RETURN, 0x80, 100000, &uShift, &uChar));
    EXPECT_EQ(E_INVALIDARG, callback.SendCharEvents(0x1FF, 0x80, 1, &uShift, &uChar));
    EXPECT_EQ(E_INVALIDARG, callback.SendCharEvents(0, 0x80, 1, &uShift, &uChar));
    uChar = 0x110000;
    EXPECT_EQ(E_INVALIDARG, callback.SendCharEvents('5', 0x80, 1, &uShift, &uChar));
    EXPECT_EQ(E_INVALIDARG, callback.SendVirtualKey(0, 0x80));
    EXPECT_EQ(E_POINTER, callback.SetImInfo(nullptr));
    EXPECT_EQ(L"", Text());
    // A key event with no characters is a key down and up only.
    EXPECT_EQ(S_OK, callback.SendCharEvents(VK_SHIFT, 0x80, 0, nullptr, nullptr));
    EXPECT_EQ(L"", Text());
}

TEST_F(HostCallbackTest, SetImInfoIsAcceptedAndRecorded)
{
    IMINFO imi = {};
    imi.cbSize = sizeof(imi);
    imi.fdwFlags = SIPF_DOCKED;
    EXPECT_EQ(S_OK, callback.SetImInfo(&imi));
    EXPECT_EQ("SetImInfo " + std::to_string(sizeof(imi)) + " 0x2", LastLine());
}

TEST_F(HostCallbackTest, AnswersForItsTwoInterfacesOnly)
{
    void* pv = nullptr;
    EXPECT_EQ(S_OK, callback.QueryInterface(IID_IIMCallback, &pv));
    EXPECT_EQ(static_cast<IIMCallback*>(&callback), pv);
    EXPECT_EQ(S_OK, callback.QueryInterface(IID_IUnknown, &pv));
    EXPECT_EQ(E_NOINTERFACE, callback.QueryInterface(IID_IInputMethod, &pv));
    EXPECT_EQ(nullptr, pv);
    EXPECT_EQ(E_POINTER, callback.QueryInterface(IID_IUnknown, nullptr));
}
