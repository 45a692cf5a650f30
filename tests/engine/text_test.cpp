#include "engine/text.h"

#include <gtest/gtest.h>

TEST(Text, CopyTruncatesAndAlwaysTerminates)
{
    WideChar sz[4] = {'x', 'x', 'x', 'x'};
    TextCopy(sz, 4, WIDE("123456"));
    EXPECT_TRUE(TextEquals(sz, WIDE("123")));
    TextCopy(sz, 1, WIDE("9"));
    EXPECT_EQ(0, sz[0]);
}

TEST(Text, AppendRefusesWhatDoesNotFitWhole)
{
    WideChar sz[5] = WIDE("12");
    EXPECT_EQ(1, TextAppend(sz, 5, WIDE("e+")));
    EXPECT_TRUE(TextEquals(sz, WIDE("12e+")));
    EXPECT_EQ(0, TextAppend(sz, 5, WIDE("e")));
    EXPECT_TRUE(TextEquals(sz, WIDE("12e+")));
}

TEST(Text, FindAndCompare)
{
    EXPECT_EQ(1, TextFind(WIDE("1e+5"), 'e'));
    EXPECT_EQ(-1, TextFind(WIDE("15"), 'e'));
    EXPECT_FALSE(TextEquals(WIDE("12"), WIDE("123")));
    EXPECT_FALSE(TextEquals(WIDE("123"), WIDE("12")));
    WideChar sz[8];
    TextFromAscii(sz, 8, "Error");
    EXPECT_TRUE(TextEquals(sz, WIDE("Error")));
}
