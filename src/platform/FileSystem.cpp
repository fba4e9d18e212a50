#include "FileSystem.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvane {
namespace fs = std::filesystem;

namespace {

// Sixteen hexadecimal digits from the kernel's random source, so the name of
// a temporary cannot be guessed in advance.
std::string RandomSuffix()
{
    std::uint64_t value = 0;
    if (::getrandom(&value, sizeof value, 0) != static_cast<ssize_t>(sizeof value)) {
        static std::atomic<std::uint64_t> fallback{0};
        value = (static_cast<std::uint64_t>(::getpid()) << 32) ^ ++fallback ^
                static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    static constexpr char digits[] = "0123456789abcdef";
    std::string suffix(16, '0');
    for (char& c : suffix) {
        c = digits[value & 15];
        value >>= 4;
    }
    return suffix;
}

bool WriteAll(int fd, const std::string& bytes)
{
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

} // namespace

std::optional<std::string> FileSystem::ReadWholeFile(const std::string& path, size_t maxBytes, bool* tooLarge)
{
    if (tooLarge)
        *tooLarge = false;
    // Opening never waits (a FIFO would block until someone writes to it)
    // and never follows a link; only a regular file is read, anything else
    // reads as missing.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    const auto over = [&] {
        ::close(fd);
        if (tooLarge)
            *tooLarge = true;
        return std::nullopt;
    };
    if (st.st_size > 0 && static_cast<unsigned long long>(st.st_size) > maxBytes)
        return over();
    std::string data;
    if (st.st_size > 0)
        data.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        // The file grew while it was read.
        if (static_cast<size_t>(n) > maxBytes - data.size())
            return over();
        data.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return data;
}

std::optional<std::string> FileSystem::PathOfFileAddress(std::string_view address)
{
    constexpr std::string_view scheme = "file://";
    if (address.size() < scheme.size())
        return std::nullopt;
    for (size_t i = 0; i < scheme.size(); ++i) {
        const char c = address[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != scheme[i])
            return std::nullopt;
    }
    address.remove_prefix(scheme.size());
    constexpr std::string_view localhost = "localhost";
    if (address.substr(0, localhost.size()) == localhost)
        address.remove_prefix(localhost.size());
    if (address.empty() || address.front() != '/')
        return std::nullopt;
    address = address.substr(0, address.find_first_of("?#"));
    const auto hex = [](char c) {
        return c >= '0' && c <= '9'   ? c - '0'
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                      : -1;
    };
    std::string path;
    for (size_t i = 0; i < address.size(); ++i) {
        if (address[i] == '%' && i + 2 < address.size() && hex(address[i + 1]) >= 0 && hex(address[i + 2]) >= 0) {
            path += static_cast<char>(hex(address[i + 1]) * 16 + hex(address[i + 2]));
            i += 2;
        } else {
            path += address[i];
        }
    }
    // A zero byte would end the path early at the system call.
    if (path.find('\0') != std::string::npos)
        return std::nullopt;
    return path;
}

bool FileSystem::WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    // The temporary is created afresh under an unguessable name and never
    // through a link, so a link planted beside the target cannot carry the
    // write to a file outside the folder.
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temp = path + ".tmp" + RandomSuffix();
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes);
    if (ok && ::fsync(fd) != 0)
        ok = false;
    if (::close(fd) != 0)
        ok = false;
    // rename replaces a link standing at the target itself, not its target.
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

bool FileSystem::EmptyDirectory(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    std::error_code ec;
    bool emptied = true;
    for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec))
        emptied = RemoveTree(it->path().string()) && emptied;
    return emptied && !ec;
}

int FileSystem::RemoveStaleTemporaries(const std::string& folder, std::string_view suffix)
{
    constexpr std::string_view marker = ".tmp";
    constexpr size_t digits = 16;
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() < suffix.size() + marker.size() + digits)
            continue;
        const std::string_view stem = std::string_view(name).substr(0, name.size() - marker.size() - digits);
        const std::string_view tail = std::string_view(name).substr(stem.size());
        if (!stem.ends_with(suffix) || !tail.starts_with(marker) ||
            tail.substr(marker.size()).find_first_not_of("0123456789abcdef") != std::string_view::npos)
            continue;
        std::error_code statError;
        // Only the program's own leftovers: never a link or a folder.
        if (it->symlink_status(statError).type() == fs::file_type::regular && ::unlink(it->path().c_str()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace morvane
