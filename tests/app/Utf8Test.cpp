#include <gtest/gtest.h>

#include "app/Utf8.h"

using namespace vantrel;

TEST(Utf8, DecodesEveryEncodingLength)
{
    EXPECT_EQ(decodeUtf8("A"), U"A");
    EXPECT_EQ(decodeUtf8("\xC3\xA9"), U"\u00E9");
    EXPECT_EQ(decodeUtf8("終了(&X)"), U"終了(&X)");
    EXPECT_EQ(decodeUtf8("\xF0\x9F\x98\x80"), U"\U0001F600");
    EXPECT_EQ(decodeUtf8("ＭＳ Ｐゴシック"), U"ＭＳ Ｐゴシック");
}

TEST(Utf8, ReplacesDamagedSequencesAndResumes)
{
    // stray continuation, overlong '/', surrogate, beyond U+10FFFF, invalid lead byte
    EXPECT_EQ(decodeUtf8("\x80" "a"), U"\uFFFD" U"a");
    EXPECT_EQ(decodeUtf8("\xC0\xAF" "b"), U"\uFFFD\uFFFD" U"b");
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(decodeUtf8("\xF4\x90\x80\x80"), U"\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(decodeUtf8("\xFF" "c"), U"\uFFFD" U"c");
    // a lead byte whose continuation is missing or is no continuation
    EXPECT_EQ(decodeUtf8("\xE3\x81"), U"\uFFFD\uFFFD");
    EXPECT_EQ(decodeUtf8("\xE3" "ab"), U"\uFFFD" U"ab");
    EXPECT_EQ(decodeUtf8(""), U"");
}
