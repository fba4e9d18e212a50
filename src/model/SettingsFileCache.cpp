#include "SettingsFileCache.h"

#include "FileSystem.h"
#include "TextCodec.h"

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
    Entry& entry = entries_[path];
    if (!entry.file || entry.bytes != *bytes) {
        entry.file = std::make_shared<const SettingsFile>(SettingsFile::Parse(TextCodec::Gb18030ToUtf8(*bytes)));
        entry.bytes = std::move(*bytes);
    }
    return entry.file;
}

void SettingsFileCache::Clear()
{
    std::lock_guard lock(mutex_);
    entries_.clear();
}

} // namespace morvane
