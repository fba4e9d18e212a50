#include "KindTable.h"

namespace morvane {

std::optional<Kind> KindTable::FromWord(std::string_view word)
{
    for (const KindInfo& info : kinds::kTable) {
        if (info.word == word)
            return info.kind;
    }
    return std::nullopt;
}

} // namespace morvane
