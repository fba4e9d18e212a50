#include "CodeGenerator.h"

#include "CodeTemplates.h"
#include "TextTemplate.h"

#include "ComponentKind.h"
#include "Lenient.h"
#include "SettingsFile.h"

#include <string>

namespace morvane {

namespace {
constexpr int kClassLow = 1;
constexpr int kClassHigh = 100;
constexpr int kMinSlides = 2;
constexpr int kMaxSlides = 8;

std::string SlideMark(int position) { return "图层0" + std::to_string(position); }
std::string NavigationMark(int position) { return "序号0" + std::to_string(position); }
std::string NavigationItem(int slide) { return "<li>" + std::to_string(slide - 1) + "</li>"; }
} // namespace

void CodeGenerator::EmitCarousel()
{
    context_.statusWord = GenerationContext::Paused;
    const SettingsFile settings =
        SettingsFile::Load(store_.PathFor(ComponentKind::Carousel, context_.currentRow));
    const std::string width = settings.Value("宽度");
    if (!BeginEmit(width, StatusUnsavedCarousel))
        return;
    const std::string height = settings.Value("高度");
    const std::string classNumber = std::to_string(random_.Between(kClassLow, kClassHigh));

    std::string block = Apply(CodeTemplates::Carousel, {
        {"距左", settings.Value("距左"), 1},
        {"随机", classNumber, 10},
        {"距顶", settings.Value("距顶"), 1},
        {"图宽", width, 2},
        {"图高", height, 2},
        {"动画", settings.Value("动画效果"), 1},
        {"切换", settings.Value("切换效果"), 1},
        {"自动", settings.Value("自动轮播"), 1},
        {"刷新", settings.Value("刷新间隔"), 1},
        {"箭显", settings.Value("箭头开关"), 2},
        {"箭左图", settings.Value("左箭头"), 1},
        {"箭右图", settings.Value("右箭头"), 1},
        {"箭左左", settings.Value("左箭头距左"), 1},
        {"箭左顶", settings.Value("左箭头距顶"), 1},
        {"箭右左", settings.Value("右箭头距左"), 1},
        {"箭右顶", settings.Value("右箭头距顶"), 1},
    });

    const std::int64_t slideCount = Lenient::ToInteger(settings.Value("编辑框数量"));
    const std::string slide = Apply(CodeTemplates::CarouselSlide, {
        {"图宽", width, 2},
        {"图高", height, 2},
        {"打开", settings.Value("打开方式"), 1},
    });
    if (slideCount >= kMinSlides && slideCount <= kMaxSlides) {
        const int k = static_cast<int>(slideCount);
        for (int j = k + 1; j <= kMaxSlides; ++j)
            TextTemplate::SubstituteInPlace(block, SlideMark(j), "", 1);
        for (int j = k + 1; j <= kMaxSlides; ++j)
            TextTemplate::SubstituteInPlace(block, NavigationMark(j), "", 1);
        for (int i = 1; i <= k; ++i) {
            const std::string number = std::to_string(i);
            const std::string filled = Apply(slide, {
                {"图片", settings.Value("图片" + number), 1},
                {"#链接", settings.Value("链接" + number), 1},
            });
            TextTemplate::SubstituteInPlace(block, SlideMark(i), filled, 1);
            TextTemplate::SubstituteInPlace(block, NavigationMark(i), NavigationItem(i), 1);
        }
    }
    EndEmit(std::move(block));
}

} // namespace morvane
