#include "SettingsStore.h"

#include "FileSystem.h"
#include "KindTable.h"
#include "TextCodec.h"

namespace morvane {

SettingsStore::SettingsStore(std::string programDirectory) : programDirectory_(std::move(programDirectory))
{
}

std::string SettingsStore::WorkingDirectory() const
{
    return programDirectory_ + "/bj";
}

std::string SettingsStore::PathFor(std::string_view kind, int number) const
{
    const KindInfo* info = KindTable::Find(kind);
    if (!info || info->settingsPrefix.empty())
        return {};
    return WorkingDirectory() + "/" + std::string(info->settingsPrefix) + std::to_string(number) + ".ini";
}

void SettingsStore::CreateWorkingDirectory() const
{
    FileSystem::CreateDirectory(WorkingDirectory());
}

void SettingsStore::DeleteStore() const
{
    FileSystem::RemoveTree(WorkingDirectory());
    cache_->Clear();
}

std::shared_ptr<const SettingsFile> SettingsStore::Load(std::string_view kind, int number) const
{
    return cache_->Load(PathFor(kind, number));
}

std::string SettingsStore::ReadValue(const std::string& path, std::string_view key)
{
    return SettingsFile::Load(path).Value(key);
}

bool SettingsStore::WriteValue(const std::string& path, std::string_view key, std::string_view value)
{
    return WriteValues(path, {{std::string(key), std::string(value)}});
}

bool SettingsStore::WriteValues(const std::string& path, const std::vector<std::pair<std::string, std::string>>& values)
{
    SettingsFile file = SettingsFile::Load(path);
    for (const auto& [key, value] : values)
        file.SetValue(key, value);
    return FileSystem::WriteFileAtomically(path, TextCodec::Utf8ToGb18030(file.ToText()));
}

} // namespace morvane
