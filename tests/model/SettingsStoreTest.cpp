#include "SettingsStore.h"
#include "FileSystem.h"
#include "KindTable.h"
#include "TempDir.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace morvane;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    TempDir dir;
    SettingsStore store{dir.Path()};
    void SetUp() override { store.CreateWorkingDirectory(); }
};

} // namespace

TEST_F(SettingsStoreTest, PathsFollowKindAndNumber)
{
    EXPECT_EQ(store.PathFor(Kind::Carousel, 12), dir.Path() + "/bj/lb12.ini");
    EXPECT_EQ(store.PathFor(Kind::Countdown, 12), dir.Path() + "/bj/djs12.ini");
    EXPECT_EQ(store.PathFor(Kind::Search, 3), dir.Path() + "/bj/ss3.ini");
    EXPECT_EQ(store.PathFor(Kind::Text, 1), dir.Path() + "/bj/wz1.ini");
    EXPECT_EQ(store.PathFor(Kind::Picture, 2), "");
}

TEST_F(SettingsStoreTest, FilesOfDifferentKindsKeepTheirOwnKeys)
{
    const auto lb = store.PathFor(Kind::Carousel, 12);
    const auto djs = store.PathFor(Kind::Countdown, 12);
    SettingsStore::WriteValue(lb, "宽度", "790");
    SettingsStore::WriteValue(djs, "宽度", "300");
    SettingsStore::WriteValue(lb, "高度", "400");
    SettingsStore::WriteValue(lb, "宽度", "800"); // replaces, keeps 高度
    EXPECT_EQ(SettingsStore::ReadValue(lb, "宽度"), "800");
    EXPECT_EQ(SettingsStore::ReadValue(lb, "高度"), "400");
    EXPECT_EQ(SettingsStore::ReadValue(djs, "宽度"), "300");
    EXPECT_EQ(SettingsStore::ReadValue(djs, "高度"), "");
    EXPECT_EQ(SettingsStore::ReadValue(dir.File("bj/none.ini"), "宽度"), "");
}

TEST_F(SettingsStoreTest, OnDiskFormatIsGbkSectionWithKeyValueLines)
{
    const auto path = store.PathFor(Kind::Text, 1);
    SettingsStore::WriteValue(path, "内容", "你好");
    const auto bytes = FileSystem::ReadWholeFile(path);
    ASSERT_TRUE(bytes);
    // "[配置]" and "内容=你好" in GBK
    EXPECT_EQ(*bytes, "[\xC5\xE4\xD6\xC3]\r\n\xC4\xDA\xC8\xDD=\xC4\xE3\xBA\xC3\r\n");
}

TEST_F(SettingsStoreTest, ReaderTrimsBlanksAndStripsOneQuotePairOfForeignFiles)
{
    const auto path = dir.File("bj/hand.ini");
    FileSystem::WriteFileAtomically(
        path,
        TextCodec::Utf8ToGb18030(
            "; comment\r\n[other]\r\na=wrong\r\n[配置]\r\n a = padded  \r\nb=\"quoted\"\r\nc=\"\r\nd=x=y\nA=second\r\n"));
    EXPECT_EQ(SettingsStore::ReadValue(path, "a"), "padded");
    EXPECT_EQ(SettingsStore::ReadValue(path, "b"), "quoted");
    EXPECT_EQ(SettingsStore::ReadValue(path, "c"), "\"");
    EXPECT_EQ(SettingsStore::ReadValue(path, "d"), "x=y");
    SettingsStore::WriteValue(path, "b", "new");
    EXPECT_EQ(SettingsStore::ReadValue(path, "b"), "new");
    EXPECT_EQ(SettingsStore::ReadValue(path, "a"), "padded");
    EXPECT_TRUE(FileSystem::ReadWholeFile(path)->find("a=wrong") != std::string::npos);
}

// Escapes are this program's own way of writing line breaks; a value quoted
// by hand used to come back with "\n" and "\t" turned into control characters.
TEST_F(SettingsStoreTest, QuotedValuesWrittenByHandKeepTheirBackslashes)
{
    const auto path = dir.File("bj/hand.ini");
    FileSystem::WriteFileAtomically(path, TextCodec::Utf8ToGb18030("[配置]\r\n"
                                                                   "path=\"C:\\new\\table\"\r\n"
                                                                   "share= \"\\\\server\\share\\\\\" \r\n"
                                                                   "odd=\"\\\"\r\n"));
    SettingsStore::WriteValue(path, "own", "C:\\new\r\nsecond line");
    EXPECT_EQ(SettingsStore::ReadValue(path, "path"), "C:\\new\\table");
    EXPECT_EQ(SettingsStore::ReadValue(path, "share"), "\\\\server\\share\\\\");
    EXPECT_EQ(SettingsStore::ReadValue(path, "odd"), "\\");
    EXPECT_EQ(SettingsStore::ReadValue(path, "own"), "C:\\new\r\nsecond line");
}

TEST_F(SettingsStoreTest, EveryValueAPanelCanProduceReadsBackExactly)
{
    const auto path = store.PathFor(Kind::Search, 2);
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
    for (size_t i = 0; i < values.size(); ++i)
        SettingsStore::WriteValue(path, "k" + std::to_string(i), values[i]);
    const SettingsFile file = SettingsFile::Load(path);
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(file.Value("k" + std::to_string(i)), values[i]) << "value " << i;
}

TEST_F(SettingsStoreTest, GarbageFileReadsAsEmptyAndCanBeWrittenOver)
{
    const auto path = dir.File("bj/garbage.ini");
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    FileSystem::WriteFileAtomically(path, garbage);
    EXPECT_EQ(SettingsStore::ReadValue(path, "宽度"), "");
    SettingsStore::WriteValue(path, "宽度", "5");
    EXPECT_EQ(SettingsStore::ReadValue(path, "宽度"), "5");
}

// Bytes that are no GB18030 used to come back as U+FFFD in every line once
// any key was written, and a megabyte of them grew by a third.
TEST_F(SettingsStoreTest, LinesTheWriteDoesNotSetKeepTheirBytes)
{
    const auto path = dir.File("bj/foreign.ini");
    std::string megabyte;
    for (int i = 0; i < (1 << 19); ++i)
        megabyte += "\x80\xFF";
    const std::string section = TextCodec::Utf8ToGb18030("[配置]\r\n");
    const std::string before = section + "a=\xFF\x80 x\n";
    const std::string after = "\x81\r\n" + megabyte + "\n[other]\nb=\xC4\xE3\xFE";
    FileSystem::WriteFileAtomically(path, before + "k=old\r\n" + after);

    ASSERT_TRUE(SettingsStore::WriteValue(path, "k", "new"));
    EXPECT_EQ(FileSystem::ReadWholeFile(path), before + "k=new\r\n" + after);
    // A new key goes after the last line of its section.
    ASSERT_TRUE(SettingsStore::WriteValue(path, "n", "1"));
    const std::string otherSection = "[other]\nb=\xC4\xE3\xFE";
    const std::string expected = before + "k=new\r\n\x81\r\n" + megabyte + "\nn=1\r\n" + otherSection;
    EXPECT_EQ(FileSystem::ReadWholeFile(path), expected);
    EXPECT_EQ(SettingsStore::ReadValue(path, "k"), "new");

    // A file without the section, its last line without a line end.
    const auto bare = dir.File("bj/bare.ini");
    FileSystem::WriteFileAtomically(bare, otherSection);
    ASSERT_TRUE(SettingsStore::WriteValue(bare, "k", "v"));
    EXPECT_EQ(FileSystem::ReadWholeFile(bare), otherSection + "\r\n" + section + "k=v\r\n");
    // Its last line may end in the CR of a line end alone.
    FileSystem::WriteFileAtomically(bare, section + "a= x\r");
    ASSERT_TRUE(SettingsStore::WriteValue(bare, "k", "v"));
    EXPECT_EQ(FileSystem::ReadWholeFile(bare), section + "a= x\r\nk=v\r\n");
    EXPECT_EQ(SettingsStore::ReadValue(bare, "a"), "x");
}

TEST_F(SettingsStoreTest, WritingLeavesNoTemporaryFilesBehind)
{
    const auto path = store.PathFor(Kind::Countdown, 4);
    for (int i = 0; i < 5; ++i)
        SettingsStore::WriteValue(path, "k", std::to_string(i));
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(store.WorkingDirectory())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(SettingsStoreTest, DeletingTheStoreNeverFollowsALinkOutOfIt)
{
    TempDir outside;
    const auto precious = outside.File("precious.txt");
    FileSystem::WriteFileAtomically(precious, "keep");
    std::filesystem::create_directory_symlink(outside.Path(), store.WorkingDirectory() + "/link");
    SettingsStore::WriteValue(store.PathFor(Kind::Text, 1), "k", "v");
    store.DeleteStore();
    EXPECT_FALSE(FileSystem::Exists(store.WorkingDirectory()));
    EXPECT_TRUE(FileSystem::Exists(precious));
}

// Removal renumbers the later components; each must keep reading its own
// settings, never the removed one's or a stale file left at its new number.
// The kinds of rows as their records name them.
static std::vector<std::optional<Kind>> KindsOf(std::initializer_list<std::string_view> words)
{
    std::vector<std::optional<Kind>> kinds;
    for (const std::string_view word : words)
        kinds.push_back(KindTable::FromWord(word));
    return kinds;
}

TEST_F(SettingsStoreTest, FilesFollowTheirComponentsWhenRemovalRenumbers)
{
    // Numbers 2..9: carousel (with arrows 3, 4), carousel (5, 6, 7), countdown
    // 8, search 9. The first carousel goes.
    const auto kinds = KindsOf({"-1", "-1", "轮播", "左箭头", "右箭头", "轮播", "左箭头", "右箭头", "倒计时", "搜索"});
    SettingsStore::WriteValue(store.PathFor(Kind::Carousel, 2), "宽度", "removed");
    SettingsStore::WriteValue(store.PathFor(Kind::Carousel, 5), "宽度", "second carousel");
    SettingsStore::WriteValue(store.PathFor(Kind::Countdown, 8), "宽度", "countdown");
    // Never saved: the search box has no file, but a stale one waits at 6.
    SettingsStore::WriteValue(store.PathFor(Kind::Search, 6), "宽度", "stale");

    EXPECT_TRUE(store.FollowRemoval(kinds, 2, 3).empty());
    EXPECT_EQ(SettingsStore::ReadValue(store.PathFor(Kind::Carousel, 2), "宽度"), "second carousel");
    EXPECT_EQ(SettingsStore::ReadValue(store.PathFor(Kind::Countdown, 5), "宽度"), "countdown");
    EXPECT_FALSE(FileSystem::Exists(store.PathFor(Kind::Search, 6)));
    for (const auto& [kind, number] : std::vector<std::pair<std::string, int>>{{"轮播", 5}, {"倒计时", 8}})
        EXPECT_FALSE(FileSystem::Exists(store.PathFor(*KindTable::FromWord(kind), number))) << kind << number;
}

TEST_F(SettingsStoreTest, ChainsOfTheSameKindMoveDownWithoutOverwritingEachOther)
{
    const auto kinds = KindsOf({"", "文字", "文字", "文字", "文字"});
    for (int n = 1; n <= 4; ++n)
        SettingsStore::WriteValue(store.PathFor(Kind::Text, n), "内容", "text " + std::to_string(n));
    EXPECT_TRUE(store.FollowRemoval(kinds, 1, 1).empty());
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(SettingsStore::ReadValue(store.PathFor(Kind::Text, n), "内容"), "text " + std::to_string(n + 1));
    EXPECT_FALSE(FileSystem::Exists(store.PathFor(Kind::Text, 4)));
}

TEST_F(SettingsStoreTest, AFileThatCannotMoveIsNamed)
{
    const auto kinds = KindsOf({"", "文字", "文字"});
    SettingsStore::WriteValue(store.PathFor(Kind::Text, 2), "内容", "second");
    // A folder where the removed text's file was: it can neither be removed
    // nor be replaced by the second text's file, which stays where it was.
    std::filesystem::create_directories(store.PathFor(Kind::Text, 1) + "/blocked");
    EXPECT_EQ(store.FollowRemoval(kinds, 1, 1), (std::vector<std::string>{"wz1.ini", "wz2.ini"}));
    EXPECT_EQ(SettingsStore::ReadValue(store.PathFor(Kind::Text, 2), "内容"), "second");
}

// A FIFO used to block the loader (and a generation with it) for ever, and a
// link used to be read through and written through.
TEST_F(SettingsStoreTest, AnythingButARegularFileReadsAsMissingAndTheWriteReplacesIt)
{
    TempDir outside;
    const auto victim = outside.File("victim.ini");
    FileSystem::WriteFileAtomically(victim, "[配置]\r\nk=secret\r\n");
    const auto fifo = store.PathFor(Kind::Carousel, 2);
    const auto link = store.PathFor(Kind::Text, 1);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink(victim, link);

    EXPECT_FALSE(store.Load(Kind::Carousel, 2)->Has("k"));
    EXPECT_EQ(SettingsStore::ReadValue(fifo, "k"), "");
    EXPECT_EQ(SettingsStore::ReadValue(link, "k"), "");
    for (const auto& path : {fifo, link}) {
        EXPECT_TRUE(SettingsStore::WriteValue(path, "k", "mine"));
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(path)));
        EXPECT_EQ(SettingsStore::ReadValue(path, "k"), "mine");
    }
    EXPECT_EQ(FileSystem::ReadWholeFile(victim), "[配置]\r\nk=secret\r\n");
}
