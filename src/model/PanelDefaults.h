#pragma once

#include <array>
#include <string_view>

namespace morvane {

// Values the panels start their fields with that code generation does not
// carry, so that whatever rebuilds a design from its code can fill them in
// as a panel would, and the fixed addresses panels compose, whose shape
// tells where a later step put a number or an account into them.
struct PanelDefaults {
    // The countdown's code shows no word after the year and the month.
    static constexpr std::string_view CountdownYearWord = "年";
    static constexpr std::string_view CountdownMonthWord = "月";
    // The magnifier's code always opens a new window.
    static constexpr std::string_view LinkTarget = "_blank";

    // QR picture addresses by code type "0" to "4"; "数字" is where the
    // number goes. A QR code whose type was never chosen shows the first
    // address, of type "2" at 140 pixels.
    static constexpr std::array<std::string_view, 5> QrTemplates{
        "http://m.tmall.com/web/doSuperTransit.do?url=http://m.tb.cn/"
        "shop&type=shop&biz=tmall&iframe=1&mmstat=shop_head&key=数字",
        "http://gqrcode.alicdn.com/img?v=1&type=bi&item_id=数字",
        "http://gqrcode.alicdn.com/img?type=cs&shop_id=数字&seller_id=&w=90&h=90&el=q&v=1",
        "http://gqrcode.alicdn.com/img?type=ci&item_id=数字&isShow=0&v=1",
        "http://gqrcode.alicdn.com/img?type=we&amp;we_id=数字&amp;w=140&amp;h=140&amp;v=1",
    };
    static constexpr std::string_view QrFirstTemplate =
        "http://gqrcode.alicdn.com/img?type=cs&shop_id=数字&seller_id=&w=140&h=140&el=q&v=1";
    static constexpr std::string_view QrFirstType = "2";

    // Customer service status icons and chat links; "旺旺" is where the
    // account goes.
    static constexpr std::array<std::string_view, 4> CustomerServiceAddresses{
        "http://amos.alicdn.com/online.aw?v=2&uid=旺旺&site=cntaobao&s=1&charset=utf-8",
        "http://amos.alicdn.com/online.aw?v=2&uid=旺旺&site=cntaobao&s=2&charset=utf-8",
        "http://amos.alicdn.com/getcid.aw?v=2&uid=旺旺&site=cntaobao&s=1&groupid=0&charset=utf-8",
        "http://www.taobao.com/webww/ww.php?ver=3&touid=旺旺&siteid=cntaobao&status=1&charset=utf-8",
    };
};

} // namespace morvane
