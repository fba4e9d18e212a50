#include "SettingsFileCache.h"

#include "FileSystem.h"

#include <sys/stat.h>
#include <time.h>

namespace morvane {

namespace {

// How long after its last change a file's times can be trusted to move
// with the next change. Far above the kernel's timestamp granularity.
constexpr long long kSettledSeconds = 1;

bool LongAgo(long long seconds, long long nanoseconds)
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const long long ageNs = (static_cast<long long>(now.tv_sec) - seconds) * 1'000'000'000LL +
                            (static_cast<long long>(now.tv_nsec) - nanoseconds);
    return ageNs > kSettledSeconds * 1'000'000'000LL;
}

} // namespace

bool SettingsFileCache::IdentityOf(const std::string& path, Identity& identity)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    identity = {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino),
                static_cast<long long>(st.st_size),         static_cast<long long>(st.st_ctim.tv_sec),
                static_cast<long long>(st.st_ctim.tv_nsec), static_cast<long long>(st.st_mtim.tv_sec),
                static_cast<long long>(st.st_mtim.tv_nsec)};
    return true;
}

std::shared_ptr<const SettingsFile> SettingsFileCache::Load(const std::string& path)
{
    static const auto empty = std::make_shared<const SettingsFile>();
    static const auto tooLarge = std::make_shared<const SettingsFile>(SettingsFile::TooLargeFile());
    Identity before;
    const bool known = IdentityOf(path, before);
    if (!known || static_cast<unsigned long long>(before.size) > SettingsFile::kMaxBytes) {
        std::lock_guard lock(mutex_);
        entries_.erase(path);
        return known ? tooLarge : empty;
    }
    std::shared_ptr<const SettingsFile> cached;
    {
        std::lock_guard lock(mutex_);
        if (const auto found = entries_.find(path); found != entries_.end()) {
            if (found->second.settled && found->second.identity == before)
                return found->second.file;
            cached = found->second.file;
        }
    }
    bool grown = false;
    auto bytes = FileSystem::ReadWholeFile(path, SettingsFile::kMaxBytes, &grown);
    if (!bytes) {
        std::lock_guard lock(mutex_);
        entries_.erase(path);
        return grown ? tooLarge : empty;
    }
    std::shared_ptr<const SettingsFile> file =
        cached && cached->Bytes() == *bytes
            ? cached
            : std::make_shared<const SettingsFile>(SettingsFile::FromBytes(std::move(*bytes)));
    Identity after;
    const bool unchanged = IdentityOf(path, after) && after == before;
    std::lock_guard lock(mutex_);
    entries_[path] = {before, file,
                      unchanged && LongAgo(before.changedSeconds, before.changedNanoseconds) &&
                          LongAgo(before.modifiedSeconds, before.modifiedNanoseconds)};
    return file;
}

void SettingsFileCache::Clear()
{
    std::lock_guard lock(mutex_);
    entries_.clear();
}

} // namespace morvane
