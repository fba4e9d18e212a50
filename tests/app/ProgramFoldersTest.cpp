#include "ProgramFolders.h"

#include "TempDir.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace morvane;

namespace {

// Points the per-user folders into a temporary directory for one test.
class ProgramFoldersTest : public ::testing::Test {
protected:
    TempDir program;
    TempDir home;

    void SetUp() override
    {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.File("data")));
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(home.File("run")));
        std::filesystem::create_directory(home.File("run"));
        std::filesystem::permissions(home.File("run"), std::filesystem::perms::owner_all);
    }
    void TearDown() override
    {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_RUNTIME_DIR");
    }

    static QString Q(const std::string& path) { return QString::fromStdString(path); }
    std::string UserData() const { return home.File("data/") + QCoreApplication::applicationName().toStdString(); }
    std::string UserRuntime() const { return home.File("run/") + QCoreApplication::applicationName().toStdString(); }
    static std::string Data(const std::string& programDirectory)
    {
        return ProgramFolders(Q(programDirectory)).DataDirectory().toStdString();
    }
};

} // namespace

TEST_F(ProgramFoldersTest, AProgramFolderTheUserCanWriteHoldsTheData)
{
    EXPECT_FALSE(ProgramFolders(Q(program.Path())).UsesUserFolder());
    EXPECT_EQ(Data(program.Path()), program.Path());
    std::filesystem::create_directory(program.File("bj"));
    EXPECT_EQ(Data(program.Path()), program.Path());
}

TEST_F(ProgramFoldersTest, WhereNoWorkingFolderCanBeMadeTheDataGoToTheUsersFolder)
{
    // A file named "bj" stops the working folder as surely as a read-only
    // program folder does, and stops it for root too.
    std::ofstream(program.File("bj")) << "not a folder";
    const ProgramFolders folders(Q(program.Path()));
    EXPECT_EQ(folders.ProgramDirectory().toStdString(), program.Path());
    EXPECT_EQ(folders.DataDirectory().toStdString(), UserData());
    EXPECT_TRUE(folders.UsesUserFolder());
    EXPECT_TRUE(std::filesystem::is_directory(UserData()));

    EXPECT_EQ(Data(program.File("missing")), UserData());
    if (::geteuid() != 0) { // root writes anywhere
        std::filesystem::remove(program.File("bj"));
        std::filesystem::permissions(program.Path(),
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_EQ(Data(program.Path()), UserData());
        std::filesystem::permissions(program.Path(), std::filesystem::perms::owner_all);
    }
}

TEST_F(ProgramFoldersTest, TheRuntimeFolderServesWhenTheDataFolderCannotBeMade)
{
    std::ofstream(program.File("bj")) << "";
    std::ofstream(home.File("data")) << "a file where the data folder would go";
    EXPECT_EQ(Data(program.Path()), UserRuntime());
}
