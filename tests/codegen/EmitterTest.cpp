#include "GeneratorFixture.h"

#include "KindTable.h"

#include <gtest/gtest.h>

#include <set>

using namespace morvane;

using Emitters = GeneratorFixture;

TEST_F(Emitters, PictureFillsEveryPlaceholder)
{
    Add(Kind::Picture, {"10", "20", "300", "200", "_blank", "http://img/a.jpg", "http://shop/item", "Buy now"});
    EXPECT_EQ(Block(), "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:20px;left:10px;"
                       "width:300px;height:200px;padding: 0;border:0;background:none;\"><a href=\"http://shop/item\" "
                       "target=\"_blank\" title=\"Buy now\"><img src=\"http://img/a.jpg\" "
                       "style=\"width:300px;height:200px\"></a></div>");
}

TEST_F(Emitters, PictureStepsSeeEarlierValues)
{
    // The link holds "提示", so step 8 fills that one and the title keeps its word.
    Add(Kind::Picture, {"1", "", "", "", "", "", "http://x/?q=提示", "tip"});
    EXPECT_EQ(Block(), "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:px;left:1px;"
                       "width:px;height:px;padding: 0;border:0;background:none;\"><a href=\"http://x/?q=tip\" "
                       "target=\"\" title=\"提示\"><img src=\"\" style=\"width:px;height:px\"></a></div>");
}

TEST_F(Emitters, QrCodeCompletesNumberAndKeepsFixedSize)
{
    Add(Kind::QrCode, {"5", "6", "2", "http://qr/?id=数字", "12345"});
    EXPECT_EQ(Block(), "<div class=\"most-footer footer-more-trigger\" style=\"z-index:5;background:none;top:6px;"
                       "left:5px;width:140px;height:140px;border:0;padding:0;\">\r\n"
                       "\t<img src=\"http://qr/?id=12345\" style=\"width:90px;height:90px\">\r\n"
                       "</div>");
}

TEST_F(Emitters, LikePutsItemInQuotesAndStyleBare)
{
    Add(Kind::Like, {"7", "8", "2", "123"});
    EXPECT_EQ(Block(), "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:8px;"
                       "left:7px;width:109px;height:25px;border:0;padding:0;\">\r\n"
                       "\t<div class=\"sns-widget\" data-like='{\"type\":2,\"key\":\"123\",\"skinType\":2}'></div>\r\n"
                       "</div>");
}

TEST_F(Emitters, ShareUsesLoneLineFeedsAndFoldedItemPlaceholder)
{
    Add(Kind::Share, {"1", "2", "60", "20", "556677", "s.png"});
    EXPECT_EQ(Block(), "\n<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:2px;"
                       "left:1px;width:60px;height:20px;border:0;padding:0;\">\n"
                       "    <div class=\"sns-widget\" data-sharebtn=\"{client_id:68,skinType:3,type:'item',key:556677,"
                       "'comment':'感觉很不错哟，给大家分享一下！'}\" style=\"width:60px;height:20px;"
                       "background:url(s.png) no-repeat;cursor:pointer;\">\n"
                       "    </div>\n"
                       "</div>");
}

TEST_F(Emitters, WangwangGroupAndVideoHoldCompleteAddresses)
{
    Add(Kind::WangwangGroup, {"1", "2", "80", "20", "998877", "g.png"});
    EXPECT_EQ(Block(), "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:2px;"
                       "left:1px;width:80px;height:20px;border:0;padding:0;\">\r\n"
                       "\t<a href=\"http://www.taobao.com/go/act/other/wwgroup.php?uid=1&tribeid=998877\" "
                       "target=\"_blank\">\r\n"
                       "\t\t<img src=\"g.png\" alt=\"点击这里群聊\">\r\n"
                       "\t</a>\r\n"
                       "</div>");
    components.DeleteRow(2);
    Add(Kind::Video, {"1", "2", "400", "300", "v.swf"});
    EXPECT_EQ(Block(), "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:2px;"
                       "left:1px;width:400px;height:300px;border:0;padding:0;\">\r\n"
                       "<embed wmode=\"transparent\" allowscriptaccess=\"never\" flashvars=\"scene=taobao_shop\" "
                       "width=\"400px\" height=\"300px\" pluginspage=\"http://www.macromedia.com/go/getflashplayer\" "
                       "quality=\"high\" src=\"v.swf\" type=\"application/x-shockwave-flash\">\r\n"
                       "</div>");
}

TEST_F(Emitters, CartFavouriteFollow)
{
    Add(Kind::Cart, {"1", "2", "120", "31", "btn.png", "http://item/1"});
    EXPECT_EQ(Block(),
              "<div class=\"most-footer footer-more-trigger\" style=\"z-index:4;background:none;top:2px;"
              "left:1px;width:120px;height:31px;border:0;padding:0;\">\r\n"
              "    <a class=\"J_CartPluginTrigger\" href=\"http://item/1\" target=\"_blank\" title=\"加入购物车\">\r\n"
              "        <img style=\"width:120px;height:31px;\" src=\"btn.png\"/>\r\n"
              "    </a>\r\n"
              "</div>");
    components.DeleteRow(2);
    Add(Kind::Favourite, {"1", "2", "50", "40", "f.png", "http://shop"});
    EXPECT_EQ(Block(), "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:2px;"
                       "left:1px;width:50px;height:40px;border:0;padding:0;\">\r\n"
                       "    <a class=\"J_TokenSign\" href=\"http://shop\" target=\"_blank\">\r\n"
                       "        <img src=\"f.png\" style=\"width:50px;height:40px;\">\r\n"
                       "    </a>\r\n"
                       "</div>");
    components.DeleteRow(2);
    Add(Kind::Follow, {"1", "2", "50", "40", "4455", "b.png"});
    EXPECT_EQ(Block(), "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:2px;"
                       "left:1px;width:50px;height:40px;border:0;padding:0;\">\r\n"
                       "\t<a href=\"#\" class=\"j_CollectBrand\" data-brandid=\"4455\">\r\n"
                       "\t\t<img src=\"b.png\" style=\"width:50px;height:40px;\">\r\n"
                       "\t</a>\r\n"
                       "</div>");
}

TEST_F(Emitters, SmallWidgetsTestColumnThree)
{
    for (auto kind : {Kind::WangwangGroup, Kind::Cart, Kind::QrCode, Kind::Video, Kind::Share, Kind::Favourite,
                      Kind::Like, Kind::Follow})
        Add(kind, {"1", "2", "", "4", "5", "6"});
    GenerationResult result = Generate();
    EXPECT_EQ(result.code, "</div></div></div>");
    EXPECT_EQ(result.statusTexts.size(), 8u + 3u);
}
