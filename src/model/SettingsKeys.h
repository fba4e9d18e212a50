#pragma once

#include <string>
#include <string_view>

namespace morvane {

// The keys of the settings files, written by the panels and read by the
// emitters; both spell them from here.

struct CarouselKey {
    static constexpr std::string_view Width = "宽度";
    static constexpr std::string_view Height = "高度";
    static constexpr std::string_view Left = "距左";
    static constexpr std::string_view Top = "距顶";
    static constexpr std::string_view Count = "编辑框数量";
    static constexpr std::string_view LeftArrow = "左箭头";
    static constexpr std::string_view RightArrow = "右箭头";
    static constexpr std::string_view LeftArrowLeft = "左箭头距左";
    static constexpr std::string_view LeftArrowTop = "左箭头距顶";
    static constexpr std::string_view RightArrowLeft = "右箭头距左";
    static constexpr std::string_view RightArrowTop = "右箭头距顶";
    static constexpr std::string_view Open = "打开方式";
    static constexpr std::string_view Autoplay = "自动轮播";
    static constexpr std::string_view Effect = "动画效果";
    static constexpr std::string_view Easing = "切换效果";
    static constexpr std::string_view Duration = "刷新间隔";
    static constexpr std::string_view ArrowSwitch = "箭头开关";
    // The picture the carousel shows on the canvas.
    static constexpr std::string_view FirstPicture = "图片1";
    // "图片1" .. "图片8" and "链接1" .. "链接8".
    static std::string Picture(int row) { return "图片" + std::to_string(row); }
    static std::string Link(int row) { return "链接" + std::to_string(row); }
};

struct CountdownKey {
    static constexpr std::string_view Left = "距左";
    static constexpr std::string_view Top = "距顶";
    static constexpr std::string_view Width = "宽度";
    static constexpr std::string_view Height = "高度";
    static constexpr std::string_view Background = "底图";
    static constexpr std::string_view Year = "年数";
    static constexpr std::string_view YearWord = "年字";
    static constexpr std::string_view Month = "月数";
    static constexpr std::string_view MonthWord = "月字";
    static constexpr std::string_view Day = "号数";
    static constexpr std::string_view DayWord = "号字";
    static constexpr std::string_view Hour = "时数";
    static constexpr std::string_view HourWord = "时字";
    static constexpr std::string_view Minute = "分数";
    static constexpr std::string_view MinuteWord = "分字";
    static constexpr std::string_view Second = "秒数";
    static constexpr std::string_view SecondWord = "秒字";
    static constexpr std::string_view Spacing = "字距";
    static constexpr std::string_view FontSize = "字号";
    static constexpr std::string_view Font = "字体";
    static constexpr std::string_view Colour = "字色";
};

struct SearchKey {
    static constexpr std::string_view Width = "宽度";
    static constexpr std::string_view Height = "高度";
    static constexpr std::string_view Left = "距左";
    static constexpr std::string_view Top = "距顶";
    static constexpr std::string_view BoxWidth = "搜框宽";
    static constexpr std::string_view BoxHeight = "搜框高";
    static constexpr std::string_view ButtonWidth = "按扭宽";
    static constexpr std::string_view ButtonHeight = "按扭高";
    static constexpr std::string_view Keyword = "预设字";
    static constexpr std::string_view Shop = "店铺";
    static constexpr std::string_view BoxBackground = "搜框背景色";
    static constexpr std::string_view BoxText = "搜框文字色";
    static constexpr std::string_view BoxBorder = "搜框边框色";
    static constexpr std::string_view ButtonBackground = "按扭背景色";
    static constexpr std::string_view ButtonText = "按扭文字色";
};

struct TextKey {
    static constexpr std::string_view Width = "宽度";
    static constexpr std::string_view Height = "高度";
    static constexpr std::string_view Left = "距左";
    static constexpr std::string_view Top = "距顶";
    static constexpr std::string_view Content = "内容";
    static constexpr std::string_view Link = "链接";
    static constexpr std::string_view Align = "对齐";
    static constexpr std::string_view FontSize = "字号";
    static constexpr std::string_view Font = "字体";
    static constexpr std::string_view LineHeight = "字距";
    static constexpr std::string_view Weight = "加粗";
    static constexpr std::string_view Colour = "字色";
    static constexpr std::string_view Background = "背色";
};

} // namespace morvane
