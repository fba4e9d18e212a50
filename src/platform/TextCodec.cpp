#include "TextCodec.h"

#include <cerrno>
#include <iconv.h>

namespace morvane {
namespace {

// One converter per direction and thread: opening a converter costs far more
// than converting a settings file, and the generator converts thousands.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (handle_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    void Append(std::string& out, std::string_view input, std::string_view replacement)
    {
        if (input.empty())
            return;
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            out += input;
            return;
        }
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        size_t written = out.size();
        out.resize(written + input.size() * 2 + 16);
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        while (inLeft > 0) {
            char* outPtr = out.data() + written;
            size_t outLeft = out.size() - written;
            size_t rc = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
            written = out.size() - outLeft;
            if (rc != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
            } else {
                // EILSEQ or EINVAL (truncated sequence at the end): put the
                // replacement in and step over one byte.
                if (out.size() - written < replacement.size() + 8)
                    out.resize(out.size() * 2 + 16);
                out.replace(written, replacement.size(), replacement);
                written += replacement.size();
                ++in;
                --inLeft;
                iconv(handle_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        out.resize(written);
    }

private:
    iconv_t handle_;
};

// Characters the C library's GB18030 tables get wrong for a round trip, with
// the bytes GB18030-2022 (and GBK, for the two-byte ones) gives them. The
// library can encode none of the 24 private-use characters, reads the
// two-byte codes FE51 and the like as CJK extension B characters, and writes
// those characters back as the two-byte codes; so those six characters take
// their own four-byte codes here.
struct Special {
    char32_t code;
    std::string_view bytes;
};
constexpr Special kSpecials[] = {
    {0xE78D, "\x84\x31\x82\x36"},  {0xE78E, "\x84\x31\x82\x38"},  {0xE78F, "\x84\x31\x82\x37"},
    {0xE790, "\x84\x31\x82\x39"},  {0xE791, "\x84\x31\x83\x30"},  {0xE792, "\x84\x31\x83\x31"},
    {0xE793, "\x84\x31\x83\x32"},  {0xE794, "\x84\x31\x83\x33"},  {0xE795, "\x84\x31\x83\x34"},
    {0xE796, "\x84\x31\x83\x35"},  {0xE81E, "\x82\x35\x90\x37"},  {0xE826, "\x82\x35\x90\x38"},
    {0xE82B, "\x82\x35\x90\x39"},  {0xE82C, "\x82\x35\x91\x30"},  {0xE832, "\x82\x35\x91\x31"},
    {0xE843, "\x82\x35\x91\x32"},  {0xE854, "\x82\x35\x91\x33"},  {0xE864, "\x82\x35\x91\x34"},
    {0xE816, "\xFE\x51"},          {0xE817, "\xFE\x52"},          {0xE818, "\xFE\x53"},
    {0xE831, "\xFE\x6C"},          {0xE83B, "\xFE\x76"},          {0xE855, "\xFE\x91"},
    {0x20087, "\x95\x32\x90\x31"}, {0x20089, "\x95\x32\x90\x33"}, {0x200CC, "\x95\x32\x97\x30"},
    {0x215D7, "\x95\x36\xB9\x37"}, {0x2298F, "\x96\x30\xBA\x35"}, {0x241FE, "\x96\x35\xB6\x30"},
};

const Special* SpecialForCode(char32_t code)
{
    for (const Special& special : kSpecials) {
        if (special.code == code)
            return &special;
    }
    return nullptr;
}

const Special* SpecialForBytes(std::string_view token)
{
    for (const Special& special : kSpecials) {
        if (special.bytes == token)
            return &special;
    }
    return nullptr;
}

unsigned char Byte(std::string_view text, size_t i)
{
    return static_cast<unsigned char>(text[i]);
}

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    }
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
}

// Length of the GB18030 character starting at i: 1, 2 or 4 bytes, judged by
// the byte ranges alone (a malformed lead byte counts as one).
size_t TokenLength(std::string_view bytes, size_t i)
{
    const unsigned char lead = Byte(bytes, i);
    if (lead < 0x81 || lead == 0xFF || i + 1 >= bytes.size())
        return 1;
    const unsigned char second = Byte(bytes, i + 1);
    if (second >= 0x30 && second <= 0x39)
        return i + 3 < bytes.size() ? 4 : 1;
    if (second >= 0x40 && second <= 0xFE && second != 0x7F)
        return 2;
    return 1;
}

} // namespace

std::string TextCodec::Gb18030ToUtf8(std::string_view bytes)
{
    thread_local Converter converter("UTF-8", "GB18030");
    constexpr std::string_view replacement = "\xEF\xBF\xBD";
    std::string out;
    size_t runStart = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        const size_t length = TokenLength(bytes, i);
        const unsigned char lead = Byte(bytes, i);
        const Special* special = length > 1 && (lead == 0x82 || lead == 0x84 || lead == 0xFE)
                                     ? SpecialForBytes(bytes.substr(i, length))
                                     : nullptr;
        if (special) {
            converter.Append(out, bytes.substr(runStart, i - runStart), replacement);
            AppendUtf8(out, special->code);
            runStart = i + length;
        }
        i += length;
    }
    converter.Append(out, bytes.substr(runStart), replacement);
    return out;
}

std::string TextCodec::Utf8ToGb18030(std::string_view text)
{
    thread_local Converter converter("GB18030", "UTF-8");
    constexpr std::string_view replacement = "?";
    std::string out;
    size_t runStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        // Every special character is U+E000-U+EFFF (lead byte EE) or
        // U+20000-U+2FFFF (lead byte F0).
        const unsigned char lead = Byte(text, i);
        char32_t code = 0;
        size_t length = 0;
        if (lead == 0xEE && i + 2 < text.size() && IsContinuation(Byte(text, i + 1)) &&
            IsContinuation(Byte(text, i + 2))) {
            code = 0xE000 | ((Byte(text, i + 1) & 0x3Fu) << 6) | (Byte(text, i + 2) & 0x3Fu);
            length = 3;
        } else if (lead == 0xF0 && i + 3 < text.size() && IsContinuation(Byte(text, i + 1)) &&
                   IsContinuation(Byte(text, i + 2)) && IsContinuation(Byte(text, i + 3))) {
            code =
                ((Byte(text, i + 1) & 0x3Fu) << 12) | ((Byte(text, i + 2) & 0x3Fu) << 6) | (Byte(text, i + 3) & 0x3Fu);
            length = code >= 0x10000 ? 4 : 0; // shorter ones are overlong forms
        }
        const Special* special = length > 0 ? SpecialForCode(code) : nullptr;
        if (!special)
            continue;
        converter.Append(out, text.substr(runStart, i - runStart), replacement);
        out += special->bytes;
        i += length - 1;
        runStart = i + 1;
    }
    converter.Append(out, text.substr(runStart), replacement);
    return out;
}

} // namespace morvane
