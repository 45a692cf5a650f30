// Transcript text: one line per call whatever the characters, and readable.

#include "host/text_escape.h"

#include <gtest/gtest.h>

namespace
{

std::string Escape(const std::wstring& s)
{
    return EscapeText(s.data(), s.size());
}

} // namespace

TEST(TextEscapeTest, ControlCharactersQuotesAndBackslashesAreEscaped)
{
    EXPECT_EQ("a\\r\\nb\\t\\x1b\\b\\x00\\x7f",
              Escape(std::wstring(L"a\r\nb\t\x1b\b") + L'\0' + L"\x7f"));
    EXPECT_EQ("say \\\"5\\\" \\\\ 6", Escape(L"say \"5\" \\ 6"));
    EXPECT_EQ("12.5e-3", Escape(L"12.5e-3"));
}

TEST(TextEscapeTest, OtherCharactersBecomeUtf8)
{
    EXPECT_EQ("\xC3\x97\xEF\xBD\xB5", Escape(L"\x00D7\xFF75")); // ×ｵ
    EXPECT_EQ("\xF0\x9F\x98\x80", Escape(L"\xD83D\xDE00"));     // a surrogate pair
    EXPECT_EQ("\xEF\xBF\xBD"
              "a\xEF\xBF\xBD",
              Escape(L"\xDE00"
                     L"a\xD83D")); // lone halves
}

TEST(TextEscapeTest, Utf8RoundTrip)
{
    std::wstring s = L"Vardeko\x306E\xFF75\xFF8C\xFF9F\xFF7C\xFF6E\xFF9D \xD83D\xDE00";
    EXPECT_EQ(s, FromUtf8(ToUtf8(s.data(), s.size())));
    EXPECT_EQ("a\tb", ToUtf8(L"a\tb", 3)); // no escapes in plain text
}
