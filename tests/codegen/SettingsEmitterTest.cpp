#include "GeneratorFixture.h"

#include "KindTable.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

using namespace morvane;

namespace {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
    return text;
}

std::vector<std::pair<std::string, std::string>> CarouselSettings(const std::string& count)
{
    return {{"宽度", "950"},         {"高度", "400"},          {"距左", "15"},          {"距顶", "25"},
            {"动画效果", "scrollx"}, {"切换效果", "easeNone"}, {"自动轮播", "true"},    {"刷新间隔", "0.5"},
            {"箭头开关", "block"},   {"左箭头", "l.png"},      {"右箭头", "r.png"},     {"左箭头距左", "5"},
            {"左箭头距顶", "180"},   {"右箭头距左", "905"},    {"右箭头距顶", "180"},   {"编辑框数量", count},
            {"打开方式", "_self"},   {"图片1", "p1.jpg"},      {"链接1", "http://l/1"}, {"图片2", "p2.jpg"},
            {"链接2", "http://l/2"}, {"图片3", "p3.jpg"},      {"链接3", "http://l/3"}, {"图片4", "p4.jpg"},
            {"链接4", "http://l/4"}, {"图片5", "p5.jpg"},      {"链接5", "http://l/5"}, {"图片6", "p6.jpg"},
            {"链接6", "http://l/6"}, {"图片7", "p7.jpg"},      {"链接7", "http://l/7"}, {"图片8", "p8.jpg"},
            {"链接8", "http://l/8"}};
}

size_t Count(const std::string& text, const std::string& word)
{
    size_t n = 0;
    for (size_t pos = text.find(word); pos != std::string::npos; pos = text.find(word, pos + 1))
        ++n;
    return n;
}

} // namespace

using SettingsEmitters = GeneratorFixture;

TEST_F(SettingsEmitters, CarouselWithThreeSlides)
{
    const int row = Add(Kind::Carousel, {});
    WriteSettings(Kind::Carousel, row, CarouselSettings("3"));
    const std::string block = Block();
    std::smatch match;
    ASSERT_TRUE(std::regex_search(block, match, std::regex("ravelo_content_([0-9]+)")));
    const int number = std::stoi(match[1]);
    EXPECT_GE(number, 1);
    EXPECT_LE(number, 100);
    const std::string expected =
        "\n"
        "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:25px;left:15px;width:950px;height:400px;border:0;padding:0;\">\n"
        "    <div class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect':'scrollx','easing':'easeNone','circular':true,'autoplay':true,'contentCls':'ravelo_content_@@','navCls':'ravelo_@@','activeTriggerCls':'selected','duration':'0.5','prevBtnCls': 'prev_@@', 'nextBtnCls': 'next_@@'}\" style=\"width:490px;height:300px;\">\n"
        "        <div class=\"ravelo_box\" style=\"width:950px;height:400px; overflow: hidden; position: relative;\">\n"
        "            <div class=\"ravelo_content_@@\" style=\"position: absolute;\">\n"
        "\t\t\t\t<div style=\"width: 950px; height: 400px; overflow: hidden; display: block; opacity: 1; position: absolute; z-index: 1;\"><a target=\"_self\" href=\"http://l/1\"><img src=\"p1.jpg\" style=\"width:950px;height:400px;\"></a></div><div style=\"width: 950px; height: 400px; overflow: hidden; display: block; opacity: 1; position: absolute; z-index: 1;\"><a target=\"_self\" href=\"http://l/2\"><img src=\"p2.jpg\" style=\"width:950px;height:400px;\"></a></div><div style=\"width: 950px; height: 400px; overflow: hidden; display: block; opacity: 1; position: absolute; z-index: 1;\"><a target=\"_self\" href=\"http://l/3\"><img src=\"p3.jpg\" style=\"width:950px;height:400px;\"></a></div>          </div>\n"
        "        </div>\n"
        "        <ul class=\"ravelo_@@\" style=\"display:none;\">\n"
        "\t\t\t<li>0</li><li>1</li><li>2</li>\n"
        "        </ul>\n"
        "        <div class=\"prev_@@ most-footer footer-more-trigger\" style=\"display:block;background:none;border:0;padding:0;z-index:99;left:5px;top:180px;width:40px;height:40px;background:url(l.png);cursor:pointer;\">\n"
        "        </div>\n"
        "        <div class=\"next_@@ most-footer footer-more-trigger\" style=\"display:block;background:none;border:0;padding:0;z-index:99;left:905px;top:180px;width:40px;height:40px;background:url(r.png);cursor:pointer;\">\n"
        "        </div>\n"
        "    </div>\n"
        "</div>\n";

    EXPECT_EQ(block, ReplaceAll(expected, "@@", match[1]));
}

TEST_F(SettingsEmitters, CarouselSlideCounts)
{
    const int row = Add(Kind::Carousel, {});
    for (int k : {2, 8}) {
        WriteSettings(Kind::Carousel, row, CarouselSettings(std::to_string(k)));
        const std::string block = Block();
        EXPECT_EQ(Count(block, "<li>"), static_cast<size_t>(k));
        EXPECT_EQ(Count(block, "<a target="), static_cast<size_t>(k));
        EXPECT_EQ(Count(block, "图层"), 0u);
        EXPECT_EQ(Count(block, "序号"), 0u);
        EXPECT_EQ(block.find("p" + std::to_string(k + 1) + ".jpg"), std::string::npos);
        EXPECT_NE(block.find("p" + std::to_string(k) + ".jpg"), std::string::npos);
    }
    for (const char* bad : {"1", "9", "", "99999999999", "-3"}) {
        WriteSettings(Kind::Carousel, row, CarouselSettings(bad));
        const std::string block = Block();
        EXPECT_NE(block.find("图层01图层02图层03图层04图层05图层06图层07图层08          </div>"), std::string::npos)
            << bad;
        EXPECT_NE(block.find("序号01序号02序号03序号04序号05序号06序号07序号08\n"), std::string::npos);
    }
}

TEST_F(SettingsEmitters, CarouselLinkHoldingLaterSlideMarker)
{
    const int row = Add(Kind::Carousel, {});
    auto settings = CarouselSettings("3");
    for (auto& [key, value] : settings)
        if (key == "链接1")
            value = "http://x/图层03";
    WriteSettings(Kind::Carousel, row, settings);
    const std::string block = Block();
    // Slide 3 lands inside slide 1's link; the content div keeps its marker.
    EXPECT_NE(block.find("href=\"http://x/<div style="), std::string::npos);
    EXPECT_EQ(Count(block, "图层03"), 1u);
}

TEST_F(SettingsEmitters, CarouselWithoutSettingsFileIsUnsaved)
{
    Add(Kind::Carousel, {"1", "2", "3", "4"});
    GenerationResult result = Generate();
    EXPECT_EQ(result.code, "</div></div></div>");
    EXPECT_EQ(result.statusTexts[2], "发现未保存设置的轮播组件，已被忽略...");
}

TEST_F(SettingsEmitters, CountdownFillsAllUnits)
{
    const int row = Add(Kind::Countdown, {});
    WriteSettings(Kind::Countdown, row,
                  {{"宽度", "300"},     {"高度", "40"}, {"距左", "1"},    {"距顶", "2"},      {"字号", "16"},
                   {"字色", "#ff0000"}, {"字距", "60"}, {"字体", "宋体"}, {"底图", "bg.png"}, {"年数", "2027"},
                   {"月数", "5"},       {"号数", "9"},  {"时数", "20"},   {"分数", "23"},     {"秒数", "18"},
                   {"号字", "日"},      {"时字", "时"}, {"分字", "分"},   {"秒字", "秒"},     {"年字", "年"},
                   {"月字", "月"}});
    const std::string expected =
        "<div class=\"most-footer footer-more-trigger J_TWidget\" data-type=\"countdown\" style=\"z-index:8;background:none;top:2px;left:1px;width:300px;height:40px;background-image:url(bg.png);background-repeat:no-repeat;border:0;padding:0;\"\r\n"
        "data-widget-type=\"Countdown\" data-widget-config=\"{'endTime':'2027-5-9 20:23:18','interval': 1000, 'timeRunCls': '.time-run', 'timeUnitCls':{'d': '.ks-d','h': '.ks-h','m': '.ks-m','s': '.ks-s','i': '.ks-i'},'minDigit': 1,'timeEndCls': '.time-e'}\">\r\n"
        "    <div class=\"time-run\">\r\n"
        "        <div style=\"float:left;width:60px;height:40px;line-height:40px;text-align:center;color:#ff0000;font-family:宋体;font-size:16px;font-weight:normal;;display:inline;\">\r\n"
        "            <span class=\"ks-d\">\r\n"
        "                00\r\n"
        "            </span>\r\n"
        "            <span style=\"display:inline\">\r\n"
        "                日\r\n"
        "            </span>\r\n"
        "        </div>\r\n"
        "        <div style=\"float:left;width:60px;height:40px;line-height:40px;text-align:center;color:#ff0000;font-family:宋体;font-size:16px;font-weight:normal;;display:inline;\">\r\n"
        "            <span class=\"ks-h\">\r\n"
        "                00\r\n"
        "            </span>\r\n"
        "            <span style=\"display:inline\">\r\n"
        "                时\r\n"
        "            </span>\r\n"
        "        </div>\r\n"
        "        <div style=\"float:left;width:60px;height:40px;line-height:40px;text-align:center;color:#ff0000;font-family:宋体;font-size:16px;font-weight:normal;;display:inline;\">\r\n"
        "            <span class=\"ks-m\">\r\n"
        "                00\r\n"
        "            </span>\r\n"
        "            <span style=\"display:inline\">\r\n"
        "                分\r\n"
        "            </span>\r\n"
        "        </div>\r\n"
        "        <div style=\"float:left;width:60px;height:40px;line-height:40px;;text-align:center;color:#ff0000;font-family:宋体;font-size:16px;font-weight:normal;;display:inline;\">\r\n"
        "            <span class=\"ks-s\">\r\n"
        "                00\r\n"
        "            </span>\r\n"
        "            <span style=\"display:inline\">\r\n"
        "                秒\r\n"
        "            </span>\r\n"
        "        </div>\r\n"
        "    </div>\r\n"
        "    <div class=\"time-e\" style=\"display:none\">\r\n"
        "        已结束\r\n"
        "    </div>\r\n"
        "</div>\r\n";

    EXPECT_EQ(Block(), expected);
}

TEST_F(SettingsEmitters, CountdownDayLabelHoldingHourPlaceholder)
{
    const int row = Add(Kind::Countdown, {});
    WriteSettings(Kind::Countdown, row, {{"宽度", "300"}, {"号字", "时字"}, {"时字", "H"}, {"字体", "微软雅黑"}});
    const std::string block = Block();
    EXPECT_NE(block.find("                H\r\n            </span>\r\n        </div>\r\n"
                         "        <div style=\"float:left;width:px;height:px"),
              std::string::npos);
    EXPECT_EQ(Count(block, "时字"), 1u);
    EXPECT_EQ(Count(block, "微软雅黑"), 4u);
    EXPECT_EQ(block.substr(block.size() - 10), "\r\n</div>\r\n");
}

TEST_F(SettingsEmitters, CustomerServiceWithAvatarAndIcon)
{
    Add(Kind::CustomerService, {"3", "4", "100", "120", "中 a_b", "http://chat/?touid=旺旺&x=1", "face.jpg",
                                "http://icon/?uid=旺旺&s=2", "", "most-footer footer-more-trigger", "center"});
    const std::string expected =
        "<div class=\"most-footer footer-more-trigger\" style=\"z-index:6;background:none;top:4px;left:3px;width:100px;height:120px;border:0;padding:0;\">\r\n"
        "\t<a target=\"_blank\" href=\"http://chat/?touid=%E4%B8%AD%20a%5Fb&x=1\">\r\n"
        "\t\t<img src=\"face.jpg\">\r\n"
        "\t</a>\r\n"
        "\t<div class=\"most-footer footer-more-trigger\" style=\"background:none;top:auto;left:auto;text-align:center;width:100%;right:0;bottom:0;border:0;padding:0;\">\r\n"
        "\t\t<a target=\"_blank\" href=\"http://chat/?touid=%E4%B8%AD%20a%5Fb&x=1\">\r\n"
        "\t<img border=\"0\" src=\"http://icon/?uid=%E4%B8%AD%20a%5Fb&s=2\" alt=\"点击这里和我联系\" />\r\n"
        "</a>\r\n"
        "\t</div>\r\n"
        "</div>";

    EXPECT_EQ(Block(), expected);
}

TEST_F(SettingsEmitters, CustomerServiceWithoutAvatarOrIcon)
{
    Add(Kind::CustomerService, {"3", "4", "100", "120", "shop", "http://chat/旺旺", "", "", "", "", "left"});
    EXPECT_EQ(Block(), "<div class=\"most-footer footer-more-trigger\" style=\"z-index:6;background:none;top:4px;"
                       "left:3px;width:100px;height:120px;border:0;padding:0;\">\r\n"
                       "\t\r\n"
                       "\t<div class=\"\" style=\"background:none;top:auto;left:auto;text-align:left;width:100%;"
                       "right:0;bottom:0;border:0;padding:0;\">\r\n"
                       "\t\t\r\n"
                       "</a>\r\n"
                       "\t</div>\r\n"
                       "</div>");
}

TEST_F(SettingsEmitters, SearchClosesItsOuterDiv)
{
    const int row = Add(Kind::Search, {});
    WriteSettings(Kind::Search, row,
                  {{"宽度", "300"},
                   {"高度", "30"},
                   {"距左", "1"},
                   {"距顶", "2"},
                   {"搜框宽", "180"},
                   {"搜框高", "30"},
                   {"按扭宽", "50"},
                   {"按扭高", "30"},
                   {"预设字", "找宝贝"},
                   {"店铺", "http://shop.x"},
                   {"搜框背景色", "#111111"},
                   {"搜框文字色", "#222222"},
                   {"搜框边框色", "#333333"},
                   {"按扭背景色", "#444444"},
                   {"按扭文字色", "#555555"}});
    const std::string expected =
        "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:2px;left:1px;width:300px;height:30px;padding: 0;border:0;background:none;\"><div style=\"width:300px;height:30px;line-height:28px;float:left;margin:0px 0px 0 0px;border:1px solid #333333;background:#111111;\">\r\n"
        "\t<form action=\"http://shop.x/category.htm?scene=taobao_shop\" name=\"SearchForm\" method=\"post\">\r\n"
        "\t\t <input type=\"hidden\" value=\"y\" name=\"search\" /> <input class=\"keyword-input prompt\" value=\"找宝贝\" name=\"keyword\" size=\"40\" style=\"width:180px;height:30px;padding:0 2px;border:none;background:none;float:left;outline:none;color:#222222;\" /> <input type=\"submit\" class=\"btn\" value=\"搜索\" style=\"width:50px;height:30px;border:none;float:right;background:#444444;cursor:pointer;color:#555555;\" />&nbsp;\r\n"
        "\t</form>\r\n"
        "</div></div>";

    EXPECT_EQ(Block(), expected);
}

TEST_F(SettingsEmitters, SearchWithGarbageHeight)
{
    const int row = Add(Kind::Search, {});
    WriteSettings(Kind::Search, row, {{"宽度", "300"}, {"高度", "abc"}});
    const std::string block = Block();
    EXPECT_NE(block.find("line-height:-2px;"), std::string::npos);
    EXPECT_NE(block.find("action=\"/category.htm?scene=taobao_shop\""), std::string::npos);
}

TEST_F(SettingsEmitters, LinkedTextWhoseContentHoldsFontSizeWord)
{
    const int text = background.AppendText();
    WriteSettings(Kind::Text, text,
                  {{"宽度", "200"},
                   {"高度", "30"},
                   {"距左", "5"},
                   {"距顶", "6"},
                   {"内容", "大字号"},
                   {"链接", "http://t"},
                   {"字色", "#00ff00"},
                   {"背色", "#000000"},
                   {"对齐", "left"},
                   {"字号", "14"},
                   {"字体", "黑体"},
                   {"字距", "20"},
                   {"加粗", "normal;"}});
    const std::string expected =
        "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:6px;left:5px;width:200px;height:30px;background:none;background-color:#000000;border:0;padding:0;\">\r\n"
        "\t<div style=\"line-height:20px;text-align:left;\">\r\n"
        "\t\t<a href=\"http://t\" target=\"_blank\" style=\"color:#00ff00;text-decoration: none;\">\r\n"
        "\t\t<span style=\"font-size:14px;color:#00ff00;font-family:黑体;font-weight:normal;;\">大字号</span></a>\r\n"
        "\t</div>\r\n"
        "</div>";

    EXPECT_EQ(Block(), expected);
}

TEST_F(SettingsEmitters, UnlinkedTextContentLosesLinkWord)
{
    const int text = background.AppendText();
    WriteSettings(Kind::Text, text, {{"宽度", "200"}, {"内容", "看链接吧"}, {"字号", "12"}});
    EXPECT_EQ(Block(), "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:px;left:px;width:200px;"
                       "height:px;background:none;background-color:;border:0;padding:0;\">\r\n"
                       "\t<div style=\"line-height:px;text-align:;\">\r\n"
                       "\t\t\r\n"
                       "\t\t<span style=\"font-size:12px;color:;font-family:;font-weight:;\">看吧</span>\r\n"
                       "\t</div>\r\n"
                       "</div>");
}

TEST_F(SettingsEmitters, TextsStopAtFirstEmptyRowAndSkipUnsaved)
{
    const int first = background.AppendText();
    const int second = background.AppendText();
    WriteSettings(Kind::Text, first, {{"内容", "no width"}});
    WriteSettings(Kind::Text, second, {{"宽度", "1"}, {"内容", "second"}});
    GenerationResult result = Generate();
    EXPECT_EQ(result.code.find("no width"), std::string::npos);
    EXPECT_NE(result.code.find("second"), std::string::npos);
    EXPECT_EQ(result.statusTexts[2], "发现未保存设置的图片组件，已被忽略...");
}

using RecordEmitters = GeneratorFixture;

TEST_F(RecordEmitters, MagnifierSharesOneClassNumber)
{
    Add(Kind::Magnifier, {"7", "8", "220", "999", "_self", "s.jpg", "L.jpg", "http://i", "", "264", "#fff"});
    const std::string block = Block();
    std::smatch match;
    ASSERT_TRUE(std::regex_search(block, match, std::regex("morvane([0-9]+)")));
    const int number = std::stoi(match[1]);
    EXPECT_GE(number, 718);
    EXPECT_LE(number, 9999);
    const std::string expected =
        "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:8px;left:7px;width:220px;height:220px;padding: 0;border:0;background:none;\"><span><a href=\"http://i\" target=\"_blank\"><img class=\"morvaneSEQ\" src=\"s.jpg\" style=\"width:220px;\" /></a></span><div class=\"J_TWidget\" data-widget-config=\"{'trigger':'.morvaneSEQ','align':{'node':'.morvaneSEQ','offset':[-8,-20],'points':['lc','lc']}}\" data-widget-type=\"Popup\" style=\"width:254px;display:none;z-index:99;\"> <div style=\"width:264px;text-align:center;color:#000000;font-size:10pt;background-color:#fff;margin-top: 1px;\"> <span><a href=\"http://i\" target=\"_blank\"><img src=\"L.jpg\" style=\"width:254px;margin-left:auto;float:none;margin-top: 10px;margin: 5px;\" /></a> </span>     </div> </div> </div>";

    EXPECT_EQ(block, ReplaceAll(expected, "SEQ", match[1]));
}

TEST_F(RecordEmitters, MagnifierNumbersComeFromTheSeededSource)
{
    Add(Kind::Magnifier, {"7", "8", "220"});
    const std::string first = Block();
    random = RandomSource(7);
    EXPECT_EQ(Block(), first);
    EXPECT_NE(first.find("width:-10px;"), std::string::npos); // empty zoom width
}

TEST_F(RecordEmitters, TwoSidedClosesWhatItOpens)
{
    Add(Kind::TwoSided, {"7", "8", "200", "100", "_self", "front.jpg", "http://i", "back.jpg"});
    const std::string expected =
        "<div class=\"most-footer footer-more-trigger\" data-title=\"鼠标滑动效果\" style=\"z-index:2;top:8px;left:7px;width:200px;height:100px;border:0;padding:0;background:none;overflow:hidden;\"><div class=\"footer-more\" style=\"width:200px;height:100px;float:none;padding:0;right:auto;top:0;left:0;\"><a style=\"padding:0;height:auto;background:none;\" href=\"http://i\" target=\"_self\"><img src=\"front.jpg\" width=\"200px\" height=\"100px\" alt=\"\"></a><span class=\"footer-more-panel\" style=\"width:200px;height:100px;border:0;padding:0;background:none;bottom:auto;right:auto;top:0;left:0;\"><a href=\"http://i\" target=\"_self\"><img src=\"back.jpg\" width=\"200px\" height=\"100px\" alt=\"\"></a></span></div></div>";

    EXPECT_EQ(Block(), expected);
}

TEST_F(RecordEmitters, BadInputNeverBreaksGeneration)
{
    const std::string huge(1 << 20, 'v');
    Add(Kind::Picture, {huge, huge, huge, huge, huge, huge, huge, huge});
    const int carousel = Add(Kind::Carousel, {});
    settings.Set(
        Kind::Carousel, carousel,
        DesignSettings::FromBytes("\xFF\xFE garbage \x80\x81\n[配置]\n宽度=\xFF\xFF\n编辑框数量=99999999999\n"));
    const int search = Add(Kind::Search, {});
    settings.Set(Kind::Search, search, DesignSettings::FromBytes(std::string(100000, '\0')));
    GenerationResult result = Generate();
    EXPECT_TRUE(result.finished);
    EXPECT_GT(result.code.size(), 8u * huge.size());
}
