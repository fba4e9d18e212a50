#pragma once

#include <QPixmap>
#include <QString>

namespace morvane {

// Fetches a picture for the canvas. The fetch blocks the caller, with a busy
// cursor, but never longer than its timeouts; a body that does not decode
// gives a null pixmap.
class PictureDownload {
public:
    static QPixmap Fetch(const QString& address);
};

} // namespace morvane
