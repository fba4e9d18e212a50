#include "SettingsFile.h"

#include "AsciiFold.h"
#include "TextCodec.h"

#include <algorithm>

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

std::uint64_t FoldedHash(std::string_view key)
{
    // FNV-1a over the folded bytes.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : key) {
        hash ^= AsciiFold::Fold(static_cast<unsigned char>(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

bool EntryBefore(std::uint64_t hash, size_t line, std::uint64_t otherHash, size_t otherLine)
{
    return hash != otherHash ? hash < otherHash : line < otherLine;
}

bool IsQuoted(std::string_view s)
{
    return s.size() >= 2 && s.front() == '"' && s.back() == '"';
}

// True for a "[name]" line, giving its name.
bool SectionName(std::string_view line, std::string_view& name)
{
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[')
        return false;
    const size_t close = trimmed.find(']');
    name = Trim(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return true;
}

} // namespace

SettingsFile SettingsFile::FromBytes(std::string bytes)
{
    SettingsFile file;
    file.bytes_ = std::move(bytes);
    const std::string_view all = file.bytes_;
    bool inSection = false;
    size_t pos = 0;
    // A line feed is never part of a GB18030 character, so lines can be cut
    // apart before decoding, and each decoded on its own.
    while (pos < all.size()) {
        size_t end = all.find('\n', pos);
        end = end == std::string_view::npos ? all.size() : end + 1;
        std::string_view content = all.substr(pos, end - pos);
        if (!content.empty() && content.back() == '\n')
            content.remove_suffix(1);
        if (!content.empty() && content.back() == '\r')
            content.remove_suffix(1);
        file.AddLine(TextCodec::Gb18030ToUtf8(content), pos, end - pos, inSection);
        pos = end;
    }
    std::sort(file.entries_.begin(), file.entries_.end(),
              [](const Entry& a, const Entry& b) { return EntryBefore(a.hash, a.line, b.hash, b.line); });
    return file;
}

void SettingsFile::AddLine(std::string text, size_t rawBegin, size_t rawLength, bool& inSection)
{
    const size_t index = lines_.size();
    lines_.push_back({std::move(text), rawBegin, rawLength});
    const std::string_view line = lines_.back().text;
    std::string_view name;
    if (SectionName(line, name)) {
        inSection = name == Section;
        if (inSection)
            sectionEnd_ = index + 1;
        return;
    }
    if (!inSection)
        return;
    sectionEnd_ = index + 1;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return;
    const std::string_view key = Trim(line.substr(0, eq));
    if (!key.empty())
        entries_.push_back({FoldedHash(key), index});
}

size_t SettingsFile::Find(std::string_view key) const
{
    const std::uint64_t hash = FoldedHash(key);
    auto it = std::lower_bound(entries_.begin(), entries_.end(), hash,
                               [](const Entry& entry, std::uint64_t h) { return entry.hash < h; });
    // Entries of one hash are in line order, so the first equal key is the
    // key's first line.
    for (; it != entries_.end() && it->hash == hash; ++it) {
        const std::string_view line = lines_[it->line].text;
        if (AsciiFold::Same(Trim(line.substr(0, line.find('='))), key))
            return it->line;
    }
    return std::string::npos;
}

void SettingsFile::AddEntry(std::string_view key, size_t line)
{
    const std::uint64_t hash = FoldedHash(key);
    const auto at =
        std::lower_bound(entries_.begin(), entries_.end(), Entry{hash, line},
                         [](const Entry& a, const Entry& b) { return EntryBefore(a.hash, a.line, b.hash, b.line); });
    entries_.insert(at, Entry{hash, line});
}

std::string_view SettingsFile::StoredValue(size_t line) const
{
    const std::string& text = lines_[line].text;
    return std::string_view(text).substr(text.find('=') + 1);
}

std::string SettingsFile::Value(std::string_view key) const
{
    const size_t line = Find(key);
    return line == std::string::npos ? std::string() : DecodeValue(StoredValue(line));
}

bool SettingsFile::Has(std::string_view key) const
{
    return Find(key) != std::string::npos;
}

void SettingsFile::SetValue(std::string_view key, std::string_view value)
{
    std::string line = std::string(key) + "=" + EncodeValue(value);
    if (const size_t existing = Find(key); existing != std::string::npos) {
        lines_[existing] = {std::move(line)};
        return;
    }
    if (sectionEnd_ == std::string::npos) {
        lines_.push_back({"[" + std::string(Section) + "]"});
        sectionEnd_ = lines_.size();
    }
    const size_t at = sectionEnd_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(line)});
    // Shifting lines keeps the order of entries with one hash.
    for (Entry& entry : entries_) {
        if (entry.line >= at)
            ++entry.line;
    }
    AddEntry(key, at);
    ++sectionEnd_;
}

std::string SettingsFile::ToBytes() const
{
    std::string bytes;
    bytes.reserve(bytes_.size() + 64);
    for (size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.rawLength == kWritten) {
            bytes += TextCodec::Utf8ToGb18030(line.text);
            bytes += "\r\n";
            continue;
        }
        bytes.append(bytes_, line.rawBegin, line.rawLength);
        // Only the file's last line can lack its line end (or have only the
        // CR of one); a line after it needs one.
        if (i + 1 < lines_.size() && bytes.back() != '\n')
            bytes += bytes.back() == '\r' ? "\n" : "\r\n";
    }
    return bytes;
}

std::string SettingsFile::EncodeValue(std::string_view value)
{
    const bool needsQuotes = (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()))) || IsQuoted(value) ||
                             value.find_first_of("\r\n") != std::string_view::npos;
    if (!needsQuotes)
        return std::string(value);
    std::string out = "\"";
    for (const char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
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
    const std::string_view inner = value.substr(1, value.size() - 2);
    std::string out;
    out.reserve(inner.size());
    for (size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == '\\' && i + 1 < inner.size()) {
            const char next = inner[i + 1];
            if (next == '\\' || next == 'r' || next == 'n') {
                out += next == '\\' ? '\\' : next == 'r' ? '\r' : '\n';
                ++i;
                continue;
            }
        }
        out += inner[i];
    }
    // Escapes belong to the form this program writes. A value quoted by
    // someone else, such as "C:\new\table", only loses its quotes.
    if (EncodeValue(out) != value)
        return std::string(inner);
    return out;
}

} // namespace morvane
