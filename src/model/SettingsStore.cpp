#include "SettingsStore.h"

#include "FileSystem.h"
#include "KindTable.h"

#include <algorithm>

namespace morvane {

SettingsStore::SettingsStore(std::string programDirectory) : programDirectory_(std::move(programDirectory))
{
}

std::string SettingsStore::WorkingDirectory() const
{
    return programDirectory_ + "/bj";
}

std::string SettingsStore::PathFor(Kind kind, int number) const
{
    const std::string_view prefix = KindTable::Of(kind).settingsPrefix;
    if (prefix.empty())
        return {};
    return WorkingDirectory() + "/" + std::string(prefix) + std::to_string(number) + ".ini";
}

void SettingsStore::CreateWorkingDirectory() const
{
    FileSystem::CreateDirectory(WorkingDirectory());
    FileSystem::RemoveStaleTemporaries(WorkingDirectory(), ".ini");
}

void SettingsStore::DeleteStore() const
{
    FileSystem::RemoveTree(WorkingDirectory());
    cache_->Clear();
}

std::vector<std::string> SettingsStore::FollowRemoval(const std::vector<std::optional<Kind>>& kinds, int first,
                                                      int count) const
{
    std::vector<std::string> failed;
    const auto fileName = [](const std::string& path) { return path.substr(path.rfind('/') + 1); };
    const int end = static_cast<int>(kinds.size());
    for (int number = first; number < std::min(first + count, end); ++number) {
        const std::optional<Kind> kind = kinds[static_cast<size_t>(number)];
        const std::string path = kind ? PathFor(*kind, number) : std::string();
        if (!path.empty() && FileSystem::Exists(path) && !FileSystem::RemoveFile(path))
            failed.push_back(fileName(path));
    }
    for (int number = first + count; number < end; ++number) {
        const std::optional<Kind> kind = kinds[static_cast<size_t>(number)];
        const std::string from = kind ? PathFor(*kind, number) : std::string();
        if (from.empty())
            continue;
        const std::string to = PathFor(*kind, number - count);
        // A component never saved has no file, and must not inherit one
        // left at its new number.
        const bool moved = FileSystem::Exists(from) ? FileSystem::RenameFile(from, to)
                                                    : !FileSystem::Exists(to) || FileSystem::RemoveFile(to);
        if (!moved)
            failed.push_back(fileName(from));
    }
    return failed;
}

std::vector<std::string> SettingsStore::FollowInsertion(const std::vector<std::optional<Kind>>& kinds, int first,
                                                        int count) const
{
    std::vector<std::string> failed;
    const auto fileName = [](const std::string& path) { return path.substr(path.rfind('/') + 1); };
    for (int number = static_cast<int>(kinds.size()) - 1; number >= first + count; --number) {
        const std::optional<Kind> kind = kinds[static_cast<size_t>(number)];
        const std::string to = kind ? PathFor(*kind, number) : std::string();
        if (to.empty())
            continue;
        const std::string from = PathFor(*kind, number - count);
        const bool moved = FileSystem::Exists(from) ? FileSystem::RenameFile(from, to)
                                                    : !FileSystem::Exists(to) || FileSystem::RemoveFile(to);
        if (!moved)
            failed.push_back(fileName(from));
    }
    return failed;
}

std::optional<std::string> SettingsStore::ReadBytes(Kind kind, int number) const
{
    const std::string path = PathFor(kind, number);
    if (path.empty())
        return std::nullopt;
    return FileSystem::ReadWholeFile(path, SettingsFile::kMaxBytes);
}

bool SettingsStore::WriteBytes(Kind kind, int number, const std::optional<std::string>& bytes) const
{
    const std::string path = PathFor(kind, number);
    if (path.empty())
        return !bytes;
    if (!bytes)
        return !FileSystem::Exists(path) || FileSystem::RemoveFile(path);
    return FileSystem::WriteFileAtomically(path, *bytes);
}

std::shared_ptr<const SettingsFile> SettingsStore::Load(Kind kind, int number) const
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
    // Writing over a file that could not be read would lose it unseen.
    if (file.TooLarge())
        return false;
    for (const auto& [key, value] : values)
        file.SetValue(key, value);
    return FileSystem::WriteFileAtomically(path, file.ToBytes());
}

} // namespace morvane
