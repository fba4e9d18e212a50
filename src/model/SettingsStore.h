#pragma once

#include "Kind.h"
#include "SettingsFile.h"
#include "SettingsFileCache.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvane {

// The per-component settings files of carousels, countdowns, search boxes
// and texts, kept in the working directory "bj" below the program directory
// for one run. Files are named after the component's current number.
class SettingsStore {
public:
    explicit SettingsStore(std::string programDirectory);

    const std::string& ProgramDirectory() const { return programDirectory_; }
    std::string WorkingDirectory() const;
    // The file of a component of the given kind and number, for example
    // <program dir>/bj/lb5.ini; empty for a kind without settings file.
    std::string PathFor(Kind kind, int number) const;

    // Creates the working directory, or removes the temporaries that a save
    // cut short (a killed run) left in the one there.
    void CreateWorkingDirectory() const;
    // Deletes the working directory with everything in it.
    void DeleteStore() const;

    // Keeps every component with its own settings when removal renumbers:
    // the files of the removed numbers [first, first + count) go, and the
    // file of every later number n moves to n - count, lowest first, so no
    // file still needed is overwritten. kinds[n] is the kind number n had before
    // the removal (none for rows that are no element). Returns the names of the files that could not
    // be removed or moved.
    std::vector<std::string> FollowRemoval(const std::vector<std::optional<Kind>>& kinds, int first, int count) const;

    // The reverse, when removed components come back: every component from
    // first + count on had number n - count and its file moves to n,
    // highest first. kinds[n] is the kind number n has after the insertion.
    // The files of the numbers [first, first + count) are the caller's to
    // write. Returns the names of the files that could not be moved.
    std::vector<std::string> FollowInsertion(const std::vector<std::optional<Kind>>& kinds, int first, int count) const;

    // The bytes of a component's file; nullopt when there is none.
    std::optional<std::string> ReadBytes(Kind kind, int number) const;
    // Writes the file whole, or removes it for nullopt. False on failure.
    bool WriteBytes(Kind kind, int number, const std::optional<std::string>& bytes) const;

    // The parsed file of a component; empty when the file is missing. Files
    // are re-read on every call, parsing is reused while the bytes match.
    std::shared_ptr<const SettingsFile> Load(Kind kind, int number) const;

    static std::string ReadValue(const std::string& path, std::string_view key);
    // Sets one key in section "配置", keeping every other line of the file.
    // The file is replaced atomically. False when the file could not be
    // written, so a save is never reported done when it was not.
    static bool WriteValue(const std::string& path, std::string_view key, std::string_view value);
    // Several keys in one replacement of the file, in the order given.
    static bool WriteValues(const std::string& path, const std::vector<std::pair<std::string, std::string>>& values);

private:
    std::string programDirectory_;
    // Shared by copies of the store, which all name the same files.
    std::shared_ptr<SettingsFileCache> cache_ = std::make_shared<SettingsFileCache>();
};

} // namespace morvane
