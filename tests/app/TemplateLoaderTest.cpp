#include "TemplateLoader.h"

#include "LoopbackHttpServer.h"
#include "TempDir.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

using namespace morvane;
using namespace std::chrono_literals;

namespace {

const char* const kShared = "/zhongdaili/gongyongshuju/";
const char* const kDistributor = "/zhongdaili/8/";

// What reached the boxes, in arrival order.
struct Boxes {
    std::mutex mutex;
    std::condition_variable changed;
    std::string text[4];
    std::vector<std::pair<int, std::string>> log;

    TemplateLoader::Deliver Sink()
    {
        return [this](int index, std::string value) {
            std::lock_guard lock(mutex);
            text[index] = value;
            log.emplace_back(index, std::move(value));
            changed.notify_all();
        };
    }
    std::string Box(int index)
    {
        std::lock_guard lock(mutex);
        return text[index];
    }
};

HttpClient::Limits ShortLimits()
{
    HttpClient::Limits limits;
    limits.connectTimeoutMs = 1000;
    limits.totalTimeoutMs = 1500;
    limits.maxBodyBytes = 64 * 1024;
    return limits;
}

bool WaitFinished(const TemplateLoader& loader, std::chrono::milliseconds limit = 10s)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!loader.Finished() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(5ms);
    return loader.Finished();
}

TemplateLoader::Sources SourcesOf(const LoopbackHttpServer& server)
{
    return {server.BaseUrl() + kShared, server.BaseUrl() + kDistributor};
}

void ServeAll(LoopbackHttpServer& server)
{
    server.Serve(std::string(kShared) + "tyb.txt", TextCodec::Utf8ToGb18030("框架 宽度"));
    server.Serve(std::string(kShared) + "jcb.txt", TextCodec::Utf8ToGb18030("包装 Morvane软件527304816"));
    server.Serve(std::string(kDistributor) + "tmb.txt", TextCodec::Utf8ToGb18030("天猫 527304816"));
    server.Serve(std::string(kDistributor) + "jsb.txt", TextCodec::Utf8ToGb18030("集市 527304816"));
}

} // namespace

TEST(TemplateLoaderTest, FetchesTheFourTextsInOrderAndReadsThemAsGb18030)
{
    LoopbackHttpServer server;
    ServeAll(server);
    Boxes boxes;
    TemplateLoader loader(SourcesOf(server), ShortLimits(), boxes.Sink());
    loader.LoadRemoteTemplates();
    ASSERT_TRUE(WaitFinished(loader));

    EXPECT_EQ(boxes.Box(0), "框架 宽度");
    EXPECT_EQ(boxes.Box(1), "包装 Morvane软件527304816");
    EXPECT_EQ(boxes.Box(2), "天猫 527304816");
    EXPECT_EQ(boxes.Box(3), "集市 527304816");
    const std::vector<std::string> expected = {std::string(kShared) + "tyb.txt", std::string(kShared) + "jcb.txt",
                                               std::string(kDistributor) + "tmb.txt",
                                               std::string(kDistributor) + "jsb.txt"};
    EXPECT_EQ(server.Requests(), expected);
}

TEST(TemplateLoaderTest, TextEndsAtTheFirstZeroByte)
{
    EXPECT_EQ(TemplateLoader::TextFromBody(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(TemplateLoader::TextFromBody(TextCodec::Utf8ToGb18030("预览")), "预览");
    EXPECT_EQ(TemplateLoader::TextFromBody(""), "");
}

TEST(TemplateLoaderTest, NotFoundHangingAndOversizedBodiesLeaveTheirBoxesEmpty)
{
    LoopbackHttpServer server;
    ServeAll(server);
    server.ServeSequence(std::string(kShared) + "tyb.txt", {std::nullopt});            // 404
    server.Hang(std::string(kShared) + "jcb.txt");                                     // never answers
    server.Serve(std::string(kDistributor) + "jsb.txt", std::string(200 * 1024, 'x')); // over the cap
    Boxes boxes;
    TemplateLoader loader(SourcesOf(server), ShortLimits(), boxes.Sink());
    const auto start = std::chrono::steady_clock::now();
    loader.LoadRemoteTemplates();
    ASSERT_TRUE(WaitFinished(loader));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 8s);

    EXPECT_EQ(boxes.Box(0), "");
    EXPECT_EQ(boxes.Box(1), "");
    EXPECT_EQ(boxes.Box(2), "天猫 527304816");
    EXPECT_EQ(boxes.Box(3), "");
    // Every box is written, the failed ones with an empty text.
    EXPECT_EQ(boxes.log.size(), 4u);
    // A missing market page alone is no reason to ask again.
    EXPECT_EQ(server.RequestCount(std::string(kDistributor) + "jsb.txt"), 1);
}

TEST(TemplateLoaderTest, RefusedConnectionGivesEmptyBoxesAndRetriesThePreviewsOnce)
{
    // A port that was just free: nobody listens there any more.
    int port = 0;
    {
        LoopbackHttpServer gone;
        port = gone.Port();
    }
    const std::string base = "http://127.0.0.1:" + std::to_string(port);
    Boxes boxes;
    TemplateLoader loader({base + kShared, base + kDistributor}, ShortLimits(), boxes.Sink());
    loader.LoadRemoteTemplates();
    ASSERT_TRUE(WaitFinished(loader));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(boxes.Box(i), "") << i;
    std::vector<int> order;
    for (const auto& entry : boxes.log)
        order.push_back(entry.first);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 2, 3}));
}

TEST(TemplateLoaderTest, FailedTmallPageRetriesBothPreviewsExactlyOnce)
{
    const std::string tmb = std::string(kDistributor) + "tmb.txt";
    const std::string jsb = std::string(kDistributor) + "jsb.txt";
    {
        // Second attempt succeeds: both boxes take the second answers.
        LoopbackHttpServer server;
        ServeAll(server);
        server.ServeSequence(tmb, {std::nullopt, TextCodec::Utf8ToGb18030("天猫二")});
        server.ServeSequence(jsb, {std::string("one"), std::string("two")});
        Boxes boxes;
        TemplateLoader loader(SourcesOf(server), ShortLimits(), boxes.Sink());
        loader.LoadRemoteTemplates();
        ASSERT_TRUE(WaitFinished(loader));
        EXPECT_EQ(boxes.Box(2), "天猫二");
        EXPECT_EQ(boxes.Box(3), "two");
        EXPECT_EQ(server.RequestCount(tmb), 2);
        EXPECT_EQ(server.RequestCount(jsb), 2);
        EXPECT_EQ(server.Requests().back(), jsb);
    }
    {
        // Second attempt fails too: the market page fetched first is replaced
        // by an empty text, and there is no third attempt.
        LoopbackHttpServer server;
        ServeAll(server);
        server.ServeSequence(tmb, {std::nullopt});
        server.ServeSequence(jsb, {std::string("first"), std::nullopt});
        Boxes boxes;
        TemplateLoader loader(SourcesOf(server), ShortLimits(), boxes.Sink());
        loader.LoadRemoteTemplates();
        ASSERT_TRUE(WaitFinished(loader));
        EXPECT_EQ(boxes.Box(2), "");
        EXPECT_EQ(boxes.Box(3), "");
        EXPECT_EQ(server.RequestCount(tmb), 2);
        EXPECT_EQ(server.RequestCount(jsb), 2);
    }
    {
        // An empty page frame is not fetched again.
        LoopbackHttpServer server;
        ServeAll(server);
        server.ServeSequence(std::string(kShared) + "tyb.txt", {std::nullopt});
        Boxes boxes;
        TemplateLoader loader(SourcesOf(server), ShortLimits(), boxes.Sink());
        loader.LoadRemoteTemplates();
        ASSERT_TRUE(WaitFinished(loader));
        EXPECT_EQ(server.Requests().size(), 4u);
    }
}

TEST(TemplateLoaderTest, FileAddressesWorkLikeHttp)
{
    TempDir dir;
    const char* names[] = {"tyb.txt", "jcb.txt", "tmb.txt", "jsb.txt"};
    for (int i = 0; i < 4; ++i)
        std::ofstream(dir.File(names[i]), std::ios::binary) << TextCodec::Utf8ToGb18030("文本" + std::to_string(i));
    const std::string base = "file://" + dir.Path() + "/";
    Boxes boxes;
    TemplateLoader loader({base, base}, ShortLimits(), boxes.Sink());
    loader.LoadRemoteTemplates();
    ASSERT_TRUE(WaitFinished(loader));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(boxes.Box(i), "文本" + std::to_string(i));
}

TEST(TemplateLoaderTest, CancellingDuringAHangingFetchReturnsAtOnceAndDeliversNothingMore)
{
    LoopbackHttpServer server;
    ServeAll(server);
    server.Hang(std::string(kShared) + "tyb.txt");
    Boxes boxes;
    HttpClient::Limits slow = ShortLimits();
    slow.totalTimeoutMs = 60000;
    const auto threads = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/task"), {}); };
    const auto threadsBefore = threads();
    auto end = std::chrono::steady_clock::now();
    {
        TemplateLoader loader(SourcesOf(server), slow, boxes.Sink());
        loader.LoadRemoteTemplates();
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (server.RequestCount(std::string(kShared) + "tyb.txt") == 0 &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(5ms);
        const auto start = std::chrono::steady_clock::now();
        loader.Cancel();
        EXPECT_LT(std::chrono::steady_clock::now() - start, 200ms);
        end = std::chrono::steady_clock::now();
    }
    // Going away waits for the worker, but only briefly: none is left behind
    // to outlive the program.
    EXPECT_LT(std::chrono::steady_clock::now() - end, 1500ms);
    EXPECT_LE(threads(), threadsBefore);
    // The cancelled worker gives up its request and asks for nothing else.
    std::this_thread::sleep_for(300ms);
    std::lock_guard lock(boxes.mutex);
    EXPECT_TRUE(boxes.log.empty());
    EXPECT_EQ(server.Requests().size(), 1u);
}
