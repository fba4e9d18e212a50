#pragma once

#include "Kind.h"
#include "SettingsFile.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace morvane {

// The settings of a design's carousels, countdowns, search boxes and texts
// by their numbers of the moment (component numbers, text numbers), as code
// generation reads them. Each file is parsed once when it is made and never
// changes afterwards, so it is shared by whoever holds it (the element, an
// undo step, this view) and reading a design's settings touches no disk.
class DesignSettings {
public:
    using File = std::shared_ptr<const SettingsFile>;

    // A file made from the bytes a panel or a design file gave.
    static File FromBytes(std::string bytes);
    // A file holding the keys in the order given, as a first save writes
    // them.
    static File Written(const std::vector<std::pair<std::string, std::string>>& values);
    // The same file with the keys set, every other line kept.
    static File WithValues(const File& file, const std::vector<std::pair<std::string, std::string>>& values);

    // The element's settings; an empty file for an element without any.
    const File& Of(Kind kind, int number) const;
    // Whether the element has settings at all (its panel saved them once).
    bool Holds(Kind kind, int number) const;
    void Set(Kind kind, int number, File file);
    void Reserve(Sort sort, int count);

private:
    std::vector<File>& ListOf(Kind kind) { return SortOf(kind) == Sort::Text ? texts_ : components_; }
    const File* Find(Kind kind, int number) const;

    std::vector<File> components_;
    std::vector<File> texts_;
};

} // namespace morvane
