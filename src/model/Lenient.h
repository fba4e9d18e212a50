#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

// The forgiving number reading used wherever a stored text is taken as a
// number: leading blanks are skipped, an optional sign and the digits after
// it are taken, and anything else ends the number. No number reads as 0.
class Lenient {
public:
    // Saturates at the limits of int64 instead of overflowing.
    static std::int64_t ToInteger(std::string_view text);
    // ToInteger clamped into int, for pixel geometry.
    static int ToInt(std::string_view text);
    static double ToReal(std::string_view text);
    // Cuts the fraction off, toward zero; saturates like ToInteger.
    static std::int64_t IntegerFromReal(double value);
    // Decimal text in the shortest general form with at most 13 significant
    // digits ("%.13g"): 950 -> "950", -0.5 -> "-0.5".
    static std::string NumberText(double value);
};

} // namespace morvane
