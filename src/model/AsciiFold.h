#pragma once

#include <cstddef>
#include <string_view>

namespace morvane {

// The one comparison rule for keys and placeholders: ASCII letters compare
// without case, every other byte only equals itself, so a multi-byte
// character matches nothing but the same character.
class AsciiFold {
public:
    static constexpr bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

    static constexpr unsigned char Fold(unsigned char c)
    {
        return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
    }

    static constexpr bool SameByte(char a, char b)
    {
        return Fold(static_cast<unsigned char>(a)) == Fold(static_cast<unsigned char>(b));
    }

    static constexpr bool Same(std::string_view a, std::string_view b)
    {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i) {
            if (!SameByte(a[i], b[i]))
                return false;
        }
        return true;
    }
};

} // namespace morvane
