#pragma once

#include "Kind.h"

#include <QString>

#include <optional>

namespace morvane {

// The kind words as the widgets show and compare them. Records keep them as
// UTF-8 text; everything else works with Kind.
class KindWords {
public:
    static QString Of(Kind kind);
    // The kind a stored word names; nullopt for any other text.
    static std::optional<Kind> From(const QString& word);
};

} // namespace morvane
