#include "FileSystem.h"
#include "TempDir.h"
#include "WorkerThread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

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
    const auto fill = [&] {
        FileSystem::CreateDirectory(tree);
        FileSystem::CreateDirectory(tree + "/deep");
        FileSystem::WriteFileAtomically(tree + "/deep/a.ini", "a");
        std::filesystem::create_directory_symlink(outside.Path(), tree + "/deep/out");
        std::filesystem::create_symlink(outside.File("keep"), tree + "/filelink");
    };
    // Emptied, the folder stays; a link in its place is no folder to empty.
    fill();
    EXPECT_TRUE(FileSystem::EmptyDirectory(tree));
    EXPECT_TRUE(std::filesystem::is_empty(tree));
    std::filesystem::create_directory_symlink(outside.Path(), dir.File("link"));
    EXPECT_FALSE(FileSystem::EmptyDirectory(dir.File("link")));
    EXPECT_EQ(FileSystem::ReadWholeFile(outside.File("keep")), "x");
    fill();
    EXPECT_TRUE(FileSystem::RemoveTree(tree));
    EXPECT_FALSE(FileSystem::Exists(tree));
    EXPECT_EQ(FileSystem::ReadWholeFile(outside.File("keep")), "x");
    EXPECT_TRUE(FileSystem::CreateDirectory(tree));
    EXPECT_TRUE(FileSystem::CreateDirectory(tree)); // existing: fine
}

TEST(FileSystem, WritesNeverFollowALinkPlantedInTheFolder)
{
    TempDir dir, outside;
    const std::string victim = outside.File("victim");
    ASSERT_TRUE(FileSystem::WriteFileAtomically(victim, "precious"));
    const std::string target = dir.File("lb5.ini");
    // Links at every name a temporary of this process was once given, and at
    // the target itself.
    for (int n = 0; n < 4096; ++n)
        std::filesystem::create_symlink(victim, target + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(n));
    std::filesystem::create_symlink(victim, target);
    EXPECT_FALSE(FileSystem::ReadWholeFile(target));

    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(FileSystem::WriteFileAtomically(target, "new"));
    EXPECT_EQ(FileSystem::ReadWholeFile(victim), "precious");
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(target)));
    EXPECT_EQ(FileSystem::ReadWholeFile(target), "new");
}

TEST(FileSystem, OnlyRegularFilesAreReadAndNothingWaits)
{
    using namespace std::chrono_literals;
    TempDir dir;
    const std::string fifo = dir.File("lb2.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto read = std::async(std::launch::async, [&fifo] { return FileSystem::ReadWholeFile(fifo); });
    if (read.wait_for(10s) != std::future_status::ready) {
        // Let the reader stuck in open() go, so that the test can end.
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
        read.wait();
        FAIL() << "reading a FIFO waited for a writer";
    }
    EXPECT_FALSE(read.get());
    EXPECT_FALSE(FileSystem::ReadWholeFile(dir.Path()));
    EXPECT_TRUE(FileSystem::WriteFileAtomically(fifo, "file now"));
    EXPECT_EQ(FileSystem::ReadWholeFile(fifo), "file now");
}

TEST(FileSystem, CapsReadsAndTellsFileAddressesAndLeftoversApart)
{
    TempDir dir;
    ASSERT_TRUE(FileSystem::WriteFileAtomically(dir.File("f"), std::string(100, 'x')));
    bool tooLarge = false;
    EXPECT_EQ(FileSystem::ReadWholeFile(dir.File("f"), 100, &tooLarge), std::string(100, 'x'));
    EXPECT_FALSE(tooLarge);
    EXPECT_FALSE(FileSystem::ReadWholeFile(dir.File("f"), 99, &tooLarge));
    EXPECT_TRUE(tooLarge);
    EXPECT_FALSE(FileSystem::ReadWholeFile(dir.File("missing"), 99, &tooLarge));
    EXPECT_FALSE(tooLarge);

    const std::pair<const char*, std::optional<std::string>> addresses[] = {
        {"file:///a/b%20c/%E6%A8%A1.txt", "/a/b c/\xE6\xA8\xA1.txt"},
        {"FILE://localhost/t/", "/t/"},
        {"file:///etc/shadow?http", "/etc/shadow"},
        {"file:///dev/stdin#http", "/dev/stdin"},
        {"file://host/t", std::nullopt},
        {"file:///a%00b", std::nullopt},
        {"http://x/file:///a", std::nullopt},
    };
    for (const auto& [address, path] : addresses)
        EXPECT_EQ(FileSystem::PathOfFileAddress(address), path) << address;

    // A save cut short leaves "<name>.tmp" and sixteen hexadecimal digits.
    const std::string kept[] = {"lb2.ini", "lb2.ini.tmp", "lb2.ini.tmpXYZ0123456789abcd", "a.txt.tmp0123456789abcdef"};
    for (const std::string& name : kept)
        ASSERT_TRUE(FileSystem::WriteFileAtomically(dir.File(name), "x"));
    ASSERT_TRUE(FileSystem::WriteFileAtomically(dir.File("lb2.ini.tmp0123456789abcdef"), "x"));
    ASSERT_TRUE(FileSystem::WriteFileAtomically(dir.File("ss3.ini.tmpfedcba9876543210"), "x"));
    ASSERT_TRUE(FileSystem::CreateDirectory(dir.File("wz4.ini.tmp0000000000000000")));
    EXPECT_EQ(FileSystem::RemoveStaleTemporaries(dir.Path(), ".ini"), 2);
    for (const std::string& name : kept)
        EXPECT_TRUE(FileSystem::Exists(dir.File(name))) << name;
    EXPECT_FALSE(FileSystem::Exists(dir.File("lb2.ini.tmp0123456789abcdef")));
    EXPECT_TRUE(FileSystem::Exists(dir.File("wz4.ini.tmp0000000000000000")));
}

TEST(WorkerThread, EndingWaitsForAWorkerOnlyAsLongAsAskedThenLeavesItBehind)
{
    auto release = std::make_shared<std::promise<void>>();
    std::shared_future<void> released = release->get_future().share();
    auto finished = std::make_shared<std::promise<void>>();
    std::future<void> done = finished->get_future();
    morvane::WorkerThread stuck([released, finished] {
        released.wait();
        finished->set_value();
    });
    EXPECT_TRUE(stuck.Running());
    EXPECT_FALSE(stuck.End(std::chrono::milliseconds(10))); // left behind
    EXPECT_FALSE(stuck.Running());
    release->set_value();
    done.wait(); // the worker still ran to its end on its own

    morvane::WorkerThread quick([] {});
    EXPECT_TRUE(quick.End());
    EXPECT_TRUE(morvane::WorkerThread().End());
}
