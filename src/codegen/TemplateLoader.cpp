#include "TemplateLoader.h"

#include "FileSystem.h"
#include "TextCodec.h"

#include <atomic>
#include <mutex>

namespace morvane {

struct TemplateLoader::Shared {
    Sources sources;
    HttpClient::Limits limits;
    Getter getter;
    std::atomic<bool> cancelled{false};
    std::atomic<bool> finished{false};
    std::mutex deliverMutex;
    Deliver deliver;

    std::string Fetch(const std::string& url)
    {
        std::optional<std::string> body = getter(url, limits, cancelled);
        return body ? TextFromBody(*body) : std::string();
    }

    // Returns false once cancelled, so the worker stops asking.
    bool Hand(int index, std::string text)
    {
        std::lock_guard lock(deliverMutex);
        if (cancelled.load() || !deliver)
            return false;
        deliver(index, std::move(text));
        return true;
    }

    void Run()
    {
        struct Step {
            int index;
            const std::string* folder;
            const char* name;
        };
        const Step steps[] = {
            {PageFrame, &sources.sharedFolder, "tyb.txt"},
            {BasicWrapper, &sources.sharedFolder, "jcb.txt"},
            {TmallPreview, &sources.distributorFolder, "tmb.txt"},
            {MarketPreview, &sources.distributorFolder, "jsb.txt"},
        };
        bool tmallEmpty = true;
        for (const Step& step : steps) {
            std::string text = Fetch(*step.folder + step.name);
            if (step.index == TmallPreview)
                tmallEmpty = text.empty();
            if (!Hand(step.index, std::move(text)))
                return;
        }
        // Only a missing Tmall page earns the single second attempt, and it
        // rewrites both preview boxes.
        if (tmallEmpty) {
            for (int i = 2; i < 4; ++i) {
                if (!Hand(steps[i].index, Fetch(*steps[i].folder + steps[i].name)))
                    return;
            }
        }
        finished.store(true);
    }
};

TemplateLoader::TemplateLoader(Sources sources, HttpClient::Limits limits, Deliver deliver, Getter getter)
    : shared_(std::make_shared<Shared>())
{
    shared_->sources = std::move(sources);
    shared_->limits = limits;
    shared_->getter = getter ? std::move(getter)
                             : [](const std::string& url, const HttpClient::Limits& caps,
                                  const std::atomic<bool>& cancelled) -> std::optional<std::string> {
        if (const std::optional<std::string> path = FileSystem::PathOfFileAddress(url))
            return FileSystem::ReadWholeFile(*path, caps.maxBodyBytes);
        return HttpClient::Get(url, caps, &cancelled);
    };
    shared_->deliver = std::move(deliver);
}

TemplateLoader::~TemplateLoader()
{
    Cancel();
    // worker_ ends last: a bounded wait, then the worker is left behind.
}

void TemplateLoader::LoadRemoteTemplates()
{
    if (started_)
        return;
    started_ = true;
    worker_ = WorkerThread([shared = shared_] { shared->Run(); });
}

void TemplateLoader::Cancel()
{
    shared_->cancelled.store(true);
    std::lock_guard lock(shared_->deliverMutex);
    shared_->deliver = nullptr;
}

bool TemplateLoader::Finished() const
{
    return shared_->finished.load();
}

std::string TemplateLoader::TextFromBody(const std::string& body)
{
    const size_t zero = body.find('\0');
    return TextCodec::Gb18030ToUtf8(zero == std::string::npos ? std::string_view(body)
                                                              : std::string_view(body).substr(0, zero));
}

} // namespace morvane
