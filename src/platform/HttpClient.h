#pragma once

#include <atomic>
#include <optional>
#include <string>

namespace morvane {

// Whole-body HTTP GET (and file:// reads) through libcurl. Every fetch has a
// connect timeout, a total timeout and a cap on the body size, and can be
// cancelled from another thread through the flag it is given.
class HttpClient {
public:
    struct Limits {
        long connectTimeoutMs = 5000;
        long totalTimeoutMs = 15000;
        size_t maxBodyBytes = 16 * 1024 * 1024;
    };

    // The body on a complete transfer with a 2xx status (or any file://
    // read); nullopt on every failure: refused, timed out, too large,
    // cancelled, a status outside 2xx.
    static std::optional<std::string> Get(const std::string& url, const Limits& limits,
                                          const std::atomic<bool>* cancel = nullptr);
    static std::optional<std::string> Get(const std::string& url) { return Get(url, Limits{}); }
};

} // namespace morvane
