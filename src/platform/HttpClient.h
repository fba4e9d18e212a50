#pragma once

#include <atomic>
#include <optional>
#include <string>

namespace morvane {

// Whole-body HTTP GET through libcurl, over http and https only: an address
// typed into a panel must never make the program open a local file or
// device. Every fetch has a connect timeout, a total timeout and a cap on the
// body size, and can be cancelled from another thread through the flag it is
// given.
class HttpClient {
public:
    struct Limits {
        long connectTimeoutMs = 5000;
        long totalTimeoutMs = 15000;
        size_t maxBodyBytes = 16 * 1024 * 1024;
    };

    // The body on a complete transfer with a 2xx status; nullopt on every
    // failure: another scheme, refused, timed out, too large, cancelled, a
    // status outside 2xx.
    static std::optional<std::string> Get(const std::string& url, const Limits& limits,
                                          const std::atomic<bool>* cancel = nullptr);
    static std::optional<std::string> Get(const std::string& url) { return Get(url, Limits{}); }
};

} // namespace morvane
