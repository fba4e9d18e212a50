#include "CodeGenerator.h"

#include "CodeTemplates.h"
#include "TextTemplate.h"

#include "ComponentKind.h"
#include "ComponentRecord.h"
#include "KindColumns.h"
#include "Lenient.h"
#include "PageSettings.h"
#include "SettingsFile.h"
#include "TextRecord.h"

namespace morvane {

namespace {

constexpr int kDesignWidth = 950;
constexpr double kFrameOffsetDivisor = -2;
constexpr std::string_view kClosing = "</div></div></div>";
constexpr std::string_view kCodeMarkerWrapper = "Morvane软件527304816";
constexpr std::string_view kCodeMarkerPreview = "527304816";
constexpr size_t kTypicalBlockBytes = 1024;

} // namespace

CodeGenerator::CodeGenerator(const ComponentLayer& components, const BackgroundLayer& background,
                             const SettingsStore& store, RandomSource& random)
    : components_(components), background_(background), store_(store), random_(random)
{
}

GenerationResult CodeGenerator::GenerateCode(const ComponentLayer& components, const BackgroundLayer& background,
                                             const SettingsStore& store, const TemplateTexts& texts,
                                             RandomSource& random)
{
    CodeGenerator generator(components, background, store, random);
    return generator.Run(texts);
}

std::string CodeGenerator::Apply(std::string_view text, std::initializer_list<Step> steps)
{
    return CompiledTemplate::ApplyInOrder(text, std::span<const Step>(steps.begin(), steps.size()));
}

GenerationResult CodeGenerator::Run(const TemplateTexts& texts)
{
    GenerationResult result;
    statusTexts_.emplace_back(StatusFrame);
    const auto page = [this](int column) -> const std::string& { return background_.Cell(PageSettings::Row, column); };
    if (page(PageSettings::HorizontalPos).empty()) {
        statusTexts_.emplace_back(StatusNoSettings);
        result.statusTexts = std::move(statusTexts_);
        return result;
    }
    context_.code.clear();
    wrapperSuffix_.reset();
    // Blocks are a few hundred bytes to a few kilobytes; room for all of them
    // up front saves copying a growing text over and over.
    context_.code.reserve(texts.pageFrame.size() + texts.basicWrapper.size() +
                          kTypicalBlockBytes * static_cast<size_t>(components_.RowCount() + background_.RowCount()));

    const std::string& edition = page(PageSettings::Edition);
    const bool basic = edition == PageSettings::BasicEdition;
    double totalHeight = Lenient::ToReal(page(PageSettings::Height));
    if (!basic)
        totalHeight += Lenient::ToReal(page(PageSettings::TopSpacing));
    const double rawOffset =
        static_cast<double>(Lenient::ToInteger(page(PageSettings::Width)) - kDesignWidth) / kFrameOffsetDivisor;
    // (950 - 950) / -2 is minus zero, which would print as "-0".
    const double offset = rawOffset == 0 ? 0.0 : rawOffset;
    const std::string totalText = Lenient::NumberText(totalHeight);
    const std::string offsetText = Lenient::NumberText(offset);
    if (basic) {
        // The code goes into the wrapper last, so no step ever searches it:
        // write the wrapper's opening now instead of moving megabytes later.
        const std::string wrapper = BasicWrapper(texts);
        const size_t at = TextTemplate::FindPlaceholder(wrapper, kCodeMarkerWrapper);
        if (at != std::string::npos) {
            context_.code.append(wrapper, 0, at);
            wrapperSuffix_ = wrapper.substr(at + kCodeMarkerWrapper.size());
        }
    }

    std::string frame =
        Apply(texts.pageFrame,
              {
                  {"宽度", page(PageSettings::Width), 4},
                  {"总高", totalText, 2},
                  {"高度", page(PageSettings::Height), 4},
                  {"距顶", basic ? std::string_view("0") : std::string_view(page(PageSettings::TopSpacing)), 1},
                  {"#背景色", page(PageSettings::BackColour), 1},
                  {"背景图", page(PageSettings::BackPicture), 1},
                  {"固定", page(PageSettings::Attachment), 1},
                  {"平铺", page(PageSettings::Repeat), 1},
                  {"上下", page(PageSettings::VerticalPos), 1},
                  {"左右", page(PageSettings::HorizontalPos), 1},
                  {"偏移", offsetText, 1},
              });
    if (edition == PageSettings::TmallEdition)
        frame = TextTemplate::SubstitutePlaceholder(frame, "Morvane版本", "sn-simple-logo", 3);
    else if (edition == PageSettings::ProEdition || basic)
        frame = TextTemplate::SubstitutePlaceholder(frame, "Morvane版本", "most-footer footer-more-trigger", 3);
    context_.code += frame;
    statusTexts_.emplace_back(StatusComponents);

    // Rows 0 and 1 are the layer's fixed rows; the emitters finish before
    // returning, so there is nothing to wait for between components.
    const int rowCount = components_.RowCount();
    for (int row = ComponentLayer::FirstComponentRow; row < rowCount; ++row) {
        context_.currentRow = row;
        EmitComponent(components_.Cell(row, ComponentRecord::Kind));
    }
    for (int row = 1; row < background_.RowCount(); ++row) {
        const std::string& kind = background_.Cell(row, TextRecord::Kind);
        context_.currentRow = row;
        if (kind == ComponentKind::Text)
            EmitText();
        else if (kind.empty())
            break;
    }
    FinishCode(texts, result);
    return result;
}

bool CodeGenerator::EmitComponent(std::string_view kind)
{
    if (kind == ComponentKind::Picture)
        EmitPicture();
    else if (kind == ComponentKind::Carousel)
        EmitCarousel();
    else if (kind == ComponentKind::Magnifier)
        EmitMagnifier();
    else if (kind == ComponentKind::TwoSided)
        EmitTwoSided();
    else if (kind == ComponentKind::Countdown)
        EmitCountdown();
    else if (kind == ComponentKind::CustomerService)
        EmitCustomerService();
    else if (kind == ComponentKind::Search)
        EmitSearch();
    else if (kind == ComponentKind::WangwangGroup)
        EmitWangwangGroup();
    else if (kind == ComponentKind::Cart)
        EmitCart();
    else if (kind == ComponentKind::QrCode)
        EmitQrCode();
    else if (kind == ComponentKind::Video)
        EmitVideo();
    else if (kind == ComponentKind::Share)
        EmitShare();
    else if (kind == ComponentKind::Favourite)
        EmitFavourite();
    else if (kind == ComponentKind::Like)
        EmitLike();
    else if (kind == ComponentKind::Follow)
        EmitFollow();
    else
        return false;
    return true;
}

std::string CodeGenerator::BasicWrapper(const TemplateTexts& texts) const
{
    const auto page = [this](int column) -> const std::string& { return background_.Cell(PageSettings::Row, column); };
    const double total = Lenient::ToReal(page(PageSettings::Height)) + Lenient::ToReal(page(PageSettings::TopSpacing));
    const std::string totalText = Lenient::NumberText(total);
    const bool wide = Lenient::ToInteger(page(PageSettings::Width)) > kDesignWidth;
    return Apply(texts.basicWrapper, {
                                         {"总高", totalText, 1},
                                         {"高度", page(PageSettings::Height), 4},
                                         {"偏移量", wide ? "-574" : "-200", 1},
                                         {"间距", page(PageSettings::TopSpacing), 1},
                                     });
}

void CodeGenerator::FinishCode(const TemplateTexts& texts, GenerationResult& result)
{
    const auto page = [this](int column) -> const std::string& { return background_.Cell(PageSettings::Row, column); };
    context_.code += kClosing;
    const std::string& edition = page(PageSettings::Edition);
    const bool basic = edition == PageSettings::BasicEdition;
    std::string preview;
    if (edition == PageSettings::TmallEdition)
        preview = texts.tmallPreview;
    else if (edition == PageSettings::ProEdition || basic)
        preview = texts.marketPreview;

    if (basic) {
        // The code was written after the wrapper's opening part; the
        // wrapper without a marker keeps none of it.
        if (wrapperSuffix_)
            context_.code += *wrapperSuffix_;
        else
            context_.code = BasicWrapper(texts);
    }
    // The code text is emptied at the end of every run, so hand it over.
    result.code = std::move(context_.code);
    context_.code.clear();
    statusTexts_.emplace_back(StatusDone);
    result.previewPage = TextTemplate::SubstitutePlaceholder(preview, kCodeMarkerPreview, result.code, 1);
    result.finished = true;
    result.statusTexts = std::move(statusTexts_);
    statusTexts_.clear();
}

const std::string& CodeGenerator::Cell(int column) const
{
    return components_.Cell(context_.currentRow, column);
}

bool CodeGenerator::BeginEmit(std::string_view testValue, std::string_view unsavedStatus)
{
    if (!testValue.empty())
        return true;
    statusTexts_.emplace_back(unsavedStatus);
    return false;
}

void CodeGenerator::EndEmit(const CompiledTemplate& block, std::span<const Step> steps)
{
    block.AppendApplied(context_.code, steps);
}

void CodeGenerator::EndEmit(const CompiledTemplate& block, std::initializer_list<Step> steps)
{
    EndEmit(block, std::span<const Step>(steps.begin(), steps.size()));
}

void CodeGenerator::EmitPicture()
{
    if (!BeginEmit(Cell(PictureColumn::Left), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Picture);
    EndEmit(block, {
                       {"距左", Cell(PictureColumn::Left), 1},
                       {"距顶", Cell(PictureColumn::Top), 1},
                       {"宽度", Cell(PictureColumn::Width), 2},
                       {"高度", Cell(PictureColumn::Height), 2},
                       {"打开", Cell(PictureColumn::Open), 1},
                       {"图片", Cell(PictureColumn::Picture), 1},
                       {"#链接", Cell(PictureColumn::Link), 1},
                       {"提示", Cell(PictureColumn::Tip), 1},
                   });
}

} // namespace morvane
