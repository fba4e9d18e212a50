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

// The C library cannot encode these 24 private-use characters and reads their
// GBK codes FE51... as other characters.
TEST(TextCodec, PrivateUseCharactersRoundTripWithTheirOwnBytes)
{
    const std::u32string codes = U"\uE78D\uE78E\uE78F\uE790\uE791\uE792\uE793\uE794\uE795\uE796\uE816\uE817"
                                 U"\uE818\uE81E\uE826\uE82B\uE82C\uE831\uE832\uE83B\uE843\uE854\uE855\uE864";
    ASSERT_EQ(codes.size(), 24u);
    std::string text;
    for (const char32_t code : codes) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    const std::string bytes = TextCodec::Utf8ToGb18030(text);
    EXPECT_EQ(bytes.find('?'), std::string::npos);
    EXPECT_EQ(TextCodec::Gb18030ToUtf8(bytes), text);
    EXPECT_EQ(TextCodec::Utf8ToGb18030("\uE78D"), "\x84\x31\x82\x36");
    EXPECT_EQ(TextCodec::Utf8ToGb18030("\uE816"), "\xFE\x51");
    EXPECT_EQ(TextCodec::Gb18030ToUtf8("a\xFE\x51z"), "a\uE816z");

    // The characters that share codes with them in the library's tables keep
    // theirs, side by side with them and with text around.
    const std::string neighbours = "\uFE10\uE78D\U00020087\uE816\u9FB4\uE81E 你好 \U000241FE\uE855 \xF0\x8E\x9E\x8D.";
    EXPECT_EQ(TextCodec::Gb18030ToUtf8(TextCodec::Utf8ToGb18030(neighbours)),
              "\uFE10\uE78D\U00020087\uE816\u9FB4\uE81E 你好 \U000241FE\uE855 ????.");
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
