#include "ColourText.h"

#include <algorithm>
#include <cstdio>

namespace morvane {

std::string ColourText::FromRgb(int red, int green, int blue)
{
    auto clamp = [](int v) { return std::clamp(v, 0, 255); };
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", clamp(red), clamp(green), clamp(blue));
    return buffer;
}

} // namespace morvane
