// GB18030 <-> UTF-8: whatever bytes come in, decoding gives valid UTF-8 that
// survives a round trip; text the program holds survives one too.
#include "FuzzSupport.h"
#include "TextCodec.h"

#include <cstdint>

using namespace morvane;
using namespace morvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string decoded = TextCodec::Gb18030ToUtf8(bytes);
    Require(IsValidUtf8(decoded), "decoding gives valid UTF-8");
    Require(TextCodec::Gb18030ToUtf8(TextCodec::Utf8ToGb18030(decoded)) == decoded, "decoded text round-trips");
    // Bytes that are no UTF-8 still give something that decodes.
    Require(IsValidUtf8(TextCodec::Gb18030ToUtf8(TextCodec::Utf8ToGb18030(bytes))), "encoding any bytes");

    FuzzedDataProvider provider(data, size);
    const std::string text = Text(provider, 64);
    Require(TextCodec::Gb18030ToUtf8(TextCodec::Utf8ToGb18030(text)) == text, "text round-trips");
    return 0;
}
