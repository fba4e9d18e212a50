// Countdown, search box and text: emitters whose values live in settings files.
#include "CodeGenerator.h"

#include "CodeTemplates.h"
#include "TextTemplate.h"

#include "KindColumns.h"
#include "Lenient.h"
#include "SettingsFile.h"
#include "SettingsKeys.h"

#include <string>
#include <vector>

namespace morvane {

namespace {
constexpr std::string_view kTextLinkClosing = "</a>";
constexpr double kSearchLineInset = 2;
} // namespace

void CodeGenerator::EmitCountdown()
{
    const auto file = LoadSettings(Kind::Countdown);
    const SettingsFile& s = *file;
    const std::string width = s.Value(CountdownKey::Width);
    if (!Saved(width, StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Countdown);
    Append(block, {
                      {"模宽", width, 2},
                      {"模高", s.Value(CountdownKey::Height), 10},
                      {"距左", s.Value(CountdownKey::Left), 1},
                      {"距顶", s.Value(CountdownKey::Top), 1},
                      {"字号", s.Value(CountdownKey::FontSize), 5},
                      {"#文字色", s.Value(CountdownKey::Colour), 4},
                      {"字距", s.Value(CountdownKey::Spacing), 4},
                      {"微软雅黑", s.Value(CountdownKey::Font), 4},
                      {"背景图", s.Value(CountdownKey::Background), 1},
                      {"年份", s.Value(CountdownKey::Year), 1},
                      {"月份", s.Value(CountdownKey::Month), 1},
                      {"日期", s.Value(CountdownKey::Day), 1},
                      {"天字", s.Value(CountdownKey::DayWord), 1},
                      {"小时", s.Value(CountdownKey::Hour), 1},
                      {"时字", s.Value(CountdownKey::HourWord), 1},
                      {"分钟", s.Value(CountdownKey::Minute), 1},
                      {"分字", s.Value(CountdownKey::MinuteWord), 1},
                      {"秒数", s.Value(CountdownKey::Second), 1},
                      {"秒字", s.Value(CountdownKey::SecondWord), 1},
                  });
}

void CodeGenerator::EmitCustomerService()
{
    if (!Saved(Cell(ComponentRecord::Width), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::CustomerService);
    const std::string account = TextTemplate::PercentEncodeUtf8(Cell(CustomerServiceColumn::Account));
    const std::string& chatLink = Cell(CustomerServiceColumn::ChatLink);
    const std::string& avatar = Cell(CustomerServiceColumn::Avatar);
    const std::string& icon = Cell(CustomerServiceColumn::Icon);
    std::vector<Step> steps = {
        {"宽度", Cell(ComponentRecord::Width), 1},
        {"高度", Cell(ComponentRecord::Height), 1},
        {"距左", Cell(ComponentRecord::Left), 1},
        {"距顶", Cell(ComponentRecord::Top), 1},
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
    steps.insert(steps.end(),
                 {{"位置", Cell(CustomerServiceColumn::IconBox), 1}, {"对齐", Cell(CustomerServiceColumn::Align), 1}});
    Append(block, steps);
}

void CodeGenerator::EmitSearch()
{
    const auto file = LoadSettings(Kind::Search);
    const SettingsFile& s = *file;
    const std::string width = s.Value(SearchKey::Width);
    if (!Saved(width, StatusUnsavedPicture))
        return;
    const std::string height = s.Value(SearchKey::Height);
    const std::string lineHeight =
        Lenient::NumberText(static_cast<double>(Lenient::ToInteger(height)) - kSearchLineInset);
    static const CompiledTemplate block(CodeTemplates::Search);
    Append(block, {
                      {"模宽", width, 2},
                      {"模高", height, 2},
                      {"距左", s.Value(SearchKey::Left), 1},
                      {"距顶", s.Value(SearchKey::Top), 1},
                      {"框宽", s.Value(SearchKey::BoxWidth), 1},
                      {"框高", s.Value(SearchKey::BoxHeight), 1},
                      {"按宽", s.Value(SearchKey::ButtonWidth), 1},
                      {"按高", s.Value(SearchKey::ButtonHeight), 1},
                      {"关键字", s.Value(SearchKey::Keyword), 1},
                      {"店铺", s.Value(SearchKey::Shop), 1},
                      {"#框背色", s.Value(SearchKey::BoxBackground), 1},
                      {"#框字色", s.Value(SearchKey::BoxText), 1},
                      {"#框边色", s.Value(SearchKey::BoxBorder), 1},
                      {"#按背色", s.Value(SearchKey::ButtonBackground), 1},
                      {"#按字色", s.Value(SearchKey::ButtonText), 1},
                      {"缩进", lineHeight, 1},
                  });
}

void CodeGenerator::EmitText()
{
    const auto file = LoadSettings(Kind::Text);
    const SettingsFile& s = *file;
    const std::string width = s.Value(TextKey::Width);
    if (!Saved(width, StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Text);
    const std::string link = s.Value(TextKey::Link);
    const std::string colour = s.Value(TextKey::Colour);
    const std::string height = s.Value(TextKey::Height);
    const std::string left = s.Value(TextKey::Left);
    const std::string top = s.Value(TextKey::Top);
    const std::string content = s.Value(TextKey::Content);
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
    const std::string align = s.Value(TextKey::Align);
    const std::string size = s.Value(TextKey::FontSize);
    const std::string font = s.Value(TextKey::Font);
    const std::string spacing = s.Value(TextKey::LineHeight);
    const std::string bold = s.Value(TextKey::Weight);
    const std::string background = s.Value(TextKey::Background);
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
    Append(block, steps);
}

} // namespace morvane
