#pragma once

#include "HttpClient.h"

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

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
    // Cancels whatever is pending and waits for the workers to notice, which
    // takes a fraction of a second: a worker left running past the end of
    // the program would crash it on the way out.
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
    struct Worker;
    void Finish(const std::shared_ptr<Request>& request, const QImage& image);
    void JoinFinishedWorkers();
    void SetBusy(bool busy);

    HttpClient::Limits limits_;
    QHash<QObject*, std::shared_ptr<Request>> pending_;
    std::vector<Worker> workers_;
    bool busy_ = false;
};

} // namespace morvane
