#pragma once

#include "Kind.h"

#include <QPixmap>
#include <QSize>
#include <QString>

#include <optional>

namespace morvane {

// The program's own artwork, drawn once on first use and shared: one
// placeholder picture per component kind, the ruler, the logo and the
// toolbar background.
class Artwork {
public:
    // The placeholder of a kind; the general picture for kinds without one
    // of their own (and for the prototype, nullopt).
    static const QPixmap& Placeholder(std::optional<Kind> kind);
    // A 980 x 18 pixel scale whose zero mark is 2 pixels from its left edge.
    static const QPixmap& Ruler();
    static const QPixmap& Logo();
};

} // namespace morvane
