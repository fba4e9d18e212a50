#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// What the fuzz targets share: a failed property stops the run the way a
// crash does, so libFuzzer saves the input; and valid UTF-8 text made of the
// characters the program meets.
namespace morvane::fuzz {

inline void Require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

template <typename T> const T& Pick(FuzzedDataProvider& provider, const std::vector<T>& list)
{
    return list[provider.ConsumeIntegralInRange<size_t>(0, list.size() - 1)];
}

inline void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

inline bool IsValidUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if ((byte & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (byte & 0x3F);
        }
        const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// One character: mostly ASCII and CJK, with the private-use characters and
// their neighbours that the C library's GB18030 tables get wrong, and any
// other scalar value now and then.
inline char32_t Character(FuzzedDataProvider& provider)
{
    static const std::vector<char32_t> awkward = {0xE78D,  0xE796,  0xE816, 0xE817, 0xE818,  0xE81E,  0xE826,  0xE82B,
                                                  0xE82C,  0xE831,  0xE832, 0xE83B, 0xE843,  0xE854,  0xE855,  0xE864,
                                                  0xFE10,  0xFE19,  0x9FB4, 0x9FBB, 0x20087, 0x20089, 0x200CC, 0x215D7,
                                                  0x2298F, 0x241FE, 0xFFFD, 0x20AC, 0xE000,  0xE5E5,  0xE7C7,  0x1E3F,
                                                  0x01F9,  0x3000,  0xFF01, 0x00B7, 0x2014,  0x30FB,  0x2E81,  0x4DAE};
    switch (provider.ConsumeIntegralInRange<int>(0, 7)) {
    case 0:
    case 1:
    case 2:
        return provider.ConsumeIntegralInRange<char32_t>(0x20, 0x7E);
    case 3:
    case 4:
        return provider.ConsumeIntegralInRange<char32_t>(0x4E00, 0x9FFF);
    case 5:
        return Pick(provider, awkward);
    case 6: {
        const char32_t code = provider.ConsumeIntegralInRange<char32_t>(0x80, 0xFFFF);
        return code >= 0xD800 && code <= 0xDFFF ? 0xFFFD : code;
    }
    default:
        return provider.ConsumeIntegralInRange<char32_t>(0, 0x10FFFF) & (provider.ConsumeBool() ? 0x1F : 0x10FFFF);
    }
}

inline std::string Text(FuzzedDataProvider& provider, size_t maxCharacters)
{
    std::string text;
    const size_t count = provider.ConsumeIntegralInRange<size_t>(0, maxCharacters);
    for (size_t i = 0; i < count && provider.remaining_bytes() > 0; ++i) {
        char32_t code = Character(provider);
        if (code >= 0xD800 && code <= 0xDFFF)
            code = 0xFFFD;
        AppendUtf8(text, code);
    }
    return text;
}

// Text put together from placeholder words, small pieces (broken UTF-8
// among them) and short runs of fuzzed bytes, so that values and templates
// run into each other's placeholders.
inline std::string Piecework(FuzzedDataProvider& provider, size_t maxPieces, const std::vector<std::string>& words,
                             const std::vector<std::string>& pieces)
{
    std::string text;
    const size_t count = provider.ConsumeIntegralInRange<size_t>(0, maxPieces);
    for (size_t i = 0; i < count && provider.remaining_bytes() > 0; ++i) {
        switch (provider.ConsumeIntegralInRange<int>(0, 4)) {
        case 0:
        case 1:
            text += Pick(provider, words);
            break;
        case 2:
            text += provider.ConsumeRandomLengthString(6);
            break;
        default:
            text += Pick(provider, pieces);
        }
    }
    return text;
}

} // namespace morvane::fuzz
