#pragma once

#include "HttpClient.h"
#include "WorkerThread.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace morvane {

// Fetches the four template texts once, on a worker thread of its own, and
// hands each text (UTF-8) to a callback as soon as its request has finished.
// A "file:" base is read from the disk directly (regular files only, never
// waiting on a FIFO or a device); any other base goes over http or https.
// The worker never touches this object: everything it needs lives in a
// shared block, so cancelling never waits for a request that hangs, and the
// destructor waits about a second at most before leaving the worker behind.
class TemplateLoader {
public:
    // Indices of the four texts, in the order of the window's hidden boxes.
    enum Index { PageFrame = 0, BasicWrapper = 1, TmallPreview = 2, MarketPreview = 3 };

    // index, text. Called on the worker thread; after Cancel() has returned
    // it is never called again.
    using Deliver = std::function<void(int, std::string)>;

    struct Sources {
        // Both end with "/"; the shared folder holds tyb.txt and jcb.txt,
        // the distributor's folder tmb.txt and jsb.txt.
        std::string sharedFolder;
        std::string distributorFolder;
    };

    // How one text is fetched: the body, or nullopt on any failure. The
    // default reads "file:" addresses from the disk and the others over the
    // network; tests put a client of their own in its place.
    using Getter = std::function<std::optional<std::string>(
        const std::string& address, const HttpClient::Limits& limits, const std::atomic<bool>& cancelled)>;

    TemplateLoader(Sources sources, HttpClient::Limits limits, Deliver deliver, Getter getter = {});
    ~TemplateLoader();
    TemplateLoader(const TemplateLoader&) = delete;
    TemplateLoader& operator=(const TemplateLoader&) = delete;

    // Starts the worker; a second call does nothing.
    void LoadRemoteTemplates();
    // Stops delivery at once and aborts the running request. Returns without
    // waiting for the worker (at most for a delivery already under way).
    void Cancel();
    // True once the worker has made its last request and delivered it.
    bool Finished() const;
    // Worker threads still running: 0 or 1.
    int Workers() const { return worker_.Running() ? 1 : 0; }

    // Bytes of a fetched text as the boxes take them: up to the first zero
    // byte, GB18030 read into UTF-8.
    static std::string TextFromBody(const std::string& body);

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    bool started_ = false;
    WorkerThread worker_;
};

} // namespace morvane
