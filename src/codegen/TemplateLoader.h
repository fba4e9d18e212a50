#pragma once

#include "HttpClient.h"

#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace morvane {

// Fetches the four template texts once, on a worker thread of its own, and
// hands each text (UTF-8) to a callback as soon as its request has finished.
// The worker never touches this object: everything it needs lives in a
// shared block, so cancelling never waits for a request that hangs. Only the
// destructor waits, for the fraction of a second the worker takes to notice:
// a worker that outlived the program would crash it on the way out.
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

    TemplateLoader(Sources sources, HttpClient::Limits limits, Deliver deliver);
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

    // Bytes of a fetched text as the boxes take them: up to the first zero
    // byte, GB18030 read into UTF-8.
    static std::string TextFromBody(const std::string& body);

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::thread worker_;
};

} // namespace morvane
