#include "Lenient.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace morvane {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::int64_t Lenient::ToInteger(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The magnitude is gathered unsigned, so the negative side reaches the
    // whole of its range (down to -2^63), one more than the positive side.
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
    std::uint64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        const auto digit = static_cast<std::uint64_t>(text[i] - '0');
        if (magnitude > (limit - digit) / 10) {
            magnitude = limit;
            break;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (!negative)
        return static_cast<std::int64_t>(magnitude);
    // -(magnitude - 1) - 1 stays inside int64 even for 2^63.
    return magnitude == 0 ? 0 : -static_cast<std::int64_t>(magnitude - 1) - 1;
}

int Lenient::ToInt(std::string_view text)
{
    const std::int64_t value = ToInteger(text);
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

double Lenient::ToReal(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    double sign = 1.0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? -1.0 : 1.0;
        ++i;
    }
    // Collect only the characters that belong to the number, so the
    // conversion never sees exponents, hexadecimal forms or "inf" that the
    // rule does not know. from_chars reads them with "." as the decimal
    // point whatever the user's locale says.
    std::string digits;
    size_t integerDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        digits += text[i];
        if (text[i] != '0' || integerDigits > 0)
            ++integerDigits;
    }
    if (i < text.size() && text[i] == '.') {
        digits += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            digits += text[i];
    }
    if (digits.empty() || digits == ".")
        return 0.0;
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: infinity or zero, as the C
        // library's conversion gives.
        value = integerDigits > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return sign * value;
}

std::int64_t Lenient::IntegerFromReal(double value)
{
    if (std::isnan(value))
        return 0;
    // 2^63: every double below it fits, the largest of them exactly.
    constexpr double high = 9223372036854775808.0;
    if (value >= high)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -high)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::trunc(value));
}

std::string Lenient::NumberText(double value)
{
    // The same text as printf's "%.13g" in the C locale; to_chars never
    // writes a locale's decimal comma, which a browser would not read.
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
    (void)error; // 64 bytes hold every double in this form
    return std::string(buffer, end);
}

} // namespace morvane
