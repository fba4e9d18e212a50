#pragma once

#include <string>
#include <string_view>

namespace morvane {

class TextTemplate {
public:
    // Position of the leftmost occurrence of placeholder at or after from,
    // under the matching rule below, or npos.
    static size_t FindPlaceholder(std::string_view text, std::string_view placeholder, size_t from = 0);

    // Leftmost exact occurrence of needle at or after from, or npos; quick
    // for the HTML and CJK text of templates.
    static size_t FindBytes(std::string_view text, std::string_view needle, size_t from = 0);

    // Replaces at most maxCount leftmost occurrences of placeholder by value.
    // ASCII letters compare case-insensitively; every other byte must match,
    // and a match only starts on a character boundary.
    static std::string SubstitutePlaceholder(std::string_view text, std::string_view placeholder,
                                             std::string_view value, long long maxCount);

    // Same result as SubstitutePlaceholder, written back into text; avoids a
    // copy of the whole text per step where an emitter applies many steps.
    static void SubstituteInPlace(std::string& text, std::string_view placeholder, std::string_view value,
                                  long long maxCount);

    // %XX for every byte except ASCII letters, digits and "-.".
    static std::string PercentEncodeUtf8(std::string_view text);
};

} // namespace morvane
