#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// One settings file held in memory: the key=value lines of its section
// "配置". Loading reads and decodes the file once, so code generation can ask
// for many keys without touching the disk again. A missing or unreadable
// file is simply empty.
class SettingsFile {
public:
    static constexpr std::string_view Section = "配置";

    SettingsFile() = default;
    static SettingsFile Load(const std::string& path);
    // Parses the decoded (UTF-8) text of a whole file.
    static SettingsFile Parse(std::string_view text);

    // The value of the key, or empty text. Blanks at both ends are dropped
    // and one enclosing pair of double quotes is removed, as the platform's
    // profile reader does.
    std::string Value(std::string_view key) const;
    bool Has(std::string_view key) const;

    // Encodes a value so that Value() returns it unchanged: values that the
    // read rule would alter are written quoted, with \\, \r and \n escaped.
    static std::string EncodeValue(std::string_view value);
    static std::string DecodeValue(std::string_view stored);

    // Sets the key in section "配置": its first line there is replaced, or a
    // line is added at the end of the section (created when missing). Every
    // other line of the file stays as it was.
    void SetValue(std::string_view key, std::string_view value);
    // The whole file as text, with CR LF line ends.
    std::string ToText() const;

private:
    std::string_view StoredValue(size_t line) const;
    void AddEntry(std::string_view key, size_t line);
    // Index into lines_ of the key's first line in the section, or npos.
    size_t Find(std::string_view key) const;

    // A key's line in the section, found through a hash of the key with its
    // ASCII letters folded (keys compare like the platform's profile
    // functions: letters without regard to case, every other byte exactly).
    struct Entry {
        std::uint64_t hash;
        size_t line;
    };

    std::vector<std::string> lines_;
    // Sorted by hash, then line: generation asks a file for dozens of keys
    // and keeps thousands of files, so lookups must neither walk the file
    // nor chase scattered nodes.
    std::vector<Entry> entries_;
    // Where a new key goes: after the last line of the section; npos when
    // the file has no such section.
    size_t sectionEnd_ = std::string::npos;
};

} // namespace morvane
