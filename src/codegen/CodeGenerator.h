#pragma once

#include "CompiledTemplate.h"
#include "GenerationContext.h"
#include "RandomSource.h"

#include "BackgroundLayer.h"
#include "ComponentLayer.h"
#include "DesignSettings.h"
#include "Kind.h"

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
    bool finished = false;                // false when the page settings or an outer text were missing
    std::string code;                     // clipboard text
    std::string previewPage;              // preview file text; empty when its page is missing
    std::vector<std::string> statusTexts; // in the order they were written
    // Serial numbers, as the badges show them, of the components left out
    // unsaved and of the generated ones that still carry a placeholder
    // picture address.
    std::vector<int> unsavedSerials;
    std::vector<int> placeholderSerials;
    // The outer texts this edition needs that were empty, by file name. The
    // code is made all the same, but without its frame (or the basic
    // edition's wrapper) it cannot be pasted into a shop; without its
    // preview page only the preview is lost.
    std::vector<std::string> missingOuterTexts;
    std::string missingPreview;
};

class CodeGenerator {
public:
    static constexpr std::string_view StatusFrame = "正在生成模块背景...";
    static constexpr std::string_view StatusNoSettings = "您未配置 全局设置 里面的数属性，不能生成代码...";
    static constexpr std::string_view StatusComponents = "正在生成组件代码...";
    static constexpr std::string_view StatusDone = "代码生成完毕，并已复制到剪切板...";
    static constexpr std::string_view StatusUnsavedPicture = "发现未保存设置的图片组件，已被忽略...";
    static constexpr std::string_view StatusUnsavedCarousel = "发现未保存设置的轮播组件，已被忽略...";

    // The completion text with what the run left out or left to do: the
    // unsaved components and the placeholder pictures.
    static std::string DoneText(const GenerationResult& result);

    static GenerationResult GenerateCode(const ComponentLayer& components, const BackgroundLayer& background,
                                         const DesignSettings& settings, const TemplateTexts& texts,
                                         RandomSource& random);

private:
    using Step = CompiledTemplate::Step;
    // Each emitter reads the current row of the context and appends its
    // block to the code, or reports the component as unsaved.
    using Emitter = void (CodeGenerator::*)();

    CodeGenerator(const ComponentLayer& components, const BackgroundLayer& background, const DesignSettings& settings,
                  RandomSource& random);

    // The picture, the two-sided image and the small widgets: a row of data
    // each (RecordBlock).
    void EmitRecordBlock();
    void EmitCarousel();
    void EmitMagnifier();
    void EmitCountdown();
    void EmitCustomerService();
    void EmitSearch();
    void EmitText();

    // The emitter of each kind; none for the arrows, whose settings their
    // carousel writes.
    static const KindArray<Emitter>& Emitters();

    GenerationResult Run(const TemplateTexts& texts);
    void FinishCode(const TemplateTexts& texts, GenerationResult& result);
    // The basic edition's wrapper with the page values, its code marker open.
    std::string BasicWrapper(const TemplateTexts& texts) const;

    // The current component's settings.
    const DesignSettings::File& LoadSettings(Kind kind) const;
    // False (and reported) when the component was never saved.
    bool Saved(std::string_view testValue, std::string_view unsavedStatus);
    // The badge's number of the current row.
    int Serial() const;
    // Whether the current component still holds its kind's placeholder
    // picture address anywhere.
    bool CarriesPlaceholder() const;
    // The outer texts the edition needs that are empty.
    static void FindMissingTemplates(const TemplateTexts& texts, std::string_view edition, GenerationResult& result);
    void Append(const CompiledTemplate& block, std::span<const Step> steps);
    void Append(const CompiledTemplate& block, std::initializer_list<Step> steps);
    const std::string& Cell(int column) const;
    static std::string Apply(std::string_view text, std::initializer_list<Step> steps);

    const ComponentLayer& components_;
    const BackgroundLayer& background_;
    const DesignSettings& settings_;
    RandomSource& random_;
    GenerationContext context_;
    std::vector<std::string> statusTexts_;
    std::vector<int> unsaved_;
    // Set while the code is being written inside the basic wrapper.
    std::optional<std::string> wrapperSuffix_;
};

} // namespace morvane
