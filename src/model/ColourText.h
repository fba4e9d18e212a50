#pragma once

#include <string>

namespace morvane {

// "#" and two upper-case hexadecimal digits for each of red, green and blue.
class ColourText {
public:
    static std::string FromRgb(int red, int green, int blue);
};

} // namespace morvane
