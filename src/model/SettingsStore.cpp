#include "SettingsStore.h"

#include "ComponentKind.h"
#include "FileSystem.h"
#include "TextCodec.h"

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

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool SameAsciiFolded(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

} // namespace

SettingsStore::SettingsStore(std::string programDirectory) : programDirectory_(std::move(programDirectory)) {}

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
}

std::string SettingsStore::ReadValue(const std::string& path, std::string_view key)
{
    return SettingsFile::Load(path).Value(key);
}

void SettingsStore::WriteValue(const std::string& path, std::string_view key, std::string_view value)
{
    const std::string line = std::string(key) + "=" + SettingsFile::EncodeValue(value);
    const auto bytes = FileSystem::ReadWholeFile(path);
    const std::string text = bytes ? TextCodec::Gb18030ToUtf8(*bytes) : std::string();

    // Rewrite line by line: replace the key's first line in the section, or
    // add it at the end of the section (creating the section if needed).
    std::string out;
    bool inSection = false;
    bool sectionSeen = false;
    bool written = false;
    size_t pos = 0;
    auto finishSection = [&]() {
        if (inSection && !written) {
            out += line + "\r\n";
            written = true;
        }
    };
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string_view raw = std::string_view(text).substr(pos, end - pos);
        pos = end + 1;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        const std::string_view trimmed = TrimBlanks(raw);
        if (!trimmed.empty() && trimmed.front() == '[') {
            finishSection();
            const size_t close = trimmed.find(']');
            const std::string_view name = TrimBlanks(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
            inSection = name == SettingsFile::Section;
            sectionSeen = sectionSeen || inSection;
            out.append(raw);
            out += "\r\n";
            continue;
        }
        if (inSection && !written) {
            const size_t eq = raw.find('=');
            if (eq != std::string_view::npos && SameAsciiFolded(TrimBlanks(raw.substr(0, eq)), key)) {
                out += line + "\r\n";
                written = true;
                continue;
            }
        }
        out.append(raw);
        out += "\r\n";
    }
    finishSection();
    if (!sectionSeen)
        out += "[" + std::string(SettingsFile::Section) + "]\r\n" + line + "\r\n";
    FileSystem::WriteFileAtomically(path, TextCodec::Utf8ToGb18030(out));
}

} // namespace morvane
