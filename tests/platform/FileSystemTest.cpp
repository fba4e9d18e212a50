#include "FileSystem.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using morvane::FileSystem;

TEST(FileSystem, WholeFilesRoundTripIncludingZeroBytes)
{
    TempDir dir;
    const std::string bytes("a\0b\r\n\xFF", 6);
    ASSERT_TRUE(FileSystem::WriteFileAtomically(dir.File("f"), bytes));
    EXPECT_EQ(FileSystem::ReadWholeFile(dir.File("f")), bytes);
    ASSERT_TRUE(FileSystem::WriteFileAtomically(dir.File("f"), "new"));
    EXPECT_EQ(FileSystem::ReadWholeFile(dir.File("f")), "new");
    EXPECT_FALSE(FileSystem::ReadWholeFile(dir.File("missing")));
}

TEST(FileSystem, FailedWriteReportsFalseAndLeavesNoTemporaryFile)
{
    TempDir dir;
    // A directory stands where the file should go: the final rename fails.
    ASSERT_TRUE(FileSystem::CreateDirectory(dir.File("taken")));
    EXPECT_FALSE(FileSystem::WriteFileAtomically(dir.File("taken"), "new"));
    EXPECT_FALSE(FileSystem::WriteFileAtomically(dir.File("no/such/dir/f"), "new"));
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(FileSystem, RemovingATreeRemovesLinksButNotWhatTheyPointAt)
{
    TempDir dir, outside;
    FileSystem::WriteFileAtomically(outside.File("keep"), "x");
    const auto tree = dir.File("bj");
    FileSystem::CreateDirectory(tree);
    FileSystem::CreateDirectory(tree + "/deep");
    FileSystem::WriteFileAtomically(tree + "/deep/a.ini", "a");
    std::filesystem::create_directory_symlink(outside.Path(), tree + "/deep/out");
    std::filesystem::create_symlink(outside.File("keep"), tree + "/filelink");
    EXPECT_TRUE(FileSystem::RemoveTree(tree));
    EXPECT_FALSE(FileSystem::Exists(tree));
    EXPECT_EQ(FileSystem::ReadWholeFile(outside.File("keep")), "x");
    EXPECT_TRUE(FileSystem::CreateDirectory(tree));
    EXPECT_TRUE(FileSystem::CreateDirectory(tree)); // existing: fine
}
