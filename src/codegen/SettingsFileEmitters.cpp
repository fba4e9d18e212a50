// Countdown, search box and text: emitters whose values live in settings files.
#include "CodeGenerator.h"

#include "CodeTemplates.h"
#include "TextTemplate.h"

#include "ComponentKind.h"
#include "Lenient.h"
#include "SettingsFile.h"

#include <string>
#include <vector>

namespace morvane {

namespace {
constexpr std::string_view kTextLinkClosing = "</a>";
constexpr double kSearchLineInset = 2;
} // namespace

void CodeGenerator::EmitCountdown()
{
    context_.statusWord = GenerationContext::Paused;
    const auto file = store_.Load(ComponentKind::Countdown, context_.currentRow);
    const SettingsFile& s = *file;
    const std::string width = s.Value("宽度");
    if (!BeginEmit(width, StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Countdown);
    EndEmit(block, {
                       {"模宽", width, 2},           {"模高", s.Value("高度"), 10},    {"距左", s.Value("距左"), 1},
                       {"距顶", s.Value("距顶"), 1}, {"字号", s.Value("字号"), 5},     {"#文字色", s.Value("字色"), 4},
                       {"字距", s.Value("字距"), 4}, {"微软雅黑", s.Value("字体"), 4}, {"背景图", s.Value("底图"), 1},
                       {"年份", s.Value("年数"), 1}, {"月份", s.Value("月数"), 1},     {"日期", s.Value("号数"), 1},
                       {"天字", s.Value("号字"), 1}, {"小时", s.Value("时数"), 1},     {"时字", s.Value("时字"), 1},
                       {"分钟", s.Value("分数"), 1}, {"分字", s.Value("分字"), 1},     {"秒数", s.Value("秒数"), 1},
                       {"秒字", s.Value("秒字"), 1},
                   });
}

void CodeGenerator::EmitCustomerService()
{
    if (!BeginEmit(Cell(3), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::CustomerService);
    const std::string account = TextTemplate::PercentEncodeUtf8(Cell(5));
    const std::string& chatLink = Cell(6);
    const std::string& avatar = Cell(7);
    const std::string& icon = Cell(8);
    std::vector<Step> steps = {
        {"宽度", Cell(3), 1},
        {"高度", Cell(4), 1},
        {"距左", Cell(1), 1},
        {"距顶", Cell(2), 1},
    };
    // The avatar and icon pieces bring placeholders of their own, which the
    // steps right after them fill.
    if (!avatar.empty()) {
        steps.insert(steps.end(), {
                                      {"显示头像", CodeTemplates::CustomerServiceAvatar, 1, true},
                                      {"头像", avatar, 1},
                                      {"#链接", chatLink, 1},
                                      {"旺旺", account, 1},
                                  });
    } else {
        steps.push_back({"显示头像", "", 1});
    }
    if (!icon.empty()) {
        // The first "旺旺" is the icon address's, the second the chat link's.
        steps.insert(steps.end(), {
                                      {"显示图标", CodeTemplates::CustomerServiceIcon, 1, true},
                                      {"图标", icon, 1},
                                      {"旺旺", account, 1},
                                      {"#链接", chatLink, 1},
                                      {"旺旺", account, 1},
                                  });
    } else {
        steps.push_back({"显示图标", "", 1});
    }
    steps.insert(steps.end(), {{"位置", Cell(10), 1}, {"对齐", Cell(11), 1}});
    EndEmit(block, steps);
}

void CodeGenerator::EmitSearch()
{
    context_.statusWord = GenerationContext::Paused;
    const auto file = store_.Load(ComponentKind::Search, context_.currentRow);
    const SettingsFile& s = *file;
    const std::string width = s.Value("宽度");
    if (!BeginEmit(width, StatusUnsavedPicture))
        return;
    const std::string height = s.Value("高度");
    const std::string lineHeight =
        Lenient::NumberText(static_cast<double>(Lenient::ToInteger(height)) - kSearchLineInset);
    static const CompiledTemplate block(CodeTemplates::Search);
    EndEmit(block, {
                       {"模宽", width, 2},
                       {"模高", height, 2},
                       {"距左", s.Value("距左"), 1},
                       {"距顶", s.Value("距顶"), 1},
                       {"框宽", s.Value("搜框宽"), 1},
                       {"框高", s.Value("搜框高"), 1},
                       {"按宽", s.Value("按扭宽"), 1},
                       {"按高", s.Value("按扭高"), 1},
                       {"关键字", s.Value("预设字"), 1},
                       {"店铺", s.Value("店铺"), 1},
                       {"#框背色", s.Value("搜框背景色"), 1},
                       {"#框字色", s.Value("搜框文字色"), 1},
                       {"#框边色", s.Value("搜框边框色"), 1},
                       {"#按背色", s.Value("按扭背景色"), 1},
                       {"#按字色", s.Value("按扭文字色"), 1},
                       {"缩进", lineHeight, 1},
                   });
}

void CodeGenerator::EmitText()
{
    context_.statusWord = GenerationContext::Paused;
    const auto file = store_.Load(ComponentKind::Text, context_.currentRow);
    const SettingsFile& s = *file;
    const std::string width = s.Value("宽度");
    if (!BeginEmit(width, StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Text);
    const std::string link = s.Value("链接");
    const std::string colour = s.Value("字色");
    const std::string height = s.Value("高度");
    const std::string left = s.Value("距左");
    const std::string top = s.Value("距顶");
    const std::string content = s.Value("内容");
    std::vector<Step> steps = {
        {"宽度", width, 1}, {"高度", height, 1}, {"距左", left, 1}, {"距顶", top, 1}, {"内容", content, 1},
    };
    if (!link.empty()) {
        // The link opening holds "#链接" and "#字色" for the next steps.
        steps.insert(steps.end(), {
                                      {"文字@链接", CodeTemplates::TextLinkOpening, 1, true},
                                      {"#链接", link, 1},
                                      {"#字色", colour, 1},
                                      {"链@接尾", kTextLinkClosing, 1, true},
                                  });
    } else {
        steps.insert(steps.end(), {{"文字@链接", "", 1}, {"链@接尾", "", 1}});
    }
    const std::string align = s.Value("对齐");
    const std::string size = s.Value("字号");
    const std::string font = s.Value("字体");
    const std::string spacing = s.Value("字距");
    const std::string bold = s.Value("加粗");
    const std::string background = s.Value("背色");
    steps.insert(steps.end(), {
                                  {"链接", link, 1},
                                  {"对齐", align, 1},
                                  {"字号", size, 1},
                                  {"字体", font, 1},
                                  {"字距", spacing, 1},
                                  {"加粗", bold, 1},
                                  {"#字色", colour, 1},
                                  {"#背色", background, 1},
                              });
    EndEmit(block, steps);
}

} // namespace morvane
