// Countdown, search box and text: emitters whose values live in settings files.
#include "CodeGenerator.h"

#include "CodeTemplates.h"
#include "TextTemplate.h"

#include "ComponentKind.h"
#include "Lenient.h"
#include "SettingsFile.h"

#include <string>

namespace morvane {

namespace {
constexpr std::string_view kTextLinkClosing = "</a>";
constexpr double kSearchLineInset = 2;
} // namespace

void CodeGenerator::EmitCountdown()
{
    context_.statusWord = GenerationContext::Paused;
    const SettingsFile s =
        SettingsFile::Load(store_.PathFor(ComponentKind::Countdown, context_.currentRow));
    const std::string width = s.Value("宽度");
    if (!BeginEmit(width, StatusUnsavedPicture))
        return;
    EndEmit(Apply(CodeTemplates::Countdown, {
        {"模宽", width, 2},
        {"模高", s.Value("高度"), 10},
        {"距左", s.Value("距左"), 1},
        {"距顶", s.Value("距顶"), 1},
        {"字号", s.Value("字号"), 5},
        {"#文字色", s.Value("字色"), 4},
        {"字距", s.Value("字距"), 4},
        {"微软雅黑", s.Value("字体"), 4},
        {"背景图", s.Value("底图"), 1},
        {"年份", s.Value("年数"), 1},
        {"月份", s.Value("月数"), 1},
        {"日期", s.Value("号数"), 1},
        {"天字", s.Value("号字"), 1},
        {"小时", s.Value("时数"), 1},
        {"时字", s.Value("时字"), 1},
        {"分钟", s.Value("分数"), 1},
        {"分字", s.Value("分字"), 1},
        {"秒数", s.Value("秒数"), 1},
        {"秒字", s.Value("秒字"), 1},
    }));
}

void CodeGenerator::EmitCustomerService()
{
    if (!BeginEmit(Cell(3), StatusUnsavedPicture))
        return;
    const std::string account = TextTemplate::PercentEncodeUtf8(Cell(5));
    const std::string& chatLink = Cell(6);
    const std::string& avatar = Cell(7);
    const std::string& icon = Cell(8);
    std::string block = Apply(CodeTemplates::CustomerService, {
        {"宽度", Cell(3), 1}, {"高度", Cell(4), 1}, {"距左", Cell(1), 1}, {"距顶", Cell(2), 1},
    });
    if (!avatar.empty()) {
        block = Apply(block, {
            {"显示头像", CodeTemplates::CustomerServiceAvatar, 1},
            {"头像", avatar, 1},
            {"#链接", chatLink, 1},
            {"旺旺", account, 1},
        });
    } else {
        TextTemplate::SubstituteInPlace(block, "显示头像", "", 1);
    }
    if (!icon.empty()) {
        // The first "旺旺" is the icon address's, the second the chat link's.
        block = Apply(block, {
            {"显示图标", CodeTemplates::CustomerServiceIcon, 1},
            {"图标", icon, 1},
            {"旺旺", account, 1},
            {"#链接", chatLink, 1},
            {"旺旺", account, 1},
        });
    } else {
        TextTemplate::SubstituteInPlace(block, "显示图标", "", 1);
    }
    EndEmit(Apply(block, {{"位置", Cell(10), 1}, {"对齐", Cell(11), 1}}));
}

void CodeGenerator::EmitSearch()
{
    context_.statusWord = GenerationContext::Paused;
    const SettingsFile s =
        SettingsFile::Load(store_.PathFor(ComponentKind::Search, context_.currentRow));
    const std::string width = s.Value("宽度");
    if (!BeginEmit(width, StatusUnsavedPicture))
        return;
    const std::string height = s.Value("高度");
    const std::string lineHeight = Lenient::NumberText(
        static_cast<double>(Lenient::ToInteger(height)) - kSearchLineInset);
    EndEmit(Apply(CodeTemplates::Search, {
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
    }));
}

void CodeGenerator::EmitText()
{
    context_.statusWord = GenerationContext::Paused;
    const SettingsFile s =
        SettingsFile::Load(store_.PathFor(ComponentKind::Text, context_.currentRow));
    const std::string width = s.Value("宽度");
    if (!BeginEmit(width, StatusUnsavedPicture))
        return;
    const std::string link = s.Value("链接");
    const std::string colour = s.Value("字色");
    std::string block = Apply(CodeTemplates::Text, {
        {"宽度", width, 1},
        {"高度", s.Value("高度"), 1},
        {"距左", s.Value("距左"), 1},
        {"距顶", s.Value("距顶"), 1},
        {"内容", s.Value("内容"), 1},
    });
    if (!link.empty()) {
        block = Apply(block, {
            {"文字@链接", CodeTemplates::TextLinkOpening, 1},
            {"#链接", link, 1},
            {"#字色", colour, 1},
            {"链@接尾", kTextLinkClosing, 1},
        });
    } else {
        block = Apply(block, {{"文字@链接", "", 1}, {"链@接尾", "", 1}});
    }
    EndEmit(Apply(block, {
        {"链接", link, 1},
        {"对齐", s.Value("对齐"), 1},
        {"字号", s.Value("字号"), 1},
        {"字体", s.Value("字体"), 1},
        {"字距", s.Value("字距"), 1},
        {"加粗", s.Value("加粗"), 1},
        {"#字色", colour, 1},
        {"#背色", s.Value("背色"), 1},
    }));
}

} // namespace morvane
