#include "PictureDownload.h"

#include "HttpClient.h"

#include <QApplication>
#include <QImage>

namespace morvane {

QPixmap PictureDownload::Fetch(const QString& address)
{
    HttpClient::Limits limits;
    limits.connectTimeoutMs = 3000;
    limits.totalTimeoutMs = 8000;
    limits.maxBodyBytes = 20 * 1024 * 1024;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto body = HttpClient::Get(address.toStdString(), limits);
    QApplication::restoreOverrideCursor();
    if (!body)
        return {};
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(body->data()), static_cast<int>(body->size())))
        return {};
    return QPixmap::fromImage(image);
}

} // namespace morvane
