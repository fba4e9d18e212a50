// The whole generator on fuzzed designs: every design is generated twice,
// once replaying the compiled template plans and once applying every step
// in order, and both runs must give the same code, preview page and status.
#include "CodeGenerator.h"
#include "CompiledTemplate.h"
#include "ComponentRecord.h"
#include "FuzzSupport.h"
#include "KindTable.h"
#include "PageSettings.h"
#include "SettingsStore.h"
#include "TextRecord.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <unistd.h>

using namespace morvane;
using namespace morvane::fuzz;

namespace {

// Words the templates use as placeholders, so that values run into them.
const std::vector<std::string> kWords = {"距左",
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
const std::vector<std::string> kPieces = {"0",  "1", "2", "8",  "-",  ".",  "5",  "px", "#",  "a", "Z",    " ",
                                          "\"", "<", ">", "宽", "度", "链", "接", "图", "层", "@", "\xE5", "\xFF"};
// nullopt: a row whose word names no kind.
const std::vector<std::optional<Kind>> kKinds = {
    Kind::Picture,   Kind::Carousel,      Kind::LeftArrow, Kind::RightArrow, Kind::Magnifier,       Kind::TwoSided,
    Kind::Countdown, Kind::WangwangGroup, Kind::Cart,      Kind::QrCode,     Kind::CustomerService, Kind::Video,
    Kind::Share,     Kind::Search,        Kind::Favourite, Kind::Like,       Kind::Follow,          std::nullopt};
const std::vector<std::string> kKeys = {
    "宽度",       "高度",       "距左",   "距顶",   "动画效果",   "切换效果",   "自动轮播",   "刷新间隔",
    "箭头开关",   "编辑框数量", "左箭头", "右箭头", "左箭头距左", "左箭头距顶", "右箭头距左", "右箭头距顶",
    "打开方式",   "图片1",      "图片2",  "图片3",  "图片8",      "链接1",      "链接2",      "链接8",
    "字号",       "字色",       "字距",   "字体",   "底图",       "年数",       "月数",       "号数",
    "号字",       "时数",       "时字",   "分数",   "分字",       "秒数",       "秒字",       "搜框宽",
    "搜框高",     "按扭宽",     "按扭高", "预设字", "店铺",       "搜框背景色", "搜框文字色", "搜框边框色",
    "按扭背景色", "按扭文字色", "链接",   "内容",   "对齐",       "加粗",       "背色"};

std::string Value(FuzzedDataProvider& provider, size_t maxPieces)
{
    return Piecework(provider, maxPieces, kWords, kPieces);
}

// Settings files go to a folder of this process, emptied for every design.
const SettingsStore& Store()
{
    static const SettingsStore store = [] {
        char path[] = "/tmp/morvane-generator-fuzz.XXXXXX";
        const char* made = ::mkdtemp(path);
        Require(made != nullptr, "a temporary folder");
        static const std::string folder = made;
        std::atexit([] { std::filesystem::remove_all(folder); });
        return SettingsStore(folder);
    }();
    return store;
}

void WriteSettings(FuzzedDataProvider& provider, Kind kind, int number)
{
    std::vector<std::pair<std::string, std::string>> values;
    const int count = provider.ConsumeIntegralInRange<int>(0, 12);
    for (int i = 0; i < count; ++i)
        values.emplace_back(Pick(provider, kKeys), Value(provider, 3));
    if (provider.ConsumeBool())
        values.emplace_back("编辑框数量", std::to_string(provider.ConsumeIntegralInRange<int>(0, 9)));
    SettingsStore::WriteValues(Store().PathFor(kind, number), values);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const SettingsStore& store = Store();
    store.DeleteStore();
    store.CreateWorkingDirectory();

    BackgroundLayer background;
    const std::vector<std::string> editions = {PageSettings::TmallEdition, PageSettings::ProEdition,
                                               PageSettings::BasicEdition, "其他"};
    background.SetCell(PageSettings::Row, PageSettings::Edition, Pick(provider, editions));
    for (const int column : {PageSettings::Width, PageSettings::Height, PageSettings::TopSpacing,
                             PageSettings::BackColour, PageSettings::BackPicture, PageSettings::Attachment,
                             PageSettings::Repeat, PageSettings::VerticalPos, PageSettings::HorizontalPos}) {
        if (provider.ConsumeIntegralInRange<int>(0, 7) > 0)
            background.SetCell(PageSettings::Row, column, Value(provider, 3));
    }
    if (provider.ConsumeIntegralInRange<int>(0, 15) > 0 &&
        background.Cell(PageSettings::Row, PageSettings::HorizontalPos).empty())
        background.SetCell(PageSettings::Row, PageSettings::HorizontalPos, "center");

    ComponentLayer components;
    const int componentCount = provider.ConsumeIntegralInRange<int>(0, 8);
    for (int i = 0; i < componentCount; ++i) {
        const std::optional<Kind> kind = Pick(provider, kKinds);
        const int row = components.AppendComponent(kind.value_or(Kind::Picture));
        if (!kind)
            components.SetCell(row, ComponentRecord::Kind, "其他");
        for (int column = ComponentRecord::Left; column < ComponentRecord::ColumnCount; ++column) {
            if (provider.ConsumeIntegralInRange<int>(0, 3) > 0)
                components.SetCell(row, column, Value(provider, 3));
        }
        if (provider.ConsumeIntegralInRange<int>(0, 5) > 0)
            components.SetCell(row, ComponentRecord::Saved, "1");
        if (kind && !store.PathFor(*kind, row).empty() && provider.ConsumeIntegralInRange<int>(0, 5) > 0)
            WriteSettings(provider, *kind, row);
    }
    const int textCount = provider.ConsumeIntegralInRange<int>(0, 3);
    for (int i = 0; i < textCount; ++i) {
        const int row = background.AppendText();
        if (provider.ConsumeIntegralInRange<int>(0, 5) > 0)
            background.SetCell(row, TextRecord::Saved, "1");
        if (provider.ConsumeIntegralInRange<int>(0, 5) > 0)
            WriteSettings(provider, Kind::Text, row);
    }

    TemplateTexts texts;
    texts.pageFrame = Value(provider, 12);
    texts.basicWrapper = Value(provider, 6);
    texts.tmallPreview = Value(provider, 4);
    texts.marketPreview = Value(provider, 4);
    const std::uint64_t seed = provider.ConsumeIntegral<std::uint64_t>();

    RandomSource replayRandom(seed);
    CompiledTemplate::SetReplay(true);
    const GenerationResult replayed = CodeGenerator::GenerateCode(components, background, store, texts, replayRandom);
    RandomSource inOrderRandom(seed);
    CompiledTemplate::SetReplay(false);
    const GenerationResult inOrder = CodeGenerator::GenerateCode(components, background, store, texts, inOrderRandom);
    CompiledTemplate::SetReplay(true);

    Require(replayed.finished == inOrder.finished, "finished");
    Require(replayed.code == inOrder.code, "code");
    Require(replayed.previewPage == inOrder.previewPage, "preview page");
    Require(replayed.statusTexts == inOrder.statusTexts, "status texts");
    return 0;
}
