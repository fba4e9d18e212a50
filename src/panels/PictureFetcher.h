#pragma once

#include "HttpClient.h"

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

namespace morvane {

// Fetches pictures for the canvas off the user-interface thread, so a slow
// picture host never freezes the designer. Each fetch belongs to a target
// (an element, the canvas): the picture is handed over on the
// user-interface thread when it arrives, unless the target is gone or a
// newer fetch for it has replaced this one. A busy cursor shows while any
// fetch is pending.
class PictureFetcher : public QObject {
    Q_OBJECT
public:
    static HttpClient::Limits DefaultLimits();

    explicit PictureFetcher(HttpClient::Limits limits = DefaultLimits(), QObject* parent = nullptr);
    // Cancels whatever is pending and returns at once.
    ~PictureFetcher() override;

    // deliver gets the decoded picture, or a null pixmap when nothing
    // usable arrived.
    void Fetch(const QString& address, QObject* target, std::function<void(const QPixmap&)> deliver);
    // Drops a pending fetch for the target, if any.
    void Cancel(QObject* target);
    int Pending() const { return static_cast<int>(pending_.size()); }

signals:
    void PendingChanged(int pending);

private:
    struct Request;
    void Finish(const std::shared_ptr<Request>& request, const QImage& image);
    void SetBusy(bool busy);

    HttpClient::Limits limits_;
    QHash<QObject*, std::shared_ptr<Request>> pending_;
    bool busy_ = false;
};

} // namespace morvane
