#include "TextCodec.h"

#include <gtest/gtest.h>

using morvane::TextCodec;

TEST(TextCodec, GbkCharactersAreTheirGbkBytes)
{
    EXPECT_EQ(TextCodec::Utf8ToGb18030("配置"), "\xC5\xE4\xD6\xC3");
    EXPECT_EQ(TextCodec::Gb18030ToUtf8("\xC5\xE4\xD6\xC3"), "配置");
    EXPECT_EQ(TextCodec::Utf8ToGb18030("abc=1\r\n"), "abc=1\r\n");
}

TEST(TextCodec, CharactersOutsideGbkSurviveTheRoundTrip)
{
    const std::string text = "emoji 😀, euro €, ü, 한국어, 中文";
    EXPECT_EQ(TextCodec::Gb18030ToUtf8(TextCodec::Utf8ToGb18030(text)), text);
}

TEST(TextCodec, InvalidBytesAreReplacedAndConversionGoesOn)
{
    // A byte that starts nothing, a valid character, then a truncated pair.
    EXPECT_EQ(TextCodec::Gb18030ToUtf8("\xFF"
                                       "a\xC4\xE3\xC5"),
              "\xEF\xBF\xBD"
              "a你\xEF\xBF\xBD");
    EXPECT_EQ(TextCodec::Utf8ToGb18030("x\xFFy"), "x?y");
    EXPECT_EQ(TextCodec::Gb18030ToUtf8(""), "");
}

TEST(TextCodec, LargeTextsConvertWhole)
{
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "字a";
    EXPECT_EQ(TextCodec::Gb18030ToUtf8(TextCodec::Utf8ToGb18030(text)), text);
}
