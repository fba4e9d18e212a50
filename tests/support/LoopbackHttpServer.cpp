#include "LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

LoopbackHttpServer::LoopbackHttpServer()
{
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    int one = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener_, 16);
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Loop(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    stop_.store(true);
    thread_.join();
    for (int connection : held_)
        ::close(connection);
    ::close(listener_);
}

void LoopbackHttpServer::Serve(const std::string& path, std::string body)
{
    ServeSequence(path, {std::move(body)});
}

void LoopbackHttpServer::ServeSequence(const std::string& path, std::vector<std::optional<std::string>> answers)
{
    std::lock_guard lock(mutex_);
    answers_[path] = std::move(answers);
    hanging_.erase(path);
}

void LoopbackHttpServer::Hang(const std::string& path)
{
    std::lock_guard lock(mutex_);
    hanging_[path] = true;
}

std::string LoopbackHttpServer::BaseUrl() const
{
    return "http://127.0.0.1:" + std::to_string(port_);
}

int LoopbackHttpServer::RequestCount(const std::string& path) const
{
    std::lock_guard lock(mutex_);
    return static_cast<int>(std::count(requests_.begin(), requests_.end(), path));
}

std::vector<std::string> LoopbackHttpServer::Requests() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

void LoopbackHttpServer::Loop()
{
    while (!stop_.load()) {
        pollfd entry{listener_, POLLIN, 0};
        if (::poll(&entry, 1, 20) <= 0)
            continue;
        const int connection = ::accept(listener_, nullptr, nullptr);
        if (connection >= 0)
            Answer(connection);
    }
}

static bool SendAll(int connection, const std::string& bytes)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

void LoopbackHttpServer::Answer(int connection)
{
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536 && !stop_.load()) {
        pollfd entry{connection, POLLIN, 0};
        if (::poll(&entry, 1, 20) <= 0)
            continue;
        const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        request.append(buffer, static_cast<size_t>(n));
    }
    std::string path;
    const size_t firstSpace = request.find(' ');
    if (firstSpace != std::string::npos) {
        const size_t secondSpace = request.find(' ', firstSpace + 1);
        path = request.substr(firstSpace + 1, secondSpace - firstSpace - 1);
    }

    std::optional<std::string> body;
    bool hang = false;
    {
        std::lock_guard lock(mutex_);
        const int earlier = static_cast<int>(std::count(requests_.begin(), requests_.end(), path));
        requests_.push_back(path);
        hang = hanging_.count(path) != 0;
        auto found = answers_.find(path);
        if (found != answers_.end() && !found->second.empty())
            body = found->second[std::min<size_t>(earlier, found->second.size() - 1)];
    }
    if (hang) {
        // Kept open until the server goes, so the client sees silence.
        held_.push_back(connection);
        return;
    }
    std::string response;
    if (body) {
        response = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body->size()) +
                   "\r\nConnection: close\r\n\r\n" + *body;
    } else {
        response = "HTTP/1.0 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nnot found";
    }
    SendAll(connection, response);
    ::shutdown(connection, SHUT_WR);
    ::close(connection);
}
