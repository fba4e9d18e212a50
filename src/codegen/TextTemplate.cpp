#include "TextTemplate.h"

namespace morvane {

namespace {

unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

size_t CharacterLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1; // stray byte: step over it alone
}

bool MatchesAt(std::string_view text, size_t pos, std::string_view placeholder)
{
    if (text.size() - pos < placeholder.size())
        return false;
    for (size_t i = 0; i < placeholder.size(); ++i) {
        auto a = static_cast<unsigned char>(text[pos + i]);
        auto b = static_cast<unsigned char>(placeholder[i]);
        if (a != b && (a >= 0x80 || FoldAscii(a) != FoldAscii(b)))
            return false;
    }
    return true;
}

} // namespace

std::string TextTemplate::SubstitutePlaceholder(std::string_view text, std::string_view placeholder,
                                                std::string_view value, long long maxCount)
{
    if (text.empty() || placeholder.empty() || maxCount <= 0)
        return std::string(text);
    std::string result;
    result.reserve(text.size() + value.size());
    long long count = 0;
    size_t pos = 0;
    const auto first = static_cast<unsigned char>(placeholder.front());
    const bool isLetter = (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z');
    if (!isLetter && (first & 0xC0) != 0x80) {
        // A byte that is no continuation byte always starts a character
        // (broken sequences are stepped over one byte at a time), so every
        // occurrence of the first byte is a candidate and the rest is copied
        // in bulk.
        while (count < maxCount) {
            size_t at = text.find(static_cast<char>(first), pos);
            while (at != std::string_view::npos && !MatchesAt(text, at, placeholder))
                at = text.find(static_cast<char>(first), at + 1);
            if (at == std::string_view::npos)
                break;
            result.append(text.substr(pos, at - pos));
            result.append(value);
            pos = at + placeholder.size();
            ++count;
        }
        result.append(text.substr(pos));
        return result;
    }
    while (pos < text.size()) {
        if (count < maxCount && MatchesAt(text, pos, placeholder)) {
            result.append(value);
            pos += placeholder.size();
            ++count;
            if (count == maxCount) {
                result.append(text.substr(pos));
                return result;
            }
            continue;
        }
        size_t step = CharacterLength(static_cast<unsigned char>(text[pos]));
        // A broken sequence is stepped over one byte at a time, so a
        // placeholder right behind it is still found.
        if (step > text.size() - pos)
            step = 1;
        for (size_t i = 1; i < step; ++i) {
            if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) {
                step = 1;
                break;
            }
        }
        result.append(text.substr(pos, step));
        pos += step;
    }
    return result;
}

void TextTemplate::SubstituteInPlace(std::string& text, std::string_view placeholder,
                                     std::string_view value, long long maxCount)
{
    if (text.empty() || placeholder.empty() || maxCount <= 0)
        return;
    const auto first = static_cast<unsigned char>(placeholder.front());
    const bool isLetter = (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z');
    if (isLetter || (first & 0xC0) == 0x80) {
        text = SubstitutePlaceholder(text, placeholder, value, maxCount);
        return;
    }
    size_t pos = 0;
    for (long long count = 0; count < maxCount; ++count) {
        size_t at = text.find(static_cast<char>(first), pos);
        while (at != std::string::npos && !MatchesAt(text, at, placeholder))
            at = text.find(static_cast<char>(first), at + 1);
        if (at == std::string::npos)
            return;
        text.replace(at, placeholder.size(), value);
        pos = at + value.size();
    }
}

std::string TextTemplate::PercentEncodeUtf8(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')
                     || c == '-' || c == '.';
        if (plain) {
            out.push_back(ch);
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0x0F]);
        }
    }
    return out;
}

} // namespace morvane
