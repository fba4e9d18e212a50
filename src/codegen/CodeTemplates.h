#pragma once

#include <string_view>

// Fixed HTML templates of the generated code. Placeholder words stand where
// design values go; each template keeps its line breaks visible.
namespace morvane::CodeTemplates {

inline constexpr std::string_view Picture =
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:距顶px;left:距左px;width:宽度px;height:高度px;padding: 0;border:0;background:none;\"><a href=\"#链接\" target=\"打开\" title=\"提示\"><img src=\"图片\" style=\"width:宽度px;height:高度px\"></a></div>";

inline constexpr std::string_view Carousel =
    "\n"
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:距顶px;left:距左px;width:图宽px;height:图高px;border:0;padding:0;\">\n"
    "    <div class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect':'动画','easing':'切换','circular':true,'autoplay':自动,'contentCls':'ravelo_content_随机','navCls':'ravelo_随机','activeTriggerCls':'selected','duration':'刷新','prevBtnCls': 'prev_随机', 'nextBtnCls': 'next_随机'}\" style=\"width:490px;height:300px;\">\n"
    "        <div class=\"ravelo_box\" style=\"width:图宽px;height:图高px; overflow: hidden; position: relative;\">\n"
    "            <div class=\"ravelo_content_随机\" style=\"position: absolute;\">\n"
    "\t\t\t\t图层01图层02图层03图层04图层05图层06图层07图层08          </div>\n"
    "        </div>\n"
    "        <ul class=\"ravelo_随机\" style=\"display:none;\">\n"
    "\t\t\t序号01序号02序号03序号04序号05序号06序号07序号08\n"
    "        </ul>\n"
    "        <div class=\"prev_随机 most-footer footer-more-trigger\" style=\"display:箭显;background:none;border:0;padding:0;z-index:99;left:箭左左px;top:箭左顶px;width:40px;height:40px;background:url(箭左图);cursor:pointer;\">\n"
    "        </div>\n"
    "        <div class=\"next_随机 most-footer footer-more-trigger\" style=\"display:箭显;background:none;border:0;padding:0;z-index:99;left:箭右左px;top:箭右顶px;width:40px;height:40px;background:url(箭右图);cursor:pointer;\">\n"
    "        </div>\n"
    "    </div>\n"
    "</div>\n";

inline constexpr std::string_view CarouselSlide =
    "<div style=\"width: 图宽px; height: 图高px; overflow: hidden; display: block; opacity: 1; position: absolute; z-index: 1;\"><a target=\"打开\" href=\"#链接\"><img src=\"图片\" style=\"width:图宽px;height:图高px;\"></a></div>";

inline constexpr std::string_view Magnifier =
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:距顶px;left:距左px;width:宽度px;height:宽度px;padding: 0;border:0;background:none;\"><span><a href=\"#链接\" target=\"_blank\"><img class=\"morvane序号\" src=\"底图\" style=\"width:宽度px;\" /></a></span><div class=\"J_TWidget\" data-widget-config=\"{'trigger':'.morvane序号','align':{'node':'.morvane序号','offset':[-8,-20],'points':['lc','lc']}}\" data-widget-type=\"Popup\" style=\"width:放大宽px;display:none;z-index:99;\"> <div style=\"width:放大2px;text-align:center;color:#000000;font-size:10pt;background-color:#边框色;margin-top: 1px;\"> <span><a href=\"#链接\" target=\"_blank\"><img src=\"放大图\" style=\"width:放大宽px;margin-left:auto;float:none;margin-top: 10px;margin: 5px;\" /></a> </span>     </div> </div> </div>";

inline constexpr std::string_view TwoSided =
    "<div class=\"most-footer footer-more-trigger\" data-title=\"鼠标滑动效果\" style=\"z-index:2;top:距顶px;left:距左px;width:宽度px;height:高度px;border:0;padding:0;background:none;overflow:hidden;\"><div class=\"footer-more\" style=\"width:宽度px;height:高度px;float:none;padding:0;right:auto;top:0;left:0;\"><a style=\"padding:0;height:auto;background:none;\" href=\"#链接\" target=\"打开方式\"><img src=\"底图\" width=\"宽度px\" height=\"高度px\" alt=\"\"></a><span class=\"footer-more-panel\" style=\"width:宽度px;height:高度px;border:0;padding:0;background:none;bottom:auto;right:auto;top:0;left:0;\"><a href=\"#链接\" target=\"打开方式\"><img src=\"变图\" width=\"宽度px\" height=\"高度px\" alt=\"\"></a></span></div></div>";

inline constexpr std::string_view Countdown =
    "<div class=\"most-footer footer-more-trigger J_TWidget\" data-type=\"countdown\" style=\"z-index:8;background:none;top:距顶px;left:距左px;width:模宽px;height:模高px;background-image:url(背景图);background-repeat:no-repeat;border:0;padding:0;\"\r\n"
    "data-widget-type=\"Countdown\" data-widget-config=\"{'endTime':'年份-月份-日期 小时:分钟:秒数','interval': 1000, 'timeRunCls': '.time-run', 'timeUnitCls':{'d': '.ks-d','h': '.ks-h','m': '.ks-m','s': '.ks-s','i': '.ks-i'},'minDigit': 1,'timeEndCls': '.time-e'}\">\r\n"
    "    <div class=\"time-run\">\r\n"
    "        <div style=\"float:left;width:字距px;height:模高px;line-height:模高px;text-align:center;color:#文字色;font-family:微软雅黑;font-size:字号px;font-weight:normal;;display:inline;\">\r\n"
    "            <span class=\"ks-d\">\r\n"
    "                00\r\n"
    "            </span>\r\n"
    "            <span style=\"display:inline\">\r\n"
    "                天字\r\n"
    "            </span>\r\n"
    "        </div>\r\n"
    "        <div style=\"float:left;width:字距px;height:模高px;line-height:模高px;text-align:center;color:#文字色;font-family:微软雅黑;font-size:字号px;font-weight:normal;;display:inline;\">\r\n"
    "            <span class=\"ks-h\">\r\n"
    "                00\r\n"
    "            </span>\r\n"
    "            <span style=\"display:inline\">\r\n"
    "                时字\r\n"
    "            </span>\r\n"
    "        </div>\r\n"
    "        <div style=\"float:left;width:字距px;height:模高px;line-height:模高px;text-align:center;color:#文字色;font-family:微软雅黑;font-size:字号px;font-weight:normal;;display:inline;\">\r\n"
    "            <span class=\"ks-m\">\r\n"
    "                00\r\n"
    "            </span>\r\n"
    "            <span style=\"display:inline\">\r\n"
    "                分字\r\n"
    "            </span>\r\n"
    "        </div>\r\n"
    "        <div style=\"float:left;width:字距px;height:模高px;line-height:模高px;;text-align:center;color:#文字色;font-family:微软雅黑;font-size:字号px;font-weight:normal;;display:inline;\">\r\n"
    "            <span class=\"ks-s\">\r\n"
    "                00\r\n"
    "            </span>\r\n"
    "            <span style=\"display:inline\">\r\n"
    "                秒字\r\n"
    "            </span>\r\n"
    "        </div>\r\n"
    "    </div>\r\n"
    "    <div class=\"time-e\" style=\"display:none\">\r\n"
    "        已结束\r\n"
    "    </div>\r\n"
    "</div>\r\n";

inline constexpr std::string_view CustomerService =
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:6;background:none;top:距顶px;left:距左px;width:宽度px;height:高度px;border:0;padding:0;\">\r\n"
    "\t显示头像\r\n"
    "\t<div class=\"位置\" style=\"background:none;top:auto;left:auto;text-align:对齐;width:100%;right:0;bottom:0;border:0;padding:0;\">\r\n"
    "\t\t显示图标\r\n"
    "</a>\r\n"
    "\t</div>\r\n"
    "</div>";

inline constexpr std::string_view CustomerServiceAvatar = "<a target=\"_blank\" href=\"#链接\">\r\n"
                                                          "\t\t<img src=\"头像\">\r\n"
                                                          "\t</a>";

inline constexpr std::string_view CustomerServiceIcon = "<a target=\"_blank\" href=\"#链接\">\r\n"
                                                        "\t<img border=\"0\" src=\"图标\" alt=\"点击这里和我联系\" />";

inline constexpr std::string_view TextLinkOpening =
    "<a href=\"#链接\" target=\"_blank\" style=\"color:#字色;text-decoration: none;\">";

inline constexpr std::string_view Search =
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:距顶px;left:距左px;width:模宽px;height:模高px;padding: 0;border:0;background:none;\"><div style=\"width:模宽px;height:模高px;line-height:缩进px;float:left;margin:0px 0px 0 0px;border:1px solid #框边色;background:#框背色;\">\r\n"
    "\t<form action=\"店铺/category.htm?scene=taobao_shop\" name=\"SearchForm\" method=\"post\">\r\n"
    "\t\t <input type=\"hidden\" value=\"y\" name=\"search\" /> <input class=\"keyword-input prompt\" value=\"关键字\" name=\"keyword\" size=\"40\" style=\"width:框宽px;height:框高px;padding:0 2px;border:none;background:none;float:left;outline:none;color:#框字色;\" /> <input type=\"submit\" class=\"btn\" value=\"搜索\" style=\"width:按宽px;height:按高px;border:none;float:right;background:#按背色;cursor:pointer;color:#按字色;\" />&nbsp;\r\n"
    "\t</form>\r\n"
    "</div></div>";

inline constexpr std::string_view Text =
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:距顶px;left:距左px;width:宽度px;height:高度px;background:none;background-color:#背色;border:0;padding:0;\">\r\n"
    "\t<div style=\"line-height:字距px;text-align:对齐;\">\r\n"
    "\t\t文字@链接\r\n"
    "\t\t<span style=\"font-size:字号px;color:#字色;font-family:字体;font-weight:加粗;\">内容</span>链@接尾\r\n"
    "\t</div>\r\n"
    "</div>";

inline constexpr std::string_view Cart =
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:4;background:none;top:距顶px;left:距左px;width:宽度px;height:高度px;border:0;padding:0;\">\r\n"
    "    <a class=\"J_CartPluginTrigger\" href=\"宝贝\" target=\"_blank\" title=\"加入购物车\">\r\n"
    "        <img style=\"width:120px;height:31px;\" src=\"图标\"/>\r\n"
    "    </a>\r\n"
    "</div>";

inline constexpr std::string_view QrCode =
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:5;background:none;top:距顶px;left:距左px;width:140px;height:140px;border:0;padding:0;\">\r\n"
    "\t<img src=\"#链接\" style=\"width:90px;height:90px\">\r\n"
    "</div>";

inline constexpr std::string_view Share =
    "\n"
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:距顶px;left:距左px;width:宽度px;height:高度px;border:0;padding:0;\">\n"
    "    <div class=\"sns-widget\" data-sharebtn=\"{client_id:68,skinType:3,type:'item',key:宝贝id,'comment':'感觉很不错哟，给大家分享一下！'}\" style=\"width:宽度px;height:高度px;background:url(图标) no-repeat;cursor:pointer;\">\n"
    "    </div>\n"
    "</div>";

inline constexpr std::string_view Favourite =
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:距顶px;left:距左px;width:宽度px;height:高度px;border:0;padding:0;\">\r\n"
    "    <a class=\"J_TokenSign\" href=\"#链接\" target=\"_blank\">\r\n"
    "        <img src=\"图标\" style=\"width:宽度px;height:高度px;\">\r\n"
    "    </a>\r\n"
    "</div>";

inline constexpr std::string_view Like =
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:距顶px;left:距左px;width:109px;height:25px;border:0;padding:0;\">\r\n"
    "\t<div class=\"sns-widget\" data-like='{\"type\":2,\"key\":\"宝贝\",\"skinType\":样式}'></div>\r\n"
    "</div>";

inline constexpr std::string_view Follow =
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:距顶px;left:距左px;width:宽度px;height:高度px;border:0;padding:0;\">\r\n"
    "\t<a href=\"#\" class=\"j_CollectBrand\" data-brandid=\"店铺\">\r\n"
    "\t\t<img src=\"图标\" style=\"width:宽度px;height:高度px;\">\r\n"
    "\t</a>\r\n"
    "</div>";

// The group page lives on the platform's main web host.
inline constexpr std::string_view WangwangGroup =
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:距顶px;left:距左px;width:宽度px;height:高度px;border:0;padding:0;\">\r\n"
    "\t<a href=\""
    "http://www.taobao.com/go/act/other/wwgroup.php?uid=1&tribeid=群ID"
    "\" target=\"_blank\">\r\n"
    "\t\t<img src=\"群图标\" alt=\"点击这里群聊\">\r\n"
    "\t</a>\r\n"
    "</div>";

// Flash player download page of the plug-in's vendor.
inline constexpr std::string_view Video =
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:距顶px;left:距左px;width:宽度px;height:高度px;border:0;padding:0;\">\r\n"
    "<embed wmode=\"transparent\" allowscriptaccess=\"never\" flashvars=\"scene=taobao_shop\" width=\"宽度px\" height=\"高度px\" pluginspage=\""
    "http://www.macromedia.com/go/getflashplayer"
    "\" quality=\"high\" src=\"视频\" type=\"application/x-shockwave-flash\">\r\n"
    "</div>";

} // namespace morvane::CodeTemplates
