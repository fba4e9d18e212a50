#include "CodeGenerator.h"

#include "CodeTemplates.h"
#include "TextTemplate.h"

#include "Lenient.h"
#include "SettingsFile.h"
#include "SettingsKeys.h"

#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

namespace {
constexpr int kClassLow = 1;
constexpr int kClassHigh = 100;
constexpr int kMinSlides = 2;
constexpr int kMaxSlides = 8;

std::string SlideMark(int position)
{
    return "图层0" + std::to_string(position);
}
std::string NavigationMark(int position)
{
    return "序号0" + std::to_string(position);
}
std::string NavigationItem(int slide)
{
    return "<li>" + std::to_string(slide - 1) + "</li>";
}
} // namespace

void CodeGenerator::EmitCarousel()
{
    const auto file = LoadSettings(Kind::Carousel);
    const SettingsFile& settings = *file;
    const std::string width = settings.Value(CarouselKey::Width);
    if (!Saved(width, StatusUnsavedCarousel))
        return;
    const std::string height = settings.Value(CarouselKey::Height);
    const std::string classNumber = std::to_string(random_.Between(kClassLow, kClassHigh));

    static const CompiledTemplate block(CodeTemplates::Carousel);
    static const CompiledTemplate slide(CodeTemplates::CarouselSlide);
    const std::string left = settings.Value(CarouselKey::Left);
    const std::string top = settings.Value(CarouselKey::Top);
    const std::string animation = settings.Value(CarouselKey::Effect);
    const std::string easing = settings.Value(CarouselKey::Easing);
    const std::string autoplay = settings.Value(CarouselKey::Autoplay);
    const std::string interval = settings.Value(CarouselKey::Duration);
    const std::string arrows = settings.Value(CarouselKey::ArrowSwitch);
    const std::string leftArrow = settings.Value(CarouselKey::LeftArrow);
    const std::string rightArrow = settings.Value(CarouselKey::RightArrow);
    const std::string leftArrowLeft = settings.Value(CarouselKey::LeftArrowLeft);
    const std::string leftArrowTop = settings.Value(CarouselKey::LeftArrowTop);
    const std::string rightArrowLeft = settings.Value(CarouselKey::RightArrowLeft);
    const std::string rightArrowTop = settings.Value(CarouselKey::RightArrowTop);
    const std::string open = settings.Value(CarouselKey::Open);
    std::vector<Step> steps = {
        {"距左", left, 1},
        {"随机", classNumber, 10},
        {"距顶", top, 1},
        {"图宽", width, 2},
        {"图高", height, 2},
        {"动画", animation, 1},
        {"切换", easing, 1},
        {"自动", autoplay, 1},
        {"刷新", interval, 1},
        {"箭显", arrows, 2},
        {"箭左图", leftArrow, 1},
        {"箭右图", rightArrow, 1},
        {"箭左左", leftArrowLeft, 1},
        {"箭左顶", leftArrowTop, 1},
        {"箭右左", rightArrowLeft, 1},
        {"箭右顶", rightArrowTop, 1},
    };

    const std::int64_t slideCount = Lenient::ToInteger(settings.Value(CarouselKey::Count));
    // Steps look at these texts until the block is written, so they are
    // made in place once and never moved.
    std::vector<std::string> texts;
    texts.reserve(5 * kMaxSlides);
    const auto keep = [&texts](std::string text) -> std::string_view {
        texts.push_back(std::move(text));
        return texts.back();
    };
    if (slideCount >= kMinSlides && slideCount <= kMaxSlides) {
        const int k = static_cast<int>(slideCount);
        for (int j = k + 1; j <= kMaxSlides; ++j)
            steps.push_back({keep(SlideMark(j)), "", 1});
        for (int j = k + 1; j <= kMaxSlides; ++j)
            steps.push_back({keep(NavigationMark(j)), "", 1});
        for (int i = 1; i <= k; ++i) {
            const std::string picture = settings.Value(CarouselKey::Picture(i));
            const std::string link = settings.Value(CarouselKey::Link(i));
            std::string filled;
            filled.reserve(CodeTemplates::CarouselSlide.size() + picture.size() + link.size() +
                           4 * (width.size() + height.size()) + open.size());
            slide.AppendApplied(filled, std::initializer_list<Step>{
                                            {"图宽", width, 2},
                                            {"图高", height, 2},
                                            {"打开", open, 1},
                                            {"图片", picture, 1},
                                            {"#链接", link, 1},
                                        });
            steps.push_back({keep(SlideMark(i)), keep(std::move(filled)), 1});
            steps.push_back({keep(NavigationMark(i)), keep(NavigationItem(i)), 1});
        }
    }
    Append(block, steps);
}

} // namespace morvane
