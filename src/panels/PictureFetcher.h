#pragma once

#include "HttpClient.h"
#include "WorkerThread.h"

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <unordered_map>

namespace morvane {

// Fetches pictures for the canvas off the user-interface thread, so a slow
// picture host never freezes the designer. Each fetch belongs to a target
// (an element, the canvas): the picture is handed over on the
// user-interface thread when it arrives, unless the target is gone or a
// newer fetch for it has replaced this one. A target has at most one worker:
// a newer fetch waits behind it, replacing any other still waiting, so
// typing an address never piles up threads. A busy cursor shows while any
// fetch is pending.
class PictureFetcher : public QObject {
    Q_OBJECT
public:
    static HttpClient::Limits DefaultLimits();
    // The most pixels a decoded picture keeps, whatever its file holds.
    static constexpr qint64 kPixelBudget = 4'000'000;

    // How the target shows the picture, so that only what it shows is
    // decoded: stretched over its size (an element), or from its top left
    // corner at full scale and cut at its size (the canvas).
    enum class Fit { Stretch, Crop };

    explicit PictureFetcher(HttpClient::Limits limits = DefaultLimits(), QObject* parent = nullptr);
    // Cancels whatever is pending and waits about a second at most for the
    // workers to notice; a worker stuck past that is left behind, so the
    // program always gets to its end.
    ~PictureFetcher() override;

    // deliver gets the decoded picture, or a null pixmap when nothing
    // usable arrived. An empty size decodes within the pixel budget only.
    void Fetch(const QString& address, QObject* target, QSize shownSize, Fit fit,
               std::function<void(const QPixmap&)> deliver);
    void Fetch(const QString& address, QObject* target, std::function<void(const QPixmap&)> deliver)
    {
        Fetch(address, target, QSize(), Fit::Stretch, std::move(deliver));
    }
    // Drops a pending fetch for the target, if any.
    void Cancel(QObject* target);
    int Pending() const { return static_cast<int>(pending_.size()); }
    // Worker threads still running, cancelled ones included.
    int Workers() const;

    // The picture in the bytes, decoded no larger than it is shown and
    // within the pixel budget; a null image for anything unreadable.
    static QImage Decode(const std::string& bytes, QSize shownSize, Fit fit);

private:
    struct Request;
    struct Link;
    // A target's worker, the request it serves and the newest one waiting.
    struct Slot {
        WorkerThread worker;
        std::shared_ptr<Request> running;
        std::shared_ptr<Request> next;
    };
    void StartNext(QObject* key);
    void WorkerDone(QObject* key, quint64 serial, const QImage& image);
    void SetBusy(bool busy);

    HttpClient::Limits limits_;
    std::shared_ptr<Link> link_;
    QHash<QObject*, std::shared_ptr<Request>> pending_;
    // By target; the key is never followed, the target may be gone.
    std::unordered_map<QObject*, Slot> slots_;
    quint64 lastSerial_ = 0;
    bool busy_ = false;
};

} // namespace morvane
