#pragma once

#include "Kind.h"

#include <string>

namespace morvane {

// State of one generation run, shared by the driver and every emitter.
struct GenerationContext {
    std::string code;
    int currentRow = 0;
    Kind currentKind = Kind::Picture;
};

} // namespace morvane
