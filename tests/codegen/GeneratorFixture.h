#pragma once

#include "CodeGenerator.h"

#include "ComponentRecord.h"
#include "DesignSettings.h"
#include "Kind.h"
#include "PageSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// A design with page settings in place.
class GeneratorFixture : public ::testing::Test {
protected:
    GeneratorFixture() { SetPage("专业版", "950", "500", "20"); }

    void SetPage(const std::string& edition, const std::string& width, const std::string& height,
                 const std::string& spacing)
    {
        using P = morvane::PageSettings;
        background.SetCell(P::Row, P::Edition, edition);
        background.SetCell(P::Row, P::Width, width);
        background.SetCell(P::Row, P::Height, height);
        background.SetCell(P::Row, P::BackColour, "#ffffff");
        background.SetCell(P::Row, P::BackPicture, "bg.jpg");
        background.SetCell(P::Row, P::Attachment, "scroll");
        background.SetCell(P::Row, P::Repeat, "no-repeat");
        background.SetCell(P::Row, P::VerticalPos, "top");
        background.SetCell(P::Row, P::HorizontalPos, "center");
        background.SetCell(P::Row, P::TopSpacing, spacing);
    }

    // Adds a component whose columns 1.. are the given cells.
    int Add(morvane::Kind kind, const std::vector<std::string>& cells)
    {
        const int row = components.AppendComponent(kind);
        for (size_t i = 0; i < cells.size(); ++i)
            components.SetCell(row, static_cast<int>(i) + 1, cells[i]);
        return row;
    }

    void WriteSettings(morvane::Kind kind, int number, const std::vector<std::pair<std::string, std::string>>& values)
    {
        settings.Set(kind, number, morvane::DesignSettings::WithValues(settings.Of(kind, number), values));
    }

    // One saved component of every kind and two texts, one of them linked,
    // with values as the panels store them.
    void AddEveryKind()
    {
        using morvane::Kind;
        Add(Kind::Picture, {"10", "20", "300", "200", "_blank", "http://p/a.jpg", "http://shop/a", "tip", "1"});
        const int carousel = Add(Kind::Carousel, {"真", "", "", "", "", "", "", "", "1"});
        Add(Kind::LeftArrow, {});
        Add(Kind::RightArrow, {});
        WriteSettings(Kind::Carousel, carousel,
                      {{"宽度", "500"},
                       {"高度", "200"},
                       {"距左", "30"},
                       {"距顶", "40"},
                       {"编辑框数量", "3"},
                       {"左箭头", "http://p/l.png"},
                       {"右箭头", "http://p/r.png"},
                       {"左箭头距左", "0"},
                       {"左箭头距顶", "160"},
                       {"右箭头距左", "460"},
                       {"右箭头距顶", "160"},
                       {"打开方式", "_blank"},
                       {"自动轮播", "true"},
                       {"动画效果", "fade"},
                       {"切换效果", "easeIn"},
                       {"刷新间隔", "0.5"},
                       {"箭头开关", "block"},
                       {"图片1", "http://p/1.jpg"},
                       {"链接1", "http://s/1"},
                       {"图片2", "http://p/2.jpg"},
                       {"链接2", "http://s/2"},
                       {"图片3", "http://p/3.jpg"},
                       {"链接3", ""}});
        Add(Kind::Magnifier,
            {"50", "60", "220", "", "_blank", "http://p/m.jpg", "http://p/z.jpg", "http://s/m", "1", "264", "#00FF00"});
        Add(Kind::TwoSided, {"70", "80", "120", "120", "_self", "http://p/f.jpg", "http://s/t", "http://p/b.gif", "1"});
        const int countdown = Add(Kind::Countdown, {"", "", "", "", "", "", "", "", "1"});
        WriteSettings(Kind::Countdown, countdown,
                      {{"距左", "90"},     {"距顶", "100"}, {"宽度", "360"}, {"高度", "90"}, {"底图", "http://p/c.png"},
                       {"年数", "2027"},   {"年字", "年"},  {"月数", "5"},   {"月字", "月"}, {"号数", "9"},
                       {"号字", "日"},     {"时数", "20"},  {"时字", "时"},  {"分数", "23"}, {"分字", "分"},
                       {"秒数", "18"},     {"秒字", "秒"},  {"字距", "89"},  {"字号", "18"}, {"字体", "黑体"},
                       {"字色", "#FFFFFF"}});
        Add(Kind::WangwangGroup, {"1", "2", "63", "20", "12345", "http://p/g.gif", "", "", "1"});
        Add(Kind::Cart, {"3", "4", "120", "31", "http://p/cart.png", "http://item/1", "", "", "1"});
        Add(Kind::QrCode, {"5", "6", "2", "http://q/img?type=cs&shop_id=数字&w=90", "777", "", "", "", "1"});
        Add(Kind::CustomerService, {"7", "8", "70", "70", "店小二", "http://chat?touid=旺旺", "http://p/av.gif",
                                    "http://icon?uid=旺旺", "1", "most-footer footer-more-trigger", "right"});
        Add(Kind::Video, {"9", "10", "350", "240", "http://v/a.swf", "", "", "", "1"});
        Add(Kind::Share, {"11", "12", "92", "27", "1001", "http://p/share.gif", "", "", "1"});
        const int search = Add(Kind::Search, {"", "", "", "", "", "", "", "", "1"});
        WriteSettings(Kind::Search, search,
                      {{"宽度", "238"},
                       {"高度", "31"},
                       {"距左", "13"},
                       {"距顶", "14"},
                       {"搜框宽", "180"},
                       {"搜框高", "30"},
                       {"按扭宽", "50"},
                       {"按扭高", "30"},
                       {"预设字", "连衣裙"},
                       {"店铺", "http://shop"},
                       {"搜框背景色", "#fff"},
                       {"搜框文字色", "#000"},
                       {"搜框边框色", "#FF798A"},
                       {"按扭背景色", "#FF798A"},
                       {"按扭文字色", "#fff"}});
        Add(Kind::Favourite, {"15", "16", "190", "174", "http://p/fav.gif", "http://shop", "", "", "1"});
        Add(Kind::Like, {"17", "18", "2", "3003", "", "", "", "", "1"});
        Add(Kind::Follow, {"19", "20", "75", "22", "2002", "http://p/follow.png", "", "", "1"});
        for (int i = 1; i <= 2; ++i) {
            const int text = background.AppendText();
            background.SetCell(text, morvane::ComponentRecord::Saved, "1");
            WriteSettings(Kind::Text, text,
                          {{"宽度", "75"},
                           {"高度", "22"},
                           {"距左", std::to_string(20 * i)},
                           {"距顶", "30"},
                           {"内容", "文字" + std::to_string(i)},
                           {"链接", i == 2 ? "http://shop/t" : ""},
                           {"对齐", "center"},
                           {"字号", "14"},
                           {"字体", "仿宋"},
                           {"字距", ""},
                           {"加粗", "bold"},
                           {"字色", "#FF0000"},
                           {"背色", ""}});
        }
    }

    morvane::GenerationResult Generate(const morvane::TemplateTexts& texts = {})
    {
        return morvane::CodeGenerator::GenerateCode(components, background, settings, texts, random);
    }

    // The block that a design holding only the given component emits.
    std::string Block()
    {
        morvane::TemplateTexts texts;
        texts.marketPreview = "527304816";
        std::string code = Generate(texts).code;
        const std::string closing = "</div></div></div>";
        EXPECT_GE(code.size(), closing.size());
        return code.substr(0, code.size() - closing.size());
    }

    morvane::DesignSettings settings;
    morvane::ComponentLayer components;
    morvane::BackgroundLayer background;
    morvane::RandomSource random{7};
};
