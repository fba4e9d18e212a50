#include "SettingsStore.h"

#include "ComponentKind.h"
#include "FileSystem.h"

namespace morvane {

namespace {

std::string_view PrefixFor(std::string_view kind)
{
    if (kind == ComponentKind::Carousel)
        return "/bj/lb";
    if (kind == ComponentKind::Countdown)
        return "/bj/djs";
    if (kind == ComponentKind::Search)
        return "/bj/ss";
    if (kind == ComponentKind::Text)
        return "/bj/wz";
    return {};
}

} // namespace

SettingsStore::SettingsStore(std::string programDirectory) : programDirectory_(std::move(programDirectory))
{
}

std::string SettingsStore::WorkingDirectory() const
{
    return programDirectory_ + "/bj";
}

std::string SettingsStore::PathFor(std::string_view kind, int number) const
{
    const std::string_view prefix = PrefixFor(kind);
    if (prefix.empty())
        return {};
    return programDirectory_ + std::string(prefix) + std::to_string(number) + ".ini";
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
    return FileSystem::WriteFileAtomically(path, file.ToBytes());
}

} // namespace morvane
