#include "CodeGenerator.h"

#include "CodeTemplates.h"
#include "RecordBlock.h"
#include "TextTemplate.h"

#include "ComponentRecord.h"
#include "KindTable.h"
#include "Lenient.h"
#include "PageSettings.h"
#include "SerialNumber.h"
#include "SettingsKeys.h"
#include "TextRecord.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace morvane {

namespace {

constexpr int kDesignWidth = 950;
constexpr double kFrameOffsetDivisor = -2;
constexpr std::string_view kClosing = "</div></div></div>";
constexpr std::string_view kCodeMarkerWrapper = "Morvane软件527304816";
constexpr std::string_view kCodeMarkerPreview = "527304816";
constexpr size_t kTypicalBlockBytes = 1024;
constexpr int kMaxSlides = 8;
constexpr std::string_view kPageFrameName = "tyb.txt";
constexpr std::string_view kBasicWrapperName = "jcb.txt";
constexpr std::string_view kTmallPreviewName = "tmb.txt";
constexpr std::string_view kMarketPreviewName = "jsb.txt";

std::string Joined(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string joined;
    for (const std::string& part : parts) {
        if (!joined.empty())
            joined += separator;
        joined += part;
    }
    return joined;
}

std::string SerialList(const std::vector<int>& serials)
{
    std::vector<std::string> numbers;
    for (const int serial : serials)
        numbers.push_back(std::to_string(serial));
    return Joined(numbers, "、");
}

} // namespace

const KindArray<CodeGenerator::Emitter>& CodeGenerator::Emitters()
{
    static constexpr KindSlots<Emitter> table = [] {
        KindSlots<Emitter> made;
        for (const RecordBlock& block : recordblocks::kTable)
            made.Set(block.kind, &CodeGenerator::EmitRecordBlock);
        made.Set(Kind::Carousel, &CodeGenerator::EmitCarousel);
        made.Set(Kind::Magnifier, &CodeGenerator::EmitMagnifier);
        made.Set(Kind::Countdown, &CodeGenerator::EmitCountdown);
        made.Set(Kind::CustomerService, &CodeGenerator::EmitCustomerService);
        made.Set(Kind::Search, &CodeGenerator::EmitSearch);
        made.Set(Kind::Text, &CodeGenerator::EmitText);
        return made;
    }();
    // Every kind but a companion generates a block of its own.
    static_assert([] {
        for (const KindInfo& kind : kinds::kTable) {
            if (table.filled[IndexOf(kind.kind)] == kind.owner.has_value())
                return false;
        }
        return true;
    }());
    return table.value;
}

CodeGenerator::CodeGenerator(const ComponentLayer& components, const BackgroundLayer& background,
                             const DesignSettings& settings, RandomSource& random)
    : components_(components), background_(background), settings_(settings), random_(random)
{
}

GenerationResult CodeGenerator::GenerateCode(const ComponentLayer& components, const BackgroundLayer& background,
                                             const DesignSettings& settings, const TemplateTexts& texts,
                                             RandomSource& random)
{
    CodeGenerator generator(components, background, settings, random);
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
    const std::string& edition = page(PageSettings::Edition);
    const bool basic = edition == PageSettings::BasicEdition;
    FindMissingTemplates(texts, edition, result);
    context_.code.clear();
    wrapperSuffix_.reset();
    unsaved_.clear();
    // Blocks are a few hundred bytes to a few kilobytes; room for all of them
    // up front saves copying a growing text over and over.
    context_.code.reserve(texts.pageFrame.size() + texts.basicWrapper.size() +
                          kTypicalBlockBytes * static_cast<size_t>(components_.RowCount() + background_.RowCount()));

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

    // Rows 0 and 1 are the layer's fixed rows. A row of a word that is no
    // component kind, or of an arrow, generates nothing.
    const KindArray<Emitter>& emitters = Emitters();
    const int rowCount = components_.RowCount();
    for (int row = ComponentLayer::FirstComponentRow; row < rowCount; ++row) {
        const std::optional<Kind> kind = KindTable::FromWord(components_.Cell(row, ComponentRecord::Kind));
        if (!kind || *kind == Kind::Text || !emitters[IndexOf(*kind)])
            continue;
        context_.currentRow = row;
        context_.currentKind = *kind;
        const size_t unsavedBefore = unsaved_.size();
        (this->*emitters[IndexOf(*kind)])();
        if (unsaved_.size() == unsavedBefore && CarriesPlaceholder())
            result.placeholderSerials.push_back(Serial());
    }
    const std::string_view textWord = KindTable::Word(Kind::Text);
    for (int row = 1; row < background_.RowCount(); ++row) {
        const std::string& kind = background_.Cell(row, TextRecord::Kind);
        context_.currentRow = row;
        context_.currentKind = Kind::Text;
        if (kind == textWord)
            EmitText();
        else if (kind.empty())
            break;
    }
    FinishCode(texts, result);
    return result;
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
    result.unsavedSerials = std::move(unsaved_);
    unsaved_.clear();
    statusTexts_.push_back(DoneText(result));
    result.previewPage = TextTemplate::SubstitutePlaceholder(preview, kCodeMarkerPreview, result.code, 1);
    result.finished = true;
    result.statusTexts = std::move(statusTexts_);
    statusTexts_.clear();
}

const std::string& CodeGenerator::Cell(int column) const
{
    return components_.Cell(context_.currentRow, column);
}

const DesignSettings::File& CodeGenerator::LoadSettings(Kind kind) const
{
    return settings_.Of(kind, context_.currentRow);
}

bool CodeGenerator::Saved(std::string_view testValue, std::string_view unsavedStatus)
{
    if (!testValue.empty())
        return true;
    statusTexts_.emplace_back(unsavedStatus);
    unsaved_.push_back(Serial());
    return false;
}

int CodeGenerator::Serial() const
{
    // Texts are counted after every component row, the carousels' arrows
    // included, as their badges are.
    return context_.currentKind == Kind::Text ? SerialNumber::ForText(context_.currentRow, components_.RowCount() - 1)
                                              : SerialNumber::ForComponent(context_.currentRow);
}

bool CodeGenerator::CarriesPlaceholder() const
{
    const KindInfo& info = KindTable::Of(context_.currentKind);
    const std::string_view placeholder = info.picture.placeholder;
    if (placeholder.empty())
        return false;
    if (info.settingsPrefix.empty()) {
        // The magnifier starts both its pictures with it.
        for (int column = ComponentRecord::Left; column < ComponentRecord::ColumnCount; ++column) {
            if (Cell(column) == placeholder)
                return true;
        }
        return false;
    }
    const auto& file = LoadSettings(context_.currentKind);
    if (context_.currentKind != Kind::Carousel)
        return file->Value(info.picture.key) == placeholder;
    // Every slide the carousel shows starts with it.
    const std::int64_t count = Lenient::ToInteger(file->Value(CarouselKey::Count));
    for (int slide = 1; slide <= count && slide <= kMaxSlides; ++slide) {
        if (file->Value(CarouselKey::Picture(slide)) == placeholder)
            return true;
    }
    return false;
}

void CodeGenerator::FindMissingTemplates(const TemplateTexts& texts, std::string_view edition, GenerationResult& result)
{
    const bool basic = edition == PageSettings::BasicEdition;
    if (texts.pageFrame.empty())
        result.missingOuterTexts.emplace_back(kPageFrameName);
    if (basic && texts.basicWrapper.empty())
        result.missingOuterTexts.emplace_back(kBasicWrapperName);
    if (edition == PageSettings::TmallEdition && texts.tmallPreview.empty())
        result.missingPreview = kTmallPreviewName;
    if ((edition == PageSettings::ProEdition || basic) && texts.marketPreview.empty())
        result.missingPreview = kMarketPreviewName;
}

std::string CodeGenerator::DoneText(const GenerationResult& result)
{
    std::string text(StatusDone);
    if (!result.unsavedSerials.empty())
        text += "（" + std::to_string(result.unsavedSerials.size()) + " 个组件未保存设置，已被忽略：序号 " +
                SerialList(result.unsavedSerials) + "）";
    if (!result.placeholderSerials.empty())
        text += "（" + std::to_string(result.placeholderSerials.size()) +
                " 个组件仍是默认图片地址，请换成店铺自己的图片：序号 " + SerialList(result.placeholderSerials) + "）";
    return text;
}

void CodeGenerator::Append(const CompiledTemplate& block, std::span<const Step> steps)
{
    block.AppendApplied(context_.code, steps);
}

void CodeGenerator::Append(const CompiledTemplate& block, std::initializer_list<Step> steps)
{
    Append(block, std::span<const Step>(steps.begin(), steps.size()));
}

void CodeGenerator::EmitRecordBlock()
{
    const RecordBlock* row = RecordBlock::Of(context_.currentKind);
    if (!row || !Saved(Cell(row->savedColumn), StatusUnsavedPicture))
        return;
    // One compiled template per row, made on first use.
    static const auto blocks = [] {
        std::vector<std::unique_ptr<const CompiledTemplate>> compiled;
        for (const RecordBlock& block : RecordBlock::All())
            compiled.push_back(std::make_unique<const CompiledTemplate>(block.text));
        return compiled;
    }();
    constexpr size_t kMaxSteps = 16;
    static_assert(
        std::ranges::all_of(recordblocks::kTable, [](const RecordBlock& b) { return b.steps.size() <= kMaxSteps; }));
    std::array<Step, kMaxSteps> steps{};
    size_t count = 0;
    for (const RecordBlock::Step& step : row->steps)
        steps[count++] = {step.placeholder, Cell(step.column), step.maxCount};
    Append(*blocks[static_cast<size_t>(row - RecordBlock::All().data())], std::span<const Step>(steps.data(), count));
}

} // namespace morvane
