#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// A small HTTP/1.0 server on 127.0.0.1 for tests. Each path answers with its
// list of bodies in turn (the last one repeats); a path without answers, or
// an answer of nullopt, gets 404. A hanging path accepts the request and
// never answers. Connections are served one at a time.
class LoopbackHttpServer {
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    void Serve(const std::string& path, std::string body);
    void ServeSequence(const std::string& path, std::vector<std::optional<std::string>> answers);
    void Hang(const std::string& path);

    int Port() const { return port_; }
    // "http://127.0.0.1:<port>"
    std::string BaseUrl() const;
    int RequestCount(const std::string& path) const;
    // Paths in the order they were requested.
    std::vector<std::string> Requests() const;

private:
    void Loop();
    void Answer(int connection);

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::map<std::string, std::vector<std::optional<std::string>>> answers_;
    std::map<std::string, bool> hanging_;
    std::vector<std::string> requests_;
    std::vector<int> held_;
    std::thread thread_;
};
