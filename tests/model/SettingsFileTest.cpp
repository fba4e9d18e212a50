#include "SettingsFile.h"
#include "DesignSettings.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

using namespace morvane;

namespace {

// A file after one key was set, as a panel's save leaves it.
std::string Set(const std::string& bytes, const std::string& key, const std::string& value)
{
    return DesignSettings::WithValues(DesignSettings::FromBytes(bytes), {{key, value}})->Bytes();
}

std::string Value(const std::string& bytes, const std::string& key)
{
    return SettingsFile::FromBytes(bytes).Value(key);
}

} // namespace

TEST(SettingsFile, KeysOfOneFileAreReplacedOthersKept)
{
    std::string file = DesignSettings::Written({{"宽度", "790"}})->Bytes();
    file = Set(file, "高度", "400");
    file = Set(file, "宽度", "800"); // replaces, keeps 高度
    EXPECT_EQ(Value(file, "宽度"), "800");
    EXPECT_EQ(Value(file, "高度"), "400");
    EXPECT_EQ(Value(file, "深度"), "");
    // An element without settings reads every key as empty.
    DesignSettings settings;
    settings.Set(Kind::Carousel, 12, DesignSettings::FromBytes(file));
    EXPECT_TRUE(settings.Holds(Kind::Carousel, 12));
    EXPECT_FALSE(settings.Holds(Kind::Text, 12));
    EXPECT_EQ(settings.Of(Kind::Carousel, 12)->Value("宽度"), "800");
    EXPECT_EQ(settings.Of(Kind::Countdown, 3)->Value("宽度"), "");
}

TEST(SettingsFile, TheFormatIsAGbkSectionWithKeyValueLines)
{
    // "[配置]" and "内容=你好" in GBK
    EXPECT_EQ(DesignSettings::Written({{"内容", "你好"}})->Bytes(),
              "[\xC5\xE4\xD6\xC3]\r\n\xC4\xDA\xC8\xDD=\xC4\xE3\xBA\xC3\r\n");
}

TEST(SettingsFile, ReaderTrimsBlanksAndStripsOneQuotePairOfForeignFiles)
{
    const std::string hand = TextCodec::Utf8ToGb18030(
        "; comment\r\n[other]\r\na=wrong\r\n[配置]\r\n a = padded  \r\nb=\"quoted\"\r\nc=\"\r\nd=x=y\nA=second\r\n");
    EXPECT_EQ(Value(hand, "a"), "padded");
    EXPECT_EQ(Value(hand, "b"), "quoted");
    EXPECT_EQ(Value(hand, "c"), "\"");
    EXPECT_EQ(Value(hand, "d"), "x=y");
    const std::string written = Set(hand, "b", "new");
    EXPECT_EQ(Value(written, "b"), "new");
    EXPECT_EQ(Value(written, "a"), "padded");
    EXPECT_TRUE(written.find("a=wrong") != std::string::npos);
}

// Escapes are this program's own way of writing line breaks; a value quoted
// by hand keeps its backslashes.
TEST(SettingsFile, QuotedValuesWrittenByHandKeepTheirBackslashes)
{
    const std::string hand = Set(TextCodec::Utf8ToGb18030("[配置]\r\n"
                                                          "path=\"C:\\new\\table\"\r\n"
                                                          "share= \"\\\\server\\share\\\\\" \r\n"
                                                          "odd=\"\\\"\r\n"),
                                 "own", "C:\\new\r\nsecond line");
    EXPECT_EQ(Value(hand, "path"), "C:\\new\\table");
    EXPECT_EQ(Value(hand, "share"), "\\\\server\\share\\\\");
    EXPECT_EQ(Value(hand, "odd"), "\\");
    EXPECT_EQ(Value(hand, "own"), "C:\\new\r\nsecond line");
}

TEST(SettingsFile, EveryValueAPanelCanProduceReadsBackExactly)
{
    const std::string megabyte(1 << 20, 'x');
    const std::vector<std::string> values = {
        "",
        "  blanks at both ends\t",
        "\"quoted\"",
        "\"",
        "a\"b\"",
        "key=value;more",
        "[配置]",
        "[x]",
        "line\r\nbreak\nand\rmore",
        "back\\slash\\n",
        "\\",
        "\"\\r\"",
        "emoji 😀 € ü ｘ",
        "\uE78D\uE816\uE864 private use",
        "  ",
        std::string(20000, 'y'),
        megabyte,
    };
    std::vector<std::pair<std::string, std::string>> keys;
    for (size_t i = 0; i < values.size(); ++i)
        keys.emplace_back("k" + std::to_string(i), values[i]);
    const SettingsFile file = SettingsFile::FromBytes(DesignSettings::Written(keys)->Bytes());
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(file.Value("k" + std::to_string(i)), values[i]) << "value " << i;
}

TEST(SettingsFile, GarbageReadsAsEmptyAndCanBeWrittenOver)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    EXPECT_EQ(Value(garbage, "宽度"), "");
    EXPECT_EQ(Value(Set(garbage, "宽度", "5"), "宽度"), "5");
}

// Bytes that are no GB18030 never come back as U+FFFD once any key was
// written, and a megabyte of them does not grow.
TEST(SettingsFile, LinesTheWriteDoesNotSetKeepTheirBytes)
{
    std::string megabyte;
    for (int i = 0; i < (1 << 19); ++i)
        megabyte += "\x80\xFF";
    const std::string section = TextCodec::Utf8ToGb18030("[配置]\r\n");
    const std::string before = section + "a=\xFF\x80 x\n";
    const std::string after = "\x81\r\n" + megabyte + "\n[other]\nb=\xC4\xE3\xFE";

    const std::string written = Set(before + "k=old\r\n" + after, "k", "new");
    EXPECT_EQ(written, before + "k=new\r\n" + after);
    // A new key goes after the last line of its section.
    const std::string otherSection = "[other]\nb=\xC4\xE3\xFE";
    const std::string expected = before + "k=new\r\n\x81\r\n" + megabyte + "\nn=1\r\n" + otherSection;
    EXPECT_EQ(Set(written, "n", "1"), expected);
    EXPECT_EQ(Value(expected, "k"), "new");

    // A file without the section, its last line without a line end.
    EXPECT_EQ(Set(otherSection, "k", "v"), otherSection + "\r\n" + section + "k=v\r\n");
    // Its last line may end in the CR of a line end alone.
    const std::string bare = Set(section + "a= x\r", "k", "v");
    EXPECT_EQ(bare, section + "a= x\r\nk=v\r\n");
    EXPECT_EQ(Value(bare, "a"), "x");
}
