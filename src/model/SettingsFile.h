#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// One settings file held in memory: the key=value lines of its section
// "配置", decoded once, so code generation can ask for many keys cheaply.
// Lines the program does not set are written back exactly as they were
// read, whatever bytes they hold.
class SettingsFile {
public:
    static constexpr std::string_view Section = "配置";

    SettingsFile() = default;
    // Takes the GB18030 bytes of a whole file.
    static SettingsFile FromBytes(std::string bytes);

    // The value of the key, or empty text. Blanks at both ends are dropped
    // and one enclosing pair of double quotes is removed, as the platform's
    // profile reader does.
    std::string Value(std::string_view key) const;
    bool Has(std::string_view key) const;

    // Encodes a value so that Value() returns it unchanged: values that the
    // read rule would alter are written quoted, with \\, \r and \n escaped.
    // Decoding undoes the escapes only in exactly that form; any other
    // quoted value just loses its quotes.
    static std::string EncodeValue(std::string_view value);
    static std::string DecodeValue(std::string_view stored);

    // Sets the key in section "配置": its first line there is replaced, or a
    // line is added at the end of the section (created when missing). Every
    // other line of the file stays as it was.
    void SetValue(std::string_view key, std::string_view value);
    // The whole file as GB18030 bytes: lines as read where the program did
    // not change them, lines it wrote ending in CR LF.
    std::string ToBytes() const;
    // The bytes the file was made from.
    const std::string& Bytes() const { return bytes_; }

private:
    static constexpr size_t kWritten = static_cast<size_t>(-1);

    struct Line {
        std::string text; // UTF-8, without its line end
        // The line's bytes in bytes_, with its line end; rawLength is
        // kWritten for a line the program wrote.
        size_t rawBegin = 0;
        size_t rawLength = kWritten;
    };

    void AddLine(std::string text, size_t rawBegin, size_t rawLength, bool& inSection);
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

    std::string bytes_;
    std::vector<Line> lines_;
    // Sorted by hash, then line: generation asks a file for dozens of keys
    // and keeps thousands of files, so lookups must neither walk the file
    // nor chase scattered nodes.
    std::vector<Entry> entries_;
    // Where a new key goes: after the last line of the section; npos when
    // the file has no such section.
    size_t sectionEnd_ = std::string::npos;
};

} // namespace morvane
