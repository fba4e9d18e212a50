#pragma once

#include <string>

namespace morvane {

// State of one generation run, shared by the driver and every emitter.
struct GenerationContext {
    static constexpr const char* Paused = "暂停";
    static constexpr const char* Running = "开始";

    std::string code;
    int currentRow = 0;
    std::string statusWord;
};

} // namespace morvane
