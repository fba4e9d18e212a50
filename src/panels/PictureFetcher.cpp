#include "PictureFetcher.h"

#include <QApplication>
#include <QImage>
#include <QPointer>

#include <atomic>
#include <thread>

namespace morvane {

struct PictureFetcher::Request {
    QPointer<QObject> target;
    std::function<void(const QPixmap&)> deliver;
    std::atomic<bool> cancelled{false};
    QMetaObject::Connection targetGone;
};

struct PictureFetcher::Worker {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> done;
};

HttpClient::Limits PictureFetcher::DefaultLimits()
{
    HttpClient::Limits limits;
    limits.connectTimeoutMs = 3000;
    limits.totalTimeoutMs = 8000;
    limits.maxBodyBytes = 20 * 1024 * 1024;
    return limits;
}

PictureFetcher::PictureFetcher(HttpClient::Limits limits, QObject* parent) : QObject(parent), limits_(limits)
{
}

PictureFetcher::~PictureFetcher()
{
    for (const auto& request : pending_)
        request->cancelled.store(true);
    for (Worker& worker : workers_)
        worker.thread.join();
    SetBusy(false);
}

void PictureFetcher::JoinFinishedWorkers()
{
    std::erase_if(workers_, [](Worker& worker) {
        if (!worker.done->load())
            return false;
        worker.thread.join();
        return true;
    });
}

void PictureFetcher::Fetch(const QString& address, QObject* target, std::function<void(const QPixmap&)> deliver)
{
    Cancel(target);
    auto request = std::make_shared<Request>();
    request->target = target;
    request->deliver = std::move(deliver);
    // A removed element takes its pending picture with it.
    request->targetGone = connect(target, &QObject::destroyed, this, [this, target] { Cancel(target); });
    pending_.insert(target, request);
    SetBusy(true);
    emit PendingChanged(Pending());

    // The worker shares only the request and its own copies with this
    // object, and posts the result to it; the destructor waits for every
    // worker, so this object is there for as long as a worker runs.
    // Cancelled requests leave their worker behind; collect those first.
    JoinFinishedWorkers();
    auto done = std::make_shared<std::atomic<bool>>(false);
    std::thread thread([this, request, done, url = address.toStdString(), limits = limits_] {
        const auto body = HttpClient::Get(url, limits, &request->cancelled);
        QImage image;
        if (body && !request->cancelled.load())
            image.loadFromData(reinterpret_cast<const uchar*>(body->data()), static_cast<qsizetype>(body->size()));
        if (!request->cancelled.load())
            QMetaObject::invokeMethod(
                this, [this, request, image] { Finish(request, image); }, Qt::QueuedConnection);
        done->store(true);
    });
    workers_.push_back({std::move(thread), std::move(done)});
}

void PictureFetcher::Cancel(QObject* target)
{
    const auto found = pending_.find(target);
    if (found == pending_.end())
        return;
    found.value()->cancelled.store(true);
    disconnect(found.value()->targetGone);
    pending_.erase(found);
    if (pending_.isEmpty())
        SetBusy(false);
    emit PendingChanged(Pending());
}

void PictureFetcher::Finish(const std::shared_ptr<Request>& request, const QImage& image)
{
    // Replaced by a newer fetch, or cancelled: not ours to deliver.
    if (request->cancelled.load())
        return;
    for (auto it = pending_.begin(); it != pending_.end(); ++it) {
        if (it.value() == request) {
            disconnect(request->targetGone);
            pending_.erase(it);
            break;
        }
    }
    if (pending_.isEmpty())
        SetBusy(false);
    emit PendingChanged(Pending());
    if (request->target)
        request->deliver(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
}

void PictureFetcher::SetBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    // The busy cursor, not the wait cursor: the designer stays usable.
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace morvane
