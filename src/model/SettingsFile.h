#pragma once

#include <string>
#include <string_view>
#include <utility>
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

private:
    // Raw values as they stand after the "=" in the file, first one per key.
    std::vector<std::pair<std::string, std::string>> entries_;
};

} // namespace morvane
