#include "ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvane {

namespace {

// Asks with the effective user's rights, which are the ones writes use.
bool CanWriteIn(const QString& directory)
{
    const QByteArray path = QFile::encodeName(directory);
    struct stat st {};
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           ::faccessat(AT_FDCWD, path.constData(), W_OK | X_OK, AT_EACCESS) == 0;
}

QString MadeFolder(const QString& path)
{
    if (path.isEmpty() || !QDir().mkpath(path) || !ProgramFolders::HoldsData(path))
        return {};
    return QDir::cleanPath(path);
}

} // namespace

ProgramFolders::ProgramFolders(const QString& programDirectory)
    : programDirectory_(programDirectory), dataDirectory_(programDirectory)
{
    if (HoldsData(programDirectory))
        return;
    // With no folder of the user's either, the program folder stays: every
    // write then fails and is reported as failed.
    if (const QString user = UserFolder(); !user.isEmpty())
        dataDirectory_ = user;
}

bool ProgramFolders::HoldsData(const QString& directory)
{
    if (!CanWriteIn(directory))
        return false;
    const QString working = directory + QStringLiteral("/bj");
    struct stat st {};
    if (::lstat(QFile::encodeName(working).constData(), &st) != 0)
        return errno == ENOENT;
    return S_ISDIR(st.st_mode) && CanWriteIn(working);
}

QString ProgramFolders::UserFolder()
{
    if (QString data = MadeFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)); !data.isEmpty())
        return data;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    return MadeFolder(runtime + QLatin1Char('/') + QCoreApplication::applicationName());
}

} // namespace morvane
