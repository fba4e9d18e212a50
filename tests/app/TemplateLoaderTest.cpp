#include "TemplateLoader.h"

#include "LoopbackHttpServer.h"
#include "TempDir.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
#include <fstream>
#include <future>
#include <mutex>

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

// Waits for the condition as the worker moves on; the bound only keeps a
// broken loader from hanging the run. Finishing follows the last delivery
// without a signal of its own, so the condition is also looked at again
// every few milliseconds.
template <typename Condition> bool Eventually(Boxes& boxes, Condition condition)
{
    std::unique_lock lock(boxes.mutex);
    const auto end = std::chrono::steady_clock::now() + 30s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        boxes.changed.wait_for(lock, 5ms);
    }
    return true;
}

bool WaitFinished(Boxes& boxes, const TemplateLoader& loader)
{
    return Eventually(boxes, [&loader] { return loader.Finished(); });
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
    ASSERT_TRUE(WaitFinished(boxes, loader));

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
    loader.LoadRemoteTemplates();
    ASSERT_TRUE(WaitFinished(boxes, loader));

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
    ASSERT_TRUE(WaitFinished(boxes, loader));
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
        ASSERT_TRUE(WaitFinished(boxes, loader));
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
        ASSERT_TRUE(WaitFinished(boxes, loader));
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
        ASSERT_TRUE(WaitFinished(boxes, loader));
        EXPECT_EQ(server.Requests().size(), 4u);
    }
}

TEST(TemplateLoaderTest, FileAddressesAreReadAsRegularFilesOnly)
{
    TempDir dir;
    const char* names[] = {"tyb.txt", "jcb.txt", "tmb.txt", "jsb.txt"};
    for (int i = 0; i < 3; ++i)
        std::ofstream(dir.File(names[i]), std::ios::binary) << TextCodec::Utf8ToGb18030("文本" + std::to_string(i));
    // A FIFO in place of a text would block a reader for ever.
    ASSERT_EQ(::mkfifo(dir.File(names[3]).c_str(), 0600), 0);
    const std::string base = "file://" + dir.Path() + "/";
    Boxes boxes;
    TemplateLoader loader({base, base}, ShortLimits(), boxes.Sink());
    loader.LoadRemoteTemplates();
    ASSERT_TRUE(WaitFinished(boxes, loader));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(boxes.Box(i), "文本" + std::to_string(i));
    EXPECT_EQ(boxes.Box(3), "");
}

TEST(TemplateLoaderTest, CancellingDuringAHangingFetchAbortsItAndDeliversNothingMore)
{
    LoopbackHttpServer server;
    ServeAll(server);
    server.Hang(std::string(kShared) + "tyb.txt");
    Boxes boxes;
    HttpClient::Limits slow = ShortLimits();
    slow.totalTimeoutMs = 600000;
    TemplateLoader loader(SourcesOf(server), slow, boxes.Sink());
    loader.LoadRemoteTemplates();
    ASSERT_TRUE(Eventually(boxes, [&server] { return server.RequestCount(std::string(kShared) + "tyb.txt") == 1; }));
    loader.Cancel();
    // The worker gives up the request that would hang for ten minutes.
    ASSERT_TRUE(Eventually(boxes, [&loader] { return loader.Workers() == 0; }));
    std::lock_guard lock(boxes.mutex);
    EXPECT_TRUE(boxes.log.empty());
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST(TemplateLoaderTest, NeitherCancelNorTheEndWaitsForAFetchThatIgnoresCancelling)
{
    // A client stuck where no cancel flag reaches it (a hung file system),
    // until the test lets it go.
    auto release = std::make_shared<std::promise<void>>();
    std::shared_future<void> released = release->get_future().share();
    auto entered = std::make_shared<std::promise<void>>();
    std::future<void> inside = entered->get_future();
    Boxes boxes;
    {
        TemplateLoader loader({"http://127.0.0.1/", "http://127.0.0.1/"}, ShortLimits(), boxes.Sink(),
                              [entered, released](const std::string&, const HttpClient::Limits&,
                                                  const std::atomic<bool>&) -> std::optional<std::string> {
                                  entered->set_value();
                                  released.wait();
                                  return "late";
                              });
        loader.LoadRemoteTemplates();
        inside.wait();
        loader.Cancel();
        // Cancel came back while the fetch still holds the worker.
        EXPECT_EQ(loader.Workers(), 1);
    }
    // So did the destructor: the worker was left behind. Let it end; it
    // delivers nothing, and touches nothing of the test.
    release->set_value();
    std::lock_guard lock(boxes.mutex);
    EXPECT_TRUE(boxes.log.empty());
}
