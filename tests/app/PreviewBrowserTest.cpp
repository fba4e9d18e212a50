#include "CodeGenerator.h"
#include "ComponentLayer.h"
#include "ComponentRecord.h"
#include "DesignSettings.h"
#include "FileBytes.h"
#include "KindTable.h"
#include "PageSettings.h"
#include "TempDir.h"
#include "TemplateLoader.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

using namespace morvane;

namespace {

const char* const kChromium = "/usr/bin/chromium";

std::string Shipped(const char* name)
{
    return TemplateLoader::TextFromBody(ReadBytes(std::string(MORVANE_TEMPLATE_DIR) + "/" + name));
}

void WriteSvg(const std::string& path, const char* colour)
{
    std::ofstream(path)
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"><rect width=\"10\" height=\"10\" fill=\""
        << colour << "\"/></svg>";
}

// Measures every block against the inner frame once the page has run for a
// while, and leaves the result in the DOM for --dump-dom.
const char* const kProbe = R"(<script>
setTimeout(function () {
  var frame = document.querySelector('[data-title="Morvane"]').getBoundingClientRect();
  var blocks = document.querySelectorAll('[data-probe]');
  for (var i = 0; i < blocks.length; ++i) {
    var r = blocks[i].getBoundingClientRect();
    blocks[i].setAttribute('data-box', Math.round(r.left - frame.left) + ',' + Math.round(r.top - frame.top));
  }
}, 4000);
</script>)";

std::string RunChromium(const std::string& profile, const std::string& page)
{
    const std::string command = std::string("timeout 90 ") + kChromium +
                                " --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking"
                                " --disable-component-update --disable-sync --user-data-dir=" +
                                profile + " --virtual-time-budget=4500 --dump-dom file://" + page + " 2>/dev/null";
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer;
        size_t n;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
            output.append(buffer.data(), n);
        ::pclose(pipe);
    }
    return output;
}

std::string Attribute(const std::string& dom, const std::string& before, const char* name)
{
    const size_t at = dom.find(before);
    if (at == std::string::npos)
        return "<missing>";
    const size_t tagStart = dom.rfind('<', at);
    const size_t tagEnd = dom.find('>', at);
    const std::string tag = dom.substr(tagStart, tagEnd - tagStart);
    std::smatch match;
    if (std::regex_search(tag, match, std::regex(std::string(name) + "=\"([^\"]*)\"")))
        return match[1];
    return "<none>";
}

} // namespace

TEST(PreviewBrowserTest, ThePreviewPageComesAliveInChromium)
{
    if (!std::filesystem::exists(kChromium))
        GTEST_SKIP() << "chromium is not installed";

    TempDir dir;
    DesignSettings store;
    for (const char* name : {"p", "a", "b", "c", "front", "back"})
        WriteSvg(dir.File(std::string(name) + ".svg"), name[0] == 'b' ? "#3366cc" : "#cc3333");

    ComponentLayer components;
    BackgroundLayer background;
    background.SetCell(0, PageSettings::Edition, "专业版");
    background.SetCell(0, PageSettings::Width, "950");
    background.SetCell(0, PageSettings::Height, "500");
    background.SetCell(0, PageSettings::BackColour, "#fafafa");
    background.SetCell(0, PageSettings::Attachment, "scroll");
    background.SetCell(0, PageSettings::Repeat, "no-repeat");
    background.SetCell(0, PageSettings::VerticalPos, "top");
    background.SetCell(0, PageSettings::HorizontalPos, "center");
    background.SetCell(0, PageSettings::TopSpacing, "0");

    auto record = [&](std::string_view kind, std::map<int, std::string> cells) {
        const int row = components.AppendComponent(*KindTable::FromWord(kind));
        for (auto& [column, value] : cells)
            components.SetCell(row, column, value);
        return row;
    };
    record("图片", {{ComponentRecord::Left, "30"},
                    {ComponentRecord::Top, "40"},
                    {ComponentRecord::Width, "100"},
                    {ComponentRecord::Height, "80"},
                    {ComponentRecord::Open, "_blank"},
                    {ComponentRecord::Picture, "p.svg"},
                    {ComponentRecord::Link, "#"},
                    {ComponentRecord::Tip, "图"}});
    const int carousel = record("轮播", {});
    store.Set(Kind::Carousel, carousel,
              DesignSettings::Written({{"宽度", "300"},
                                       {"高度", "150"},
                                       {"距左", "200"},
                                       {"距顶", "60"},
                                       {"动画效果", "scrollx"},
                                       {"切换效果", "easeNone"},
                                       {"自动轮播", "true"},
                                       {"刷新间隔", "0.2"},
                                       {"箭头开关", "block"},
                                       {"编辑框数量", "3"},
                                       {"图片1", "a.svg"},
                                       {"图片2", "b.svg"},
                                       {"图片3", "c.svg"},
                                       {"打开方式", "_blank"}}));
    const int countdown = record("倒计时", {});
    const std::time_t later = std::time(nullptr) + 2 * 86400 + 3600;
    std::tm end{};
    localtime_r(&later, &end);
    store.Set(Kind::Countdown, countdown,
              DesignSettings::Written({{"宽度", "240"},
                                       {"高度", "40"},
                                       {"距左", "550"},
                                       {"距顶", "300"},
                                       {"字号", "16"},
                                       {"字色", "333333"},
                                       {"字距", "60"},
                                       {"字体", "sans-serif"},
                                       {"年数", std::to_string(end.tm_year + 1900)},
                                       {"月数", std::to_string(end.tm_mon + 1)},
                                       {"号数", std::to_string(end.tm_mday)},
                                       {"时数", std::to_string(end.tm_hour)},
                                       {"分数", std::to_string(end.tm_min)},
                                       {"秒数", std::to_string(end.tm_sec)},
                                       {"号字", "天"},
                                       {"时字", "时"},
                                       {"分字", "分"},
                                       {"秒字", "秒"}}));
    record("双面图", {{ComponentRecord::Left, "600"},
                      {ComponentRecord::Top, "100"},
                      {ComponentRecord::Width, "120"},
                      {ComponentRecord::Height, "90"},
                      {ComponentRecord::Open, "_blank"},
                      {ComponentRecord::Picture, "front.svg"},
                      {ComponentRecord::Tip, "back.svg"},
                      {ComponentRecord::Link, "#"}});

    TemplateTexts texts{Shipped("tyb.txt"), Shipped("jcb.txt"), Shipped("tmb.txt"), Shipped("jsb.txt")};
    ASSERT_FALSE(texts.marketPreview.empty());
    RandomSource random(7);
    const GenerationResult result = CodeGenerator::GenerateCode(components, background, store, texts, random);
    ASSERT_TRUE(result.finished);

    // Mark the blocks to measure, and add the probe.
    std::string page = result.previewPage;
    auto mark = [&](const std::string& inside, const std::string& name) {
        const size_t at = page.find(inside);
        ASSERT_NE(at, std::string::npos) << inside;
        const size_t tag = page.rfind("<div class=\"most-footer footer-more-trigger", at);
        page.insert(tag + 5, "data-probe=\"" + name + "\" ");
    };
    mark("p.svg", "picture");
    mark("data-widget-type=\"Carousel\"", "carousel");
    mark("data-type=\"countdown\"", "countdown");
    mark("鼠标滑动效果", "two-sided");
    page.insert(page.rfind("</body>"), kProbe);
    const std::string file = dir.File("yl.htm");
    std::ofstream(file, std::ios::binary) << TextCodec::Utf8ToGb18030(page);

    const std::string dom = RunChromium(dir.File("profile"), file);
    ASSERT_NE(dom.find("</html>"), std::string::npos) << "no page from chromium";
    if (const char* keep = std::getenv("MORVANE_KEEP_PREVIEW")) {
        std::filesystem::copy_file(file, std::string(keep) + "/yl.htm",
                                   std::filesystem::copy_options::overwrite_existing);
        std::ofstream(std::string(keep) + "/dom.html") << dom;
    }

    // Blocks at their places inside the frame.
    EXPECT_EQ(Attribute(dom, "data-probe=\"picture\"", "data-box"), "30,40");
    EXPECT_EQ(Attribute(dom, "data-probe=\"carousel\"", "data-box"), "200,60");
    EXPECT_EQ(Attribute(dom, "data-probe=\"countdown\"", "data-box"), "550,300");
    EXPECT_EQ(Attribute(dom, "data-probe=\"two-sided\"", "data-box"), "600,100");

    // The carousel moved on by itself, sliding its content to the left.
    EXPECT_EQ(Attribute(dom, "data-widget-type=\"Carousel\"", "data-active"), "1");
    EXPECT_NE(dom.find("left: -300px"), std::string::npos);

    // The countdown shows numbers: two days and an hour to go.
    std::smatch days, hours;
    ASSERT_TRUE(std::regex_search(dom, days, std::regex("class=\"ks-d\">(\\d+)<")));
    EXPECT_EQ(days[1], "2");
    ASSERT_TRUE(std::regex_search(dom, hours, std::regex("class=\"ks-h\">(\\d+)<")));
    EXPECT_TRUE(hours[1] == "0" || hours[1] == "1") << hours[1];
    EXPECT_NE(Attribute(dom, "class=\"time-e\"", "style").find("display:none"), std::string::npos);
}
