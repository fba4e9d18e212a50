#include "FileSystem.h"

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace morvane {
namespace fs = std::filesystem;

std::optional<std::string> FileSystem::ReadWholeFile(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string data;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        data.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        data.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return data;
}

bool FileSystem::WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    static std::atomic<unsigned> counter{0};
    const std::string temp = path + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const char* p = bytes.data();
    size_t left = bytes.size();
    bool ok = true;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (ok && ::fsync(fd) != 0)
        ok = false;
    if (::close(fd) != 0)
        ok = false;
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0)
        ok = false;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

bool FileSystem::CreateDirectory(const std::string& path)
{
    std::error_code ec;
    fs::create_directories(path, ec);
    return !ec && fs::is_directory(path, ec);
}

bool FileSystem::RemoveTree(const std::string& path)
{
    std::error_code ec;
    // remove_all removes a symbolic link itself and never descends through it.
    fs::remove_all(fs::path(path), ec);
    return !ec;
}

bool FileSystem::RemoveFile(const std::string& path)
{
    return ::unlink(path.c_str()) == 0;
}

bool FileSystem::Exists(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool FileSystem::RenameFile(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0;
}

} // namespace morvane
