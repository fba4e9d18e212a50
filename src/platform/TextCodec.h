#pragma once

#include <string>
#include <string_view>

namespace morvane {

// Conversion between the program's inner UTF-8 and the GB18030 bytes it
// speaks at every file and network boundary. GB18030 equals GBK for every GBK
// character and can hold every other one, so nothing the user types is lost.
// Both directions are lenient: a byte sequence that cannot be decoded becomes
// U+FFFD (or "?" towards GB18030) and conversion goes on behind it.
class TextCodec {
public:
    static std::string Gb18030ToUtf8(std::string_view bytes);
    static std::string Utf8ToGb18030(std::string_view text);
};

} // namespace morvane
