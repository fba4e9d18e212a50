#include "TextTemplate.h"

#include "AsciiFold.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace morvane {

namespace {

size_t CharacterLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1; // stray byte: step over it alone
}

bool MatchesAt(std::string_view text, size_t pos, std::string_view placeholder)
{
    if (text.size() - pos < placeholder.size())
        return false;
    return AsciiFold::Same(text.substr(pos, placeholder.size()), placeholder);
}

// Leftmost exact occurrence of needle at or after from. Templates are full
// of CJK characters that share a handful of lead bytes, so a search that
// stops at every candidate first byte is slow; testing the first and the
// last byte of the needle sixteen positions at a time rarely stops wrongly.
size_t FindExact(std::string_view text, std::string_view needle, size_t from)
{
    const size_t n = needle.size();
    if (from > text.size() || text.size() - from < n)
        return std::string_view::npos;
    const char* const base = text.data();
    const size_t last = n - 1;
    const size_t lastStart = text.size() - n;
    const auto matchesAt = [&](size_t i) {
        return base[i] == needle[0] && base[i + last] == needle[last] && std::memcmp(base + i, needle.data(), n) == 0;
    };
    size_t i = from;
#if defined(__SSE2__)
    const __m128i firstBytes = _mm_set1_epi8(needle[0]);
    const __m128i lastBytes = _mm_set1_epi8(needle[last]);
    for (; i + 15 <= lastStart; i += 16) {
        const __m128i starts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + i));
        const __m128i ends = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + i + last));
        auto mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(starts, firstBytes), _mm_cmpeq_epi8(ends, lastBytes))));
        while (mask != 0) {
            const size_t at = i + static_cast<size_t>(__builtin_ctz(mask));
            if (std::memcmp(base + at, needle.data(), n) == 0)
                return at;
            mask &= mask - 1;
        }
    }
#endif
    for (; i <= lastStart; ++i) {
        if (matchesAt(i))
            return i;
    }
    return std::string_view::npos;
}

} // namespace

size_t TextTemplate::FindBytes(std::string_view text, std::string_view needle, size_t from)
{
    if (needle.empty())
        return from <= text.size() ? from : std::string_view::npos;
    return FindExact(text, needle, from);
}

size_t TextTemplate::FindPlaceholder(std::string_view text, std::string_view placeholder, size_t from)
{
    if (placeholder.empty() || from >= text.size())
        return std::string_view::npos;
    const auto first = static_cast<unsigned char>(placeholder.front());
    if (!AsciiFold::IsLetter(first) && (first & 0xC0) != 0x80) {
        // A byte that is no continuation byte always starts a character
        // (broken sequences are stepped over one byte at a time), so every
        // occurrence of the first byte is a candidate.
        bool hasLetter = false;
        for (const char c : placeholder)
            hasLetter = hasLetter || AsciiFold::IsLetter(static_cast<unsigned char>(c));
        if (hasLetter) {
            size_t at = text.find(static_cast<char>(first), from);
            while (at != std::string_view::npos && !MatchesAt(text, at, placeholder))
                at = text.find(static_cast<char>(first), at + 1);
            return at;
        }
        return FindExact(text, placeholder, from);
    }
    for (size_t pos = from; pos < text.size();) {
        if (MatchesAt(text, pos, placeholder))
            return pos;
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
        pos += step;
    }
    return std::string_view::npos;
}

std::string TextTemplate::SubstitutePlaceholder(std::string_view text, std::string_view placeholder,
                                                std::string_view value, long long maxCount)
{
    std::string result;
    if (placeholder.empty() || maxCount <= 0) {
        result = text;
        return result;
    }
    result.reserve(text.size() + value.size());
    size_t pos = 0;
    for (long long count = 0; count < maxCount; ++count) {
        const size_t at = FindPlaceholder(text, placeholder, pos);
        if (at == std::string_view::npos)
            break;
        result.append(text.substr(pos, at - pos));
        result.append(value);
        pos = at + placeholder.size();
    }
    result.append(text.substr(pos));
    return result;
}

void TextTemplate::SubstituteInPlace(std::string& text, std::string_view placeholder, std::string_view value,
                                     long long maxCount)
{
    if (placeholder.empty())
        return;
    size_t pos = 0;
    for (long long count = 0; count < maxCount; ++count) {
        const size_t at = FindPlaceholder(text, placeholder, pos);
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
        bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
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
