#include "GeneratorFixture.h"

#include "CommaLocale.h"
#include "KindTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

using namespace morvane;

namespace {

const std::string kFrame =
    "W宽度|宽度|T总高|H高度|D距顶|C#背景色|I背景图|F固定|P平铺|V上下|L左右|O偏移|E:Morvane版本;Morvane版本|";

TemplateTexts Texts()
{
    TemplateTexts texts;
    texts.pageFrame = kFrame;
    texts.basicWrapper = "<T总高 H高度 O偏移量 S间距>[Morvane软件527304816]";
    texts.tmallPreview = "tmall:527304816";
    texts.marketPreview = "market:527304816";
    return texts;
}

} // namespace

using Driver = GeneratorFixture;

TEST_F(Driver, EmptyDesignYieldsFilledFrameAndClosingText)
{
    SetPage("专业版", "1920", "510", "30");
    GenerationResult result = Generate(Texts());
    ASSERT_TRUE(result.finished);
    const std::string expected = "W1920|1920|T540|H510|D30|C#ffffff|Ibg.jpg|Fscroll|Pno-repeat|Vtop|Lcenter|O-485|"
                                 "E:most-footer footer-more-trigger;most-footer footer-more-trigger|</div></div></div>";
    EXPECT_EQ(result.code, expected);
    EXPECT_EQ(result.previewPage, "market:" + expected);
    EXPECT_EQ(result.statusTexts, (std::vector<std::string>{"正在生成模块背景...", "正在生成组件代码...",
                                                            "代码生成完毕，并已复制到剪切板..."}));
}

TEST_F(Driver, TmallEditionAndFrameOffsets)
{
    SetPage("天猫版", "951", "510", "30");
    GenerationResult result = Generate(Texts());
    EXPECT_NE(result.code.find("|O-0.5|E:sn-simple-logo;sn-simple-logo|"), std::string::npos);
    EXPECT_EQ(result.previewPage.rfind("tmall:", 0), 0u);

    SetPage("天猫版", "", "510", "30");
    EXPECT_NE(Generate(Texts()).code.find("|O475|"), std::string::npos);
}

TEST_F(Driver, FractionsKeepTheirDecimalPointUnderACommaLocale)
{
    CommaLocale comma;
    ASSERT_TRUE(CommaLocale::Active());
    SetPage("专业版", "951", "510.5", "30");
    const std::string code = Generate(Texts()).code;
    EXPECT_NE(code.find("|T540.5|H510.5|"), std::string::npos) << code;
    EXPECT_NE(code.find("|O-0.5|"), std::string::npos) << code;
}

TEST_F(Driver, BasicEditionWrapsCodeAndKeepsZeroTop)
{
    SetPage("基础版", "950", "510", "30");
    GenerationResult result = Generate(Texts());
    const std::string inner = "W950|950|T510|H510|D0|C#ffffff|Ibg.jpg|Fscroll|Pno-repeat|Vtop|Lcenter|O0|"
                              "E:most-footer footer-more-trigger;most-footer footer-more-trigger|</div></div></div>";
    EXPECT_EQ(result.code, "<T540 H510 O-200 S30>[" + inner + "]");
    EXPECT_EQ(result.previewPage, "market:" + result.code);

    SetPage("基础版", "951", "510", "30");
    EXPECT_EQ(Generate(Texts()).code.rfind("<T540 H510 O-574 S30>", 0), 0u);
    SetPage("基础版", "", "510", "30");
    EXPECT_EQ(Generate(Texts()).code.rfind("<T540 H510 O-200 S30>", 0), 0u);
}

TEST_F(Driver, UnknownEditionKeepsMarkerAndWritesEmptyPreview)
{
    SetPage("企业版", "950", "510", "30");
    GenerationResult result = Generate(Texts());
    EXPECT_TRUE(result.finished);
    EXPECT_NE(result.code.find("E:Morvane版本;Morvane版本|"), std::string::npos);
    EXPECT_EQ(result.previewPage, "");
    EXPECT_EQ(result.code.rfind("W950", 0), 0u);
}

TEST_F(Driver, UnconfiguredPageStopsBeforeAnything)
{
    background.SetCell(PageSettings::Row, PageSettings::HorizontalPos, "");
    Add(Kind::Picture, {"1", "2"});
    GenerationResult result = Generate(Texts());
    EXPECT_FALSE(result.finished);
    EXPECT_EQ(result.code, "");
    EXPECT_EQ(result.statusTexts,
              (std::vector<std::string>{"正在生成模块背景...", "您未配置 全局设置 里面的数属性，不能生成代码..."}));
}

TEST_F(Driver, WrapperOrPreviewWithoutMarkerDropsTheCode)
{
    SetPage("基础版", "950", "510", "30");
    TemplateTexts texts = Texts();
    texts.basicWrapper = "wrapper";
    texts.marketPreview = "no marker";
    GenerationResult result = Generate(texts);
    EXPECT_EQ(result.code, "wrapper");
    EXPECT_EQ(result.previewPage, "no marker");
}

TEST_F(Driver, ComponentsInRowOrderThenTextsAndFixedRowsNeverEmit)
{
    components.SetCell(0, 0, "图片");
    components.SetCell(0, 1, "999");
    components.SetCell(1, 0, "图片");
    components.SetCell(1, 1, "998");
    Add(Kind::Cart, {"1", "2", "120", "31", "btn.png", "item-a"});
    Add(Kind::LeftArrow, {"5", "5", "40", "40"});
    Add(Kind::Picture, {"3", "4", "5", "6", "_self", "p.jpg", "l", "t"});
    Add(Kind::Cart, {"1", "2", "120", "31", "btn.png", "item-b"});
    const int text = background.AppendText();
    WriteSettings(Kind::Text, text, {{"宽度", "100"}, {"内容", "hello"}});

    TemplateTexts texts = Texts();
    texts.pageFrame = "[frame]";
    GenerationResult result = Generate(texts);
    const std::string& code = result.code;
    EXPECT_EQ(code.find("999"), std::string::npos);
    EXPECT_EQ(code.find("998"), std::string::npos);
    const size_t a = code.find("item-a"), p = code.find("p.jpg"), b = code.find("item-b"), t = code.find("hello");
    EXPECT_EQ(code.rfind("[frame]", 0), 0u);
    EXPECT_LT(a, p);
    EXPECT_LT(p, b);
    EXPECT_LT(b, t);
    EXPECT_NE(t, std::string::npos);
}

TEST_F(Driver, GeneratingTwiceGivesTheSameCode)
{
    Add(Kind::Picture, {"3", "4", "5", "6", "_self", "p.jpg", "l", "t"});
    EXPECT_EQ(Generate(Texts()).code, Generate(Texts()).code);
}

TEST_F(Driver, UnsavedComponentsAreSkippedWithStatusText)
{
    Add(Kind::Picture, {"", "4", "5", "6"});
    Add(Kind::Carousel, {"1", "2"});
    GenerationResult result = Generate(Texts());
    EXPECT_EQ(result.statusTexts, (std::vector<std::string>{
                                      "正在生成模块背景...", "正在生成组件代码...",
                                      "发现未保存设置的图片组件，已被忽略...", "发现未保存设置的轮播组件，已被忽略...",
                                      "代码生成完毕，并已复制到剪切板...（2 个组件未保存设置，已被忽略：序号 1、2）"}));
    EXPECT_EQ(result.code.find("<div class"), std::string::npos);
}

// The completion text names, by the badges' numbers (texts after every
// component row, the arrows included), what was left out unsaved and what
// still shows a placeholder picture.
TEST_F(Driver, TheCompletionTextNamesUnsavedComponentsAndPlaceholderPictures)
{
    Add(Kind::Picture, {"", "4"});
    const int carousel = Add(Kind::Carousel, {"真"});
    Add(Kind::LeftArrow, {});
    Add(Kind::RightArrow, {});
    Add(Kind::Magnifier, {"1", "2", "220", "", "", "own.jpg", std::string(placeholders::kMagnifier)});
    Add(Kind::Picture, {"1", "2", "3", "4", "_blank", "own.jpg"});
    WriteSettings(Kind::Carousel, carousel,
                  {{"宽度", "300"}, {"编辑框数量", "2"}, {"图片2", std::string(placeholders::kCarouselSlide)}});
    background.AppendText();
    EXPECT_EQ(Generate(Texts()).statusTexts.back(),
              "代码生成完毕，并已复制到剪切板...（2 个组件未保存设置，已被忽略：序号 1、7）"
              "（2 个组件仍是默认图片地址，请换成店铺自己的图片：序号 2、5）");
}

namespace {

// A template text as the build writes it, from its UTF-8 source.
std::string SourceTemplate(const std::string& name)
{
    const char* source = std::getenv("MORVANE_SOURCE_DIR");
    std::ifstream in(std::string(source ? source : ".") + "/templates/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string result = text.str();
    while (!result.empty() && result.back() == '\n')
        result.pop_back();
    return result;
}

// The elements that enclose others, opened and closed in the fragment. Its
// first `frameDepth` ones are the page frame's (and the basic wrapper's):
// only the last `tail` bytes, the closing text and the wrapper's end, may
// close them.
std::string NestingFault(const std::string& code, size_t frameDepth, size_t tail)
{
    static const std::regex tag("<(/?)(div|span|a|form|ul|li)\\b[^>]*>", std::regex::icase);
    std::vector<std::string> open;
    size_t deepestFrame = 0;
    for (auto it = std::sregex_iterator(code.begin(), code.end(), tag); it != std::sregex_iterator(); ++it) {
        const std::string name = (*it)[2];
        if ((*it)[1].length() == 0) {
            open.push_back(name);
            deepestFrame = std::max(deepestFrame, open.size());
            continue;
        }
        if (open.empty() || open.back() != name)
            return "</" + name + "> at " + std::to_string(it->position()) + " closes nothing it opened";
        open.pop_back();
        const bool closingText = code.size() - static_cast<size_t>(it->position()) <= tail;
        if (deepestFrame >= frameDepth && open.size() < frameDepth && !closingText)
            return "a block closes the frame at " + std::to_string(it->position());
    }
    return open.empty() ? std::string() : std::to_string(open.size()) + " elements left open";
}

} // namespace

TEST_F(Driver, EveryBlockClosesWhatItOpensSoTheFragmentStaysInItsFrame)
{
    TemplateTexts texts;
    texts.pageFrame = SourceTemplate("tyb.txt.in");
    texts.basicWrapper = SourceTemplate("jcb.txt.in");
    texts.marketPreview = "527304816";
    texts.tmallPreview = "527304816";
    ASSERT_NE(texts.pageFrame.find("Morvane版本"), std::string::npos);
    AddEveryKind();
    for (const char* edition : {"天猫版", "专业版", "基础版"}) {
        SetPage(edition, "950", "500", "50");
        const std::string code = Generate(texts).code;
        // The basic wrapper holds the frame inside two elements of its own.
        const bool basic = std::string(edition) == "基础版";
        EXPECT_EQ(NestingFault(code, basic ? 5 : 3, basic ? 30 : 18), "") << edition;
        for (const char* mark : {"ks-d", "footer-more-panel", "SearchForm", "J_CartPluginTrigger", "文字2"})
            EXPECT_NE(code.find(mark), std::string::npos) << mark;
    }
}
