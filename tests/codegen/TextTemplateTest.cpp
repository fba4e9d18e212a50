#include "TextTemplate.h"

#include <gtest/gtest.h>

#include <string>

using morvane::TextTemplate;

TEST(SubstitutePlaceholder, ReplacesLeftmostOccurrencesUpToTheLimit)
{
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("a宽度b宽度c宽度", "宽度", "1", 2), "a1b1c宽度");
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("a宽度b宽度", "宽度", "9", 5), "a9b9");
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("abc", "宽度", "9", 5), "abc");
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("x宽度y", "宽度", "", 1), "xy");
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("x宽度y", "宽度", "9", 0), "x宽度y");
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("x宽度y", "", "9", 1), "x宽度y");
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("", "宽度", "9", 1), "");
}

TEST(SubstitutePlaceholder, NeverRescansInsertedValue)
{
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("AB", "A", "AA", 10), "AAB");
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("距左距左", "距左", "距左距左", 2), "距左距左距左距左");
}

TEST(SubstitutePlaceholder, FoldsAsciiLettersOnly)
{
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("key:宝贝ID,", "宝贝id", "42", 1), "key:42,");
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("MORVANE版本", "Morvane版本", "x", 1), "x");
    // Ä (C3 84) and ä (C3 A4) are different characters.
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("Ä", "ä", "x", 1), "Ä");
}

TEST(SubstitutePlaceholder, MatchesOnlyOnCharacterBoundaries)
{
    // "宽" is E5 AE BD; the byte sequence "\xAE\xBD" must not match inside it.
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("宽", "\xAE\xBD", "x", 1), "宽");
    // Invalid bytes pass through unchanged and never stop the scan.
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("\xFF\xE5宽度", "宽度", "1", 1), "\xFF\xE5"
                                                                                   "1");
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder("ab\xE5", "宽度", "1", 1), "ab\xE5");
}

TEST(SubstitutePlaceholder, HandlesLargeInputsLinearly)
{
    std::string big(1 << 20, 'x');
    big += "宽度";
    EXPECT_EQ(TextTemplate::SubstitutePlaceholder(big, "宽度", "7", 1).size(), (1u << 20) + 1);
}

TEST(PercentEncodeUtf8, EncodesEverythingButUnreservedCharacters)
{
    EXPECT_EQ(TextTemplate::PercentEncodeUtf8("中"), "%E4%B8%AD");
    EXPECT_EQ(TextTemplate::PercentEncodeUtf8("a b_c/d"), "a%20b%5Fc%2Fd");
    EXPECT_EQ(TextTemplate::PercentEncodeUtf8("Shop-1.x~"), "Shop-1.x%7E");
    EXPECT_EQ(TextTemplate::PercentEncodeUtf8(""), "");
}

TEST(SubstituteInPlace, AgreesWithSubstitutePlaceholder)
{
    struct Case {
        std::string text, placeholder, value;
        long long max;
    };
    const Case cases[] = {
        {"a宽度b宽度c宽度", "宽度", "1", 2},
        {"距左距左", "距左", "距左距左", 2},
        {"宽", "\xAE\xBD", "x", 1},
        {"\xFF\xE5宽度", "宽度", "1", 1},
        {"key:宝贝ID,", "宝贝id", "42", 1},
        {"x宽度y", "宽度", "", 1},
        {"x宽度y", "宽度", "9", 0},
        {"#链接#链接", "#链接", "#链接", 5},
        {"", "宽度", "9", 1},
        {"MORVANE版本", "Morvane版本", "x", 3},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        TextTemplate::SubstituteInPlace(text, c.placeholder, c.value, c.max);
        EXPECT_EQ(text, TextTemplate::SubstitutePlaceholder(c.text, c.placeholder, c.value, c.max)) << c.text;
    }
}
