#pragma once

#include <string_view>

namespace morvane {

// The kind words stored in column 0 of a component record (and "文字" in a
// text record). They are the system's own words and appear verbatim in
// records, so they are kept as text rather than as an enum.
struct ComponentKind {
    static constexpr std::string_view Picture = "图片";
    static constexpr std::string_view Carousel = "轮播";
    static constexpr std::string_view LeftArrow = "左箭头";
    static constexpr std::string_view RightArrow = "右箭头";
    static constexpr std::string_view Magnifier = "放大镜";
    static constexpr std::string_view TwoSided = "双面图";
    static constexpr std::string_view Countdown = "倒计时";
    static constexpr std::string_view WangwangGroup = "旺旺群";
    static constexpr std::string_view Cart = "购物车";
    static constexpr std::string_view QrCode = "二维码";
    static constexpr std::string_view CustomerService = "客服";
    static constexpr std::string_view Video = "视频";
    static constexpr std::string_view Share = "分享";
    static constexpr std::string_view Search = "搜索";
    static constexpr std::string_view Favourite = "收藏";
    static constexpr std::string_view Like = "喜欢";
    static constexpr std::string_view Follow = "关注";
    static constexpr std::string_view Text = "文字";
};

} // namespace morvane
