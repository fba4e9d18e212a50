#pragma once

// Random designs for the fuzz targets over the generator: page settings,
// components of every kind with their records and settings, texts,
// and template texts, all made of placeholder words, small pieces and
// short runs of fuzzed bytes, so that values and templates run into each
// other's placeholders.
#include "CodeGenerator.h"
#include "FuzzSupport.h"

#include "BackgroundLayer.h"
#include "ComponentLayer.h"
#include "ComponentRecord.h"
#include "DesignSettings.h"
#include "KindTable.h"
#include "PageSettings.h"
#include "TextRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvane::fuzz {

// Words the templates use as placeholders, so that values run into them.
inline const std::vector<std::string> kPlaceholderWords = {"距左",
                                                           "距顶",
                                                           "宽度",
                                                           "高度",
                                                           "打开",
                                                           "图片",
                                                           "#链接",
                                                           "链接",
                                                           "提示",
                                                           "图层01",
                                                           "图层02",
                                                           "序号01",
                                                           "随机",
                                                           "图宽",
                                                           "图高",
                                                           "箭显",
                                                           "模宽",
                                                           "模高",
                                                           "字号",
                                                           "#文字色",
                                                           "字距",
                                                           "年份",
                                                           "天字",
                                                           "框宽",
                                                           "关键字",
                                                           "店铺",
                                                           "内容",
                                                           "文字@链接",
                                                           "链@接尾",
                                                           "#背景色",
                                                           "背景图",
                                                           "总高",
                                                           "偏移",
                                                           "偏移量",
                                                           "间距",
                                                           "Morvane版本",
                                                           "Morvane软件527304816",
                                                           "527304816",
                                                           "宝贝id",
                                                           "底图",
                                                           "放大宽",
                                                           "序号",
                                                           "显示头像",
                                                           "显示图标",
                                                           "位置"};
// Words no step looks for, for designs whose values hold no placeholder.
inline const std::vector<std::string> kPlainWords = {"http://p/a.jpg", "_blank", "center", "#FF0000", "12",
                                                     "连衣裙",         "文字",   "block",  "none",    "-3.5"};
inline const std::vector<std::string> kPieces = {"0",  "1",  "2",  "8",  "-",  ".", "5",    "px",
                                                 "#",  "a",  "Z",  " ",  "\"", "<", ">",    "宽",
                                                 "度", "链", "接", "图", "层", "@", "\xE5", "\xFF"};
// The same without the characters of placeholder words.
inline const std::vector<std::string> kPlainPieces = {"0", "1", "2", "8", "-",  ".", "5", "px",
                                                      "#", "a", "Z", " ", "\"", "<", ">", "\xFF"};
// nullopt: a row whose word names no kind.
inline const std::vector<std::optional<Kind>> kKinds = {
    Kind::Picture,   Kind::Carousel,      Kind::LeftArrow, Kind::RightArrow, Kind::Magnifier,       Kind::TwoSided,
    Kind::Countdown, Kind::WangwangGroup, Kind::Cart,      Kind::QrCode,     Kind::CustomerService, Kind::Video,
    Kind::Share,     Kind::Search,        Kind::Favourite, Kind::Like,       Kind::Follow,          std::nullopt};
inline const std::vector<std::string> kKeys = {
    "宽度",       "高度",       "距左",   "距顶",   "动画效果",   "切换效果",   "自动轮播",   "刷新间隔",
    "箭头开关",   "编辑框数量", "左箭头", "右箭头", "左箭头距左", "左箭头距顶", "右箭头距左", "右箭头距顶",
    "打开方式",   "图片1",      "图片2",  "图片3",  "图片8",      "链接1",      "链接2",      "链接8",
    "字号",       "字色",       "字距",   "字体",   "底图",       "年数",       "月数",       "号数",
    "号字",       "时数",       "时字",   "分数",   "分字",       "秒数",       "秒字",       "搜框宽",
    "搜框高",     "按扭宽",     "按扭高", "预设字", "店铺",       "搜框背景色", "搜框文字色", "搜框边框色",
    "按扭背景色", "按扭文字色", "链接",   "内容",   "对齐",       "加粗",       "背色"};

struct Design {
    ComponentLayer components;
    BackgroundLayer background;
    DesignSettings settings;
    TemplateTexts texts;
    std::uint64_t seed = 0;
};

class DesignMaker {
public:
    // plain: no value holds a placeholder word (fuzzed bytes aside).
    DesignMaker(FuzzedDataProvider& provider, bool plain) : provider_(provider), plain_(plain) {}

    std::string Value(size_t maxPieces)
    {
        if (plain_) {
            std::string text;
            const size_t count = provider_.ConsumeIntegralInRange<size_t>(0, maxPieces);
            for (size_t i = 0; i < count && provider_.remaining_bytes() > 0; ++i)
                text += provider_.ConsumeBool() ? Pick(provider_, kPlainWords) : Pick(provider_, kPlainPieces);
            return text;
        }
        return Piecework(provider_, maxPieces, kPlaceholderWords, kPieces);
    }

    // Fills the design, settings included.
    void Make(Design& design)
    {
        BackgroundLayer& background = design.background;
        const std::vector<std::string> editions = {PageSettings::TmallEdition, PageSettings::ProEdition,
                                                   PageSettings::BasicEdition, "其他"};
        background.SetCell(PageSettings::Row, PageSettings::Edition, Pick(provider_, editions));
        for (const int column : {PageSettings::Width, PageSettings::Height, PageSettings::TopSpacing,
                                 PageSettings::BackColour, PageSettings::BackPicture, PageSettings::Attachment,
                                 PageSettings::Repeat, PageSettings::VerticalPos, PageSettings::HorizontalPos}) {
            if (provider_.ConsumeIntegralInRange<int>(0, 7) > 0)
                background.SetCell(PageSettings::Row, column, Value(3));
        }
        if (provider_.ConsumeIntegralInRange<int>(0, 15) > 0 &&
            background.Cell(PageSettings::Row, PageSettings::HorizontalPos).empty())
            background.SetCell(PageSettings::Row, PageSettings::HorizontalPos, "center");

        ComponentLayer& components = design.components;
        const int componentCount = provider_.ConsumeIntegralInRange<int>(0, 8);
        for (int i = 0; i < componentCount; ++i) {
            const std::optional<Kind> kind = Pick(provider_, kKinds);
            const int row = components.AppendComponent(kind.value_or(Kind::Picture));
            if (!kind)
                components.SetCell(row, ComponentRecord::Kind, "其他");
            for (int column = ComponentRecord::Left; column < ComponentRecord::ColumnCount; ++column) {
                if (provider_.ConsumeIntegralInRange<int>(0, 3) > 0)
                    components.SetCell(row, column, Value(3));
            }
            if (provider_.ConsumeIntegralInRange<int>(0, 5) > 0)
                components.SetCell(row, ComponentRecord::Saved, "1");
            if (kind && !KindTable::Of(*kind).settingsPrefix.empty() && provider_.ConsumeIntegralInRange<int>(0, 5) > 0)
                WriteSettings(design.settings, *kind, row);
        }
        const int textCount = provider_.ConsumeIntegralInRange<int>(0, 3);
        for (int i = 0; i < textCount; ++i) {
            const int row = background.AppendText();
            if (provider_.ConsumeIntegralInRange<int>(0, 5) > 0)
                background.SetCell(row, TextRecord::Saved, "1");
            if (provider_.ConsumeIntegralInRange<int>(0, 5) > 0)
                WriteSettings(design.settings, Kind::Text, row);
        }

        design.texts.pageFrame = Value(12);
        design.texts.basicWrapper = Value(6);
        design.texts.tmallPreview = Value(4);
        design.texts.marketPreview = Value(4);
        design.seed = provider_.ConsumeIntegral<std::uint64_t>();
    }

private:
    void WriteSettings(DesignSettings& settings, Kind kind, int number)
    {
        std::vector<std::pair<std::string, std::string>> values;
        const int count = provider_.ConsumeIntegralInRange<int>(0, 12);
        for (int i = 0; i < count; ++i)
            values.emplace_back(Pick(provider_, kKeys), Value(3));
        if (provider_.ConsumeBool())
            values.emplace_back("编辑框数量", std::to_string(provider_.ConsumeIntegralInRange<int>(0, 9)));
        settings.Set(kind, number, DesignSettings::Written(values));
    }

    FuzzedDataProvider& provider_;
    bool plain_;
};

} // namespace morvane::fuzz
