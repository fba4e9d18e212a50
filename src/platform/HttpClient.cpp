#include "HttpClient.h"

#include <curl/curl.h>

#include <mutex>

namespace morvane {

namespace {

struct Transfer {
    std::string body;
    size_t maxBytes = 0;
    bool tooLarge = false;
    const std::atomic<bool>* cancel = nullptr;
};

size_t OnData(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const size_t bytes = size * count;
    if (transfer->body.size() + bytes > transfer->maxBytes) {
        transfer->tooLarge = true;
        return 0; // makes libcurl abort the transfer
    }
    transfer->body.append(data, bytes);
    return bytes;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto* transfer = static_cast<Transfer*>(user);
    return transfer->cancel && transfer->cancel->load() ? 1 : 0;
}

void InitialiseOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

std::optional<std::string> HttpClient::Get(const std::string& url, const Limits& limits,
                                           const std::atomic<bool>* cancel)
{
    InitialiseOnce();
    if (cancel && cancel->load())
        return std::nullopt;
    CURL* curl = curl_easy_init();
    if (!curl)
        return std::nullopt;
    Transfer transfer;
    transfer.maxBytes = limits.maxBodyBytes;
    transfer.cancel = cancel;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, limits.connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, limits.totalTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBodyBytes));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnData);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Morvane");
    const CURLcode result = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(curl);
    if (result != CURLE_OK || transfer.tooLarge || status < 200 || status > 299)
        return std::nullopt;
    return std::move(transfer.body);
}

} // namespace morvane
