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

    std::string run(std::string_view input, std::string_view replacement)
    {
        std::string out;
        if (input.empty())
            return out;
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            return std::string(input);
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        out.resize(input.size() * 2 + 16);
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        size_t written = 0;
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
        return out;
    }

private:
    iconv_t handle_;
};

} // namespace

std::string TextCodec::Gb18030ToUtf8(std::string_view bytes)
{
    thread_local Converter converter("UTF-8", "GB18030");
    return converter.run(bytes, "\xEF\xBF\xBD");
}

std::string TextCodec::Utf8ToGb18030(std::string_view text)
{
    thread_local Converter converter("GB18030", "UTF-8");
    return converter.run(text, "?");
}

} // namespace morvane
