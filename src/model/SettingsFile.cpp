#include "SettingsFile.h"

#include "FileSystem.h"
#include "TextCodec.h"

namespace morvane {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Keys compare like the platform's profile functions: ASCII letters without
// regard to case, every other byte exactly.
bool SameKey(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

bool IsQuoted(std::string_view s)
{
    return s.size() >= 2 && s.front() == '"' && s.back() == '"';
}

} // namespace

SettingsFile SettingsFile::Load(const std::string& path)
{
    const auto bytes = FileSystem::ReadWholeFile(path);
    if (!bytes)
        return {};
    return Parse(TextCodec::Gb18030ToUtf8(*bytes));
}

SettingsFile SettingsFile::Parse(std::string_view text)
{
    SettingsFile file;
    bool inSection = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::string_view trimmed = Trim(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const size_t close = trimmed.find(']');
            const std::string_view name = Trim(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
            inSection = name == Section;
            continue;
        }
        if (!inSection)
            continue;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string_view key = Trim(line.substr(0, eq));
        if (key.empty() || file.Has(key))
            continue;
        file.entries_.emplace_back(std::string(key), std::string(line.substr(eq + 1)));
    }
    return file;
}

std::string SettingsFile::Value(std::string_view key) const
{
    for (const auto& [k, v] : entries_) {
        if (SameKey(k, key))
            return DecodeValue(v);
    }
    return {};
}

bool SettingsFile::Has(std::string_view key) const
{
    for (const auto& entry : entries_) {
        if (SameKey(entry.first, key))
            return true;
    }
    return false;
}

std::string SettingsFile::EncodeValue(std::string_view value)
{
    const bool needsQuotes = (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())))
        || IsQuoted(value) || value.find_first_of("\r\n") != std::string_view::npos;
    if (!needsQuotes)
        return std::string(value);
    std::string out = "\"";
    for (const char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
    out += '"';
    return out;
}

std::string SettingsFile::DecodeValue(std::string_view stored)
{
    std::string_view value = Trim(stored);
    if (!IsQuoted(value))
        return std::string(value);
    value = value.substr(1, value.size() - 2);
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[i + 1];
            if (next == '\\' || next == 'r' || next == 'n') {
                out += next == '\\' ? '\\' : next == 'r' ? '\r' : '\n';
                ++i;
                continue;
            }
        }
        out += value[i];
    }
    return out;
}

} // namespace morvane
