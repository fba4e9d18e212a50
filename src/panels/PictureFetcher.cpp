#include "PictureFetcher.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPointer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <mutex>

namespace morvane {

struct PictureFetcher::Request {
    quint64 serial = 0;
    QString address;
    QSize shownSize;
    Fit fit = Fit::Stretch;
    QPointer<QObject> target;
    std::function<void(const QPixmap&)> deliver;
    // Shared with the worker, which holds nothing else of the request: what
    // the delivery owns is only ever released on this thread.
    std::shared_ptr<std::atomic<bool>> cancelled = std::make_shared<std::atomic<bool>>(false);
    QMetaObject::Connection targetGone;
};

// How a worker reaches the fetcher: never once the fetcher has begun to go,
// even when the worker outlives it.
struct PictureFetcher::Link {
    std::mutex mutex;
    PictureFetcher* owner = nullptr;
};

HttpClient::Limits PictureFetcher::DefaultLimits()
{
    HttpClient::Limits limits;
    limits.connectTimeoutMs = 3000;
    limits.totalTimeoutMs = 8000;
    limits.maxBodyBytes = 20 * 1024 * 1024;
    return limits;
}

PictureFetcher::PictureFetcher(HttpClient::Limits limits, QObject* parent)
    : QObject(parent), limits_(limits), link_(std::make_shared<Link>())
{
    link_->owner = this;
}

PictureFetcher::~PictureFetcher()
{
    {
        std::lock_guard lock(link_->mutex);
        link_->owner = nullptr;
    }
    for (auto& [key, slot] : slots_) {
        if (slot.running)
            slot.running->cancelled->store(true);
    }
    // One second for all of them together, not for each.
    const auto deadline = std::chrono::steady_clock::now() + WorkerThread::kEndWait;
    for (auto& [key, slot] : slots_) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        slot.worker.End(std::max(left, std::chrono::milliseconds(0)));
    }
    SetBusy(false);
}

int PictureFetcher::Workers() const
{
    int running = 0;
    for (const auto& [key, slot] : slots_)
        running += slot.worker.Running() ? 1 : 0;
    return running;
}

QImage PictureFetcher::Decode(const std::string& bytes, QSize shownSize, Fit fit)
{
    // The size kept: no larger than shown, then shrunk to the budget with
    // its proportions.
    const auto kept = [&](QSize size) {
        if (!shownSize.isEmpty())
            size = size.boundedTo(shownSize);
        const double pixels = static_cast<double>(size.width()) * size.height();
        if (pixels > static_cast<double>(kPixelBudget)) {
            const double shrink = std::sqrt(static_cast<double>(kPixelBudget) / pixels);
            size = QSize(std::max(1, static_cast<int>(size.width() * shrink)),
                         std::max(1, static_cast<int>(size.height() * shrink)));
        }
        return size;
    };
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize full = reader.size();
    if (full.isValid() && !full.isEmpty() && kept(full) != full) {
        if (fit == Fit::Crop)
            reader.setClipRect(QRect(QPoint(0, 0), kept(full)));
        else
            reader.setScaledSize(kept(full));
    }
    QImage image = reader.read();
    // A format that tells its size only once decoded.
    if (!image.isNull() && kept(image.size()) != image.size())
        image = fit == Fit::Crop ? image.copy(QRect(QPoint(0, 0), kept(image.size())))
                                 : image.scaled(kept(image.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

void PictureFetcher::Fetch(const QString& address, QObject* target, QSize shownSize, Fit fit,
                           std::function<void(const QPixmap&)> deliver)
{
    Cancel(target);
    auto request = std::make_shared<Request>();
    request->serial = ++lastSerial_;
    request->address = address;
    request->shownSize = shownSize;
    request->fit = fit;
    request->target = target;
    request->deliver = std::move(deliver);
    // A removed element takes its pending picture with it.
    request->targetGone = connect(target, &QObject::destroyed, this, [this, target] { Cancel(target); });
    pending_.insert(target, request);
    SetBusy(true);
    slots_[target].next = request;
    StartNext(target);
}

void PictureFetcher::StartNext(QObject* key)
{
    const auto found = slots_.find(key);
    if (found == slots_.end())
        return;
    Slot& slot = found->second;
    // The running worker, cancelled or not, hands over when it ends.
    if (slot.worker.Running())
        return;
    slot.worker.End();
    slot.running.reset();
    std::shared_ptr<Request> request = std::move(slot.next);
    if (!request || request->cancelled->load()) {
        slots_.erase(found);
        return;
    }
    slot.running = request;
    slot.worker = WorkerThread([link = link_, key, serial = request->serial, cancelled = request->cancelled,
                                url = request->address.toStdString(), size = request->shownSize, fit = request->fit,
                                limits = limits_] {
        const auto body = HttpClient::Get(url, limits, cancelled.get());
        QImage image;
        if (body && !cancelled->load())
            image = Decode(*body, size, fit);
        // Always reported, so that the request waiting behind gets its turn.
        std::lock_guard lock(link->mutex);
        if (PictureFetcher* owner = link->owner)
            QMetaObject::invokeMethod(
                owner, [owner, key, serial, image] { owner->WorkerDone(key, serial, image); }, Qt::QueuedConnection);
    });
}

void PictureFetcher::Cancel(QObject* target)
{
    const auto found = pending_.find(target);
    if (found == pending_.end())
        return;
    found.value()->cancelled->store(true);
    disconnect(found.value()->targetGone);
    pending_.erase(found);
    if (pending_.isEmpty())
        SetBusy(false);
}

void PictureFetcher::WorkerDone(QObject* key, quint64 serial, const QImage& image)
{
    // A worker that ended before its report came has already made way for
    // the next one: the report is of a request no longer running.
    const auto found = slots_.find(key);
    if (found == slots_.end() || !found->second.running || found->second.running->serial != serial)
        return;
    const std::shared_ptr<Request> request = found->second.running;
    // The worker has posted this as its last act; it ends in a moment.
    found->second.worker.End();
    StartNext(key);
    // Replaced by a newer fetch, or cancelled: not ours to deliver.
    if (!request || request->cancelled->load())
        return;
    const auto pending = pending_.find(key);
    if (pending != pending_.end() && pending.value() == request) {
        disconnect(request->targetGone);
        pending_.erase(pending);
    }
    if (pending_.isEmpty())
        SetBusy(false);
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
