// Design files: any bytes either read as a design or give a reason, never
// a crash; a design that reads writes a text that reads back as the same
// design and writes again byte for byte.
#include "DesignJson.h"
#include "FuzzSupport.h"

#include <cstdint>

using namespace morvane;
using namespace morvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DesignJson::DesignReading reading = DesignJson::DesignFromText(bytes);
    Require(reading.design.has_value() != !reading.problem.empty(), "a design or a reason, never both");
    if (!reading.design)
        return 0;
    const std::string written = DesignJson::DesignToText(*reading.design);
    const DesignJson::DesignReading again = DesignJson::DesignFromText(written);
    Require(again.design.has_value(), "what was written reads back");
    Require(*again.design == *reading.design, "the same design");
    Require(DesignJson::DesignToText(*again.design) == written, "written again byte for byte");
    return 0;
}
