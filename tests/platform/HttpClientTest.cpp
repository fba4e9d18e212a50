#include "HttpClient.h"
#include "FileSystem.h"
#include "LoopbackHttpServer.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using morvane::FileSystem;
using morvane::HttpClient;

namespace {

// A loopback port that nobody listens on: bind, read the port, close.
int ClosedPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

} // namespace

TEST(HttpClient, OnlyHttpAndHttpsAreFetched)
{
    TempDir dir;
    FileSystem::WriteFileAtomically(dir.File("t.txt"), "template");
    // An address typed into a panel must never read a local file.
    EXPECT_FALSE(HttpClient::Get("file://" + dir.File("t.txt")));
    EXPECT_FALSE(HttpClient::Get("file://" + dir.File("t.txt") + "?http"));
    EXPECT_FALSE(HttpClient::Get("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/x.jpg"));
    EXPECT_FALSE(HttpClient::Get("ftp://127.0.0.1/x"));
    EXPECT_FALSE(HttpClient::Get("dict://127.0.0.1/x"));
    EXPECT_FALSE(HttpClient::Get("not an address"));

    LoopbackHttpServer server;
    server.Serve("/big.txt", std::string(5000, 'x'));
    HttpClient::Limits limits;
    limits.maxBodyBytes = 1000;
    EXPECT_FALSE(HttpClient::Get(server.BaseUrl() + "/big.txt", limits));
}

TEST(HttpClient, ACancelledFetchDoesNotStart)
{
    std::atomic<bool> cancel{true};
    LoopbackHttpServer server;
    server.Serve("/t.txt", "x");
    EXPECT_FALSE(HttpClient::Get(server.BaseUrl() + "/t.txt", HttpClient::Limits{}, &cancel));
    EXPECT_EQ(server.RequestCount("/t.txt"), 0);
    EXPECT_EQ(HttpClient::Get(server.BaseUrl() + "/t.txt"), "x");
}
