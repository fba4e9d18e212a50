#pragma once

#include "CompiledTemplate.h"
#include "GenerationContext.h"
#include "RandomSource.h"

#include "BackgroundLayer.h"
#include "ComponentLayer.h"
#include "SettingsStore.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// The four outer texts fetched at start-up, already decoded to UTF-8.
struct TemplateTexts {
    std::string pageFrame;     // tyb.txt
    std::string basicWrapper;  // jcb.txt
    std::string tmallPreview;  // tmb.txt
    std::string marketPreview; // jsb.txt
};

struct GenerationResult {
    bool finished = false;                // false when the page settings were never configured
    std::string code;                     // clipboard text
    std::string previewPage;              // preview file text
    std::vector<std::string> statusTexts; // in the order they were written
};

class CodeGenerator {
public:
    static constexpr std::string_view StatusFrame = "正在生成模块背景...";
    static constexpr std::string_view StatusNoSettings = "您未配置 全局设置 里面的数属性，不能生成代码...";
    static constexpr std::string_view StatusComponents = "正在生成组件代码...";
    static constexpr std::string_view StatusDone = "代码生成完毕，并已复制到剪切板...";
    static constexpr std::string_view StatusUnsavedPicture = "发现未保存设置的图片组件，已被忽略...";
    static constexpr std::string_view StatusUnsavedCarousel = "发现未保存设置的轮播组件，已被忽略...";

    static GenerationResult GenerateCode(const ComponentLayer& components, const BackgroundLayer& background,
                                         const SettingsStore& store, const TemplateTexts& texts, RandomSource& random);

    CodeGenerator(const ComponentLayer& components, const BackgroundLayer& background, const SettingsStore& store,
                  RandomSource& random);

    void EmitPicture();
    void EmitCarousel();
    void EmitMagnifier();
    void EmitTwoSided();
    void EmitCountdown();
    void EmitCustomerService();
    void EmitSearch();
    void EmitText();
    void EmitWangwangGroup();
    void EmitCart();
    void EmitQrCode();
    void EmitVideo();
    void EmitShare();
    void EmitFavourite();
    void EmitLike();
    void EmitFollow();

    GenerationContext& Context() { return context_; }
    const std::vector<std::string>& StatusTexts() const { return statusTexts_; }

private:
    using Step = CompiledTemplate::Step;

    GenerationResult Run(const TemplateTexts& texts);
    void FinishCode(const TemplateTexts& texts, GenerationResult& result);
    // The basic edition's wrapper with the page values, its code marker open.
    std::string BasicWrapper(const TemplateTexts& texts) const;
    bool EmitComponent(std::string_view kind);

    // Common frame of every emitter: returns false (and reports) when unsaved.
    bool BeginEmit(std::string_view testValue, std::string_view unsavedStatus);
    // Appends the filled template to the code and ends the emitter's pause.
    void EndEmit(const CompiledTemplate& block, std::span<const Step> steps);
    void EndEmit(const CompiledTemplate& block, std::initializer_list<Step> steps);
    const std::string& Cell(int column) const;
    static std::string Apply(std::string_view text, std::initializer_list<Step> steps);

    const ComponentLayer& components_;
    const BackgroundLayer& background_;
    const SettingsStore& store_;
    RandomSource& random_;
    GenerationContext context_;
    std::vector<std::string> statusTexts_;
    // Set while the code is being written inside the basic wrapper.
    std::optional<std::string> wrapperSuffix_;
};

} // namespace morvane
