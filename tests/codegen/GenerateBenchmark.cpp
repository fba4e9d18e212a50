// Generates designs of saved components of every kind, 1,000 and 10,000 of
// them, and imports their code.
#include "CodeGenerator.h"
#include "CodeImporter.h"

#include "DesignSettings.h"
#include "KindTable.h"
#include "PageSettings.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

using namespace morvane;

namespace {

void Fill(ComponentLayer& components, BackgroundLayer& background, DesignSettings& settings, int count)
{
    using P = PageSettings;
    background.SetCell(P::Row, P::Edition, "基础版");
    background.SetCell(P::Row, P::Width, "1920");
    background.SetCell(P::Row, P::Height, "3000");
    background.SetCell(P::Row, P::HorizontalPos, "center");
    static constexpr std::array<Kind, 15> kinds = {
        Kind::Picture,         Kind::Carousel, Kind::Magnifier,     Kind::TwoSided, Kind::Countdown,
        Kind::CustomerService, Kind::Search,   Kind::WangwangGroup, Kind::Cart,     Kind::QrCode,
        Kind::Video,           Kind::Share,    Kind::Favourite,     Kind::Like,     Kind::Follow};
    for (int i = 0; i < count; ++i) {
        const Kind kind = kinds[static_cast<size_t>(i) % kinds.size()];
        const int row = components.AppendComponent(kind);
        for (int column = 1; column <= 11; ++column)
            components.SetCell(row, column, std::to_string(column * 10 + i % 7));
        components.SetCell(row, 5, "旺旺_shop");
        if (kind == Kind::Carousel || kind == Kind::Countdown || kind == Kind::Search) {
            settings.Set(kind, row,
                         DesignSettings::Written({{"宽度", "950"},
                                                  {"高度", "400"},
                                                  {"编辑框数量", "5"},
                                                  {"图片1", "a.jpg"},
                                                  {"链接1", "http://x"},
                                                  {"年份", "2027"},
                                                  {"框宽", "200"}}));
        }
    }
    for (int i = 0; i < count / 15; ++i) {
        const int row = background.AppendText();
        settings.Set(
            Kind::Text, row,
            DesignSettings::Written({{"宽度", "300"}, {"内容", "文字 " + std::to_string(i)}, {"链接", "http://shop"}}));
    }
}

TemplateTexts Texts()
{
    TemplateTexts texts;
    texts.pageFrame = "<div>宽度 总高 高度</div><div><div>";
    texts.basicWrapper = "<div>Morvane软件527304816</div>";
    texts.marketPreview = "<html>527304816</html>";
    return texts;
}

// A design of the given size with its settings.
struct Bench {
    explicit Bench(int count) { Fill(components, background, settings, count); }
    DesignSettings settings;
    ComponentLayer components;
    BackgroundLayer background;
    const TemplateTexts texts = Texts();
    RandomSource random{1};
};

void BM_Generate(benchmark::State& state)
{
    Bench bench(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        GenerationResult result =
            CodeGenerator::GenerateCode(bench.components, bench.background, bench.settings, bench.texts, bench.random);
        benchmark::DoNotOptimize(result.code.data());
        state.counters["code_bytes"] = static_cast<double>(result.code.size());
    }
}

// Reading the code of the same designs back.
void BM_Import(benchmark::State& state)
{
    Bench bench(static_cast<int>(state.range(0)));
    const std::string code =
        CodeGenerator::GenerateCode(bench.components, bench.background, bench.settings, bench.texts, bench.random).code;
    for (auto _ : state) {
        ImportedDesign design = CodeImporter::ImportCode(code, bench.texts);
        benchmark::DoNotOptimize(design.components.data());
        state.counters["components"] = static_cast<double>(design.components.size());
        state.counters["unread"] = static_cast<double>(design.unread.size());
    }
}

} // namespace

// The machines this runs on are shared; the fastest repetition is the
// figure least disturbed by neighbours. Run with --benchmark_repetitions=N.
BENCHMARK(BM_Generate)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min",
                        [](const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); });
BENCHMARK(BM_Import)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min",
                        [](const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); });
