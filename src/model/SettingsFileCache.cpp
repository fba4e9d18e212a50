#include "SettingsFileCache.h"

#include "FileSystem.h"

namespace morvane {

std::shared_ptr<const SettingsFile> SettingsFileCache::Load(const std::string& path)
{
    static const auto empty = std::make_shared<const SettingsFile>();
    auto bytes = FileSystem::ReadWholeFile(path);
    std::lock_guard lock(mutex_);
    if (!bytes) {
        entries_.erase(path);
        return empty;
    }
    std::shared_ptr<const SettingsFile>& file = entries_[path];
    if (!file || file->Bytes() != *bytes)
        file = std::make_shared<const SettingsFile>(SettingsFile::FromBytes(std::move(*bytes)));
    return file;
}

void SettingsFileCache::Clear()
{
    std::lock_guard lock(mutex_);
    entries_.clear();
}

} // namespace morvane
