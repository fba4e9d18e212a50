#include "DesignSettings.h"

#include <algorithm>

namespace morvane {

DesignSettings::File DesignSettings::FromBytes(std::string bytes)
{
    return std::make_shared<const SettingsFile>(SettingsFile::FromBytes(std::move(bytes)));
}

DesignSettings::File DesignSettings::Written(const std::vector<std::pair<std::string, std::string>>& values)
{
    return WithValues(nullptr, values);
}

DesignSettings::File DesignSettings::WithValues(const File& file,
                                                const std::vector<std::pair<std::string, std::string>>& values)
{
    SettingsFile changed = file ? *file : SettingsFile();
    for (const auto& [key, value] : values)
        changed.SetValue(key, value);
    // Parsed again from its bytes, so the file holds exactly what it writes.
    return FromBytes(changed.ToBytes());
}

const DesignSettings::File* DesignSettings::Find(Kind kind, int number) const
{
    const std::vector<File>& list = SortOf(kind) == Sort::Text ? texts_ : components_;
    if (number < 0 || static_cast<size_t>(number) >= list.size() || !list[static_cast<size_t>(number)])
        return nullptr;
    return &list[static_cast<size_t>(number)];
}

const DesignSettings::File& DesignSettings::Of(Kind kind, int number) const
{
    static const File empty = std::make_shared<const SettingsFile>();
    const File* file = Find(kind, number);
    return file ? *file : empty;
}

bool DesignSettings::Holds(Kind kind, int number) const
{
    return Find(kind, number) != nullptr;
}

void DesignSettings::Set(Kind kind, int number, File file)
{
    if (number < 0)
        return;
    std::vector<File>& list = ListOf(kind);
    if (static_cast<size_t>(number) >= list.size())
        list.resize(static_cast<size_t>(number) + 1);
    list[static_cast<size_t>(number)] = std::move(file);
}

void DesignSettings::Reserve(Sort sort, int count)
{
    (sort == Sort::Text ? texts_ : components_).reserve(static_cast<size_t>(std::max(count, 0)));
}

} // namespace morvane
