#include "Lenient.h"

#include <cmath>
#include <cstdio>
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
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        if (value > (limit - digit) / 10) {
            value = limit;
            while (i < text.size() && IsDigit(text[i]))
                ++i;
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
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
    // Collect only the characters that belong to the number, so strtod never
    // sees exponents, hexadecimal forms or "inf" that the rule does not know.
    std::string digits;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        digits += text[i];
    if (i < text.size() && text[i] == '.') {
        digits += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            digits += text[i];
    }
    if (digits.empty() || digits == ".")
        return 0.0;
    return sign * std::strtod(digits.c_str(), nullptr);
}

std::int64_t Lenient::IntegerFromReal(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double high = 9.2233720368547748e18;
    if (value >= high)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -high)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::trunc(value));
}

std::string Lenient::NumberText(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.13g", value);
    return buffer;
}

} // namespace morvane
