// Lenient numbers against plain references: a leading decimal number taken
// the long way, the C library in the C locale for reals and their text.
#include "FuzzSupport.h"
#include "Lenient.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

using namespace morvane;
using namespace morvane::fuzz;

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number at the start of text as the rule reads it, sign included.
std::string NumberPart(std::string_view text, bool withFraction)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    std::string part;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        part += text[i++];
    while (i < text.size() && IsDigit(text[i]))
        part += text[i++];
    if (withFraction && i < text.size() && text[i] == '.') {
        part += text[i++];
        while (i < text.size() && IsDigit(text[i]))
            part += text[i++];
    }
    return part;
}

std::int64_t ReferenceInteger(std::string_view text)
{
    const std::string part = NumberPart(text, false);
    const bool negative = !part.empty() && part[0] == '-';
    __int128 value = 0;
    for (const char c : part) {
        if (!IsDigit(c))
            continue;
        value = value * 10 + (c - '0');
        if (value > (static_cast<__int128>(1) << 64))
            value = static_cast<__int128>(1) << 64;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int64_t>::max())
        return std::numeric_limits<std::int64_t>::max();
    if (value < std::numeric_limits<std::int64_t>::min())
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

double ReferenceReal(std::string_view text)
{
    const std::string part = NumberPart(text, true);
    if (part.find_first_of("0123456789") == std::string::npos)
        return 0.0;
    return std::strtod(part.c_str(), nullptr); // this process keeps the C locale
}

bool SameDouble(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0 || (a == 0 && b == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Require(Lenient::ToInteger(text) == ReferenceInteger(text), "ToInteger");
    const std::int64_t integer = Lenient::ToInteger(text);
    const int expectedInt = integer > std::numeric_limits<int>::max()   ? std::numeric_limits<int>::max()
                            : integer < std::numeric_limits<int>::min() ? std::numeric_limits<int>::min()
                                                                        : static_cast<int>(integer);
    Require(Lenient::ToInt(text) == expectedInt, "ToInt");

    const double real = Lenient::ToReal(text);
    Require(SameDouble(real, ReferenceReal(text)), "ToReal");

    // Number text is printf's "%.13g", and reads back to within its digits.
    double value = 0;
    if (size >= sizeof value)
        std::memcpy(&value, data, sizeof value);
    for (const double x : {real, value}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.13g", x);
        const std::string written = Lenient::NumberText(x);
        Require(written == expected, "NumberText");
        if (std::isfinite(x) && written.find('e') == std::string::npos) {
            const double back = Lenient::ToReal(written);
            Require(std::fabs(back - x) <= std::fabs(x) * 1e-12 + 1e-300, "NumberText reads back");
        }
        const double cut = std::trunc(x);
        const std::int64_t expectedCut = std::isnan(x)                   ? 0
                                         : cut >= 9.2233720368547758e18  ? std::numeric_limits<std::int64_t>::max()
                                         : cut <= -9.2233720368547758e18 ? std::numeric_limits<std::int64_t>::min()
                                                                         : static_cast<std::int64_t>(cut);
        Require(Lenient::IntegerFromReal(x) == expectedCut, "IntegerFromReal");
    }
    return 0;
}
