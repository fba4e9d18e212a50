#include "CodeImporter.h"

#include "CodeTemplates.h"
#include "RecordBlock.h"
#include "TemplatePattern.h"
#include "TextTemplate.h"

#include "ComponentRecord.h"
#include "KindColumns.h"
#include "KindTable.h"
#include "Lenient.h"
#include "PageSettings.h"
#include "PanelDefaults.h"
#include "SettingsFile.h"
#include "SettingsKeys.h"
#include "TextRecord.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

namespace morvane {

namespace {

using Pattern = TemplatePattern;
using Src = TemplatePattern::Source;
using Values = std::vector<std::string>;
using Captured = std::vector<std::optional<std::string_view>>;

// Every block but the carousel's and the share's leading line feed begins so.
constexpr std::string_view kAnchor = "<div class=\"most-footer footer-more-trigger";
constexpr std::string_view kClosing = "</div></div></div>";
constexpr std::string_view kWrapperMarker = "Morvane软件527304816";
constexpr std::string_view kPreviewMarker = "527304816";
constexpr std::string_view kTmallWord = "sn-simple-logo";
constexpr std::string_view kMarketWord = "most-footer footer-more-trigger";
constexpr std::string_view kEditionPlaceholder = "Morvane版本";
constexpr int kDesignWidth = 950;
// A block's values may hold the start of another block a few times over
// (the customer service's icon box holds the block class); beyond that a
// block is not looked for, which keeps every attempt short.
constexpr int kAnchorsPerBlock = 4;
constexpr size_t kExcerptCharacters = 40;

struct ReadBlock {
    size_t end = 0;
    std::vector<ImportedElement> elements;
};

// One form a kind's code takes: the template with one set of steps.
struct Variant {
    std::unique_ptr<Pattern> pattern;
    std::vector<std::unique_ptr<Pattern>> nested;
    int tag = 0;
};

std::vector<ImportedElement> Only(ImportedElement element)
{
    std::vector<ImportedElement> elements;
    elements.push_back(std::move(element));
    return elements;
}

std::vector<std::string> NewRecord(Kind kind)
{
    std::vector<std::string> cells(ComponentRecord::ColumnCount);
    cells[ComponentRecord::Kind] = std::string(KindTable::Word(kind));
    cells[ComponentRecord::Saved] = "1";
    return cells;
}

// Reads the blocks of one kind, or of a family of kinds sharing a shape.
class BlockReader {
public:
    virtual ~BlockReader() = default;

    std::optional<ReadBlock> Read(Pattern::Scanner& scanner, size_t pos, size_t end, Captured& captured) const
    {
        std::optional<ReadBlock> best;
        const std::string_view text = scanner.Text();
        const size_t first = FirstVariant(text.substr(0, end), pos);
        for (size_t n = 0; n < variants_.size(); ++n) {
            const Variant& variant = variants_[(first + n) % variants_.size()];
            if (best && !longest_)
                break;
            const size_t stop = variant.pattern->Match(scanner, pos, end, captured);
            if (stop == std::string::npos || (best && stop <= best->end))
                continue;
            Values values(captured.size());
            for (size_t i = 0; i < captured.size(); ++i) {
                if (captured[i])
                    values[i] = std::string(*captured[i]);
            }
            const std::string_view block = text.substr(pos, stop - pos);
            for (Values& reading : Readings(variant, std::move(values))) {
                // The emitter skips a component whose test value is empty.
                const bool saved = test_ < 0 || !reading[static_cast<size_t>(test_)].empty();
                if (saved && Fits(variant, reading) && Storable(reading) &&
                    (AsRead(*variant.pattern, reading, captured) || variant.pattern->Filled(reading) == block)) {
                    best = ReadBlock{stop, Elements(variant, reading)};
                    break;
                }
            }
        }
        return best;
    }

    // What every block of the kind begins with.
    const std::string& FirstPiece() const { return variants_.front().pattern->Items().front().literal; }

protected:
    // The variant most likely to be the one, tried first.
    virtual size_t FirstVariant(std::string_view, size_t) const { return 0; }

    // Values each just as it stood, none of which can have taken part in
    // a later step, fill the template exactly where they were read: the
    // block is what they generate without generating it.
    static bool AsRead(const Pattern& pattern, const Values& reading, const Captured& captured)
    {
        for (size_t i = 0; i < reading.size(); ++i) {
            const std::string_view read = i < captured.size() && captured[i] ? *captured[i] : std::string_view();
            if (read != reading[i] || !pattern.Inert(read))
                return false;
        }
        return true;
    }

    // The values as read; derived values worked out again from the ones
    // they come from, so a block that disagrees with itself is not taken.
    virtual std::vector<Values> Readings(const Variant&, Values values) const
    {
        std::vector<Values> readings;
        readings.push_back(std::move(values));
        return readings;
    }
    // Whether the emitter would have chosen this variant for these values.
    virtual bool Fits(const Variant&, const Values&) const { return true; }
    // Whether the values come back unchanged from where the design keeps them.
    virtual bool Storable(const Values&) const { return true; }
    // The values are the reader's to take.
    virtual std::vector<ImportedElement> Elements(const Variant&, Values& values) const = 0;

    Variant& Add(std::string_view text, std::vector<Pattern::Step> steps, int tag = 0)
    {
        Variant variant;
        variant.pattern = std::make_unique<Pattern>(text, std::move(steps));
        variant.tag = tag;
        variants_.push_back(std::move(variant));
        return variants_.back();
    }

    std::vector<Variant> variants_;
    // The variable whose emptiness marks a component as never saved.
    int test_ = -1;
    // The earlier forms of a block only add to or drop from its end: the
    // longest reading that fits is the one meant.
    bool longest_ = false;
};

// The picture, two-sided image and small widgets, whose variables are the
// record's columns.
class RecordBlockReader : public BlockReader {
public:
    explicit RecordBlockReader(const RecordBlock& block) : kind_(block.kind)
    {
        std::vector<Pattern::Step> steps;
        for (const RecordBlock::Step& step : block.steps)
            steps.push_back({std::string(step.placeholder), Src::Var(step.column), step.maxCount});
        for (const RecordBlock::Step& step : block.steps)
            columns_.push_back(step.column);
        // The QR code's test is its type, which its code does not show.
        if (std::find(columns_.begin(), columns_.end(), block.savedColumn) != columns_.end())
            test_ = block.savedColumn;
        Add(block.text, steps);
        if (kind_ == Kind::TwoSided) {
            // Written until the blocks closed exactly what they opened.
            old_ = std::string(block.text) + "</div></div>";
            Add(old_, steps);
            longest_ = true;
        }
    }

protected:
    std::vector<Values> Readings(const Variant&, Values values) const override
    {
        std::vector<Values> readings;
        if (kind_ != Kind::QrCode) {
            readings.push_back(std::move(values));
            return readings;
        }
        // The address's "数字" was completed by the number: the panel's own
        // addresses tell where it stands, else the value of an id or key.
        const std::string address = values[QrCodeColumn::Template];
        const auto reading = [&](std::string raw, std::string number) {
            Values v = values;
            v[QrCodeColumn::Template] = std::move(raw);
            v[QrCodeColumn::Number] = std::move(number);
            readings.push_back(std::move(v));
        };
        std::vector<std::string_view> known(PanelDefaults::QrTemplates.begin(), PanelDefaults::QrTemplates.end());
        known.push_back(PanelDefaults::QrFirstTemplate);
        for (const std::string_view shape : known) {
            if (const auto gap = Gap(address, shape, "数字"))
                reading(std::string(shape), *gap);
        }
        for (const std::string_view key : {"_id=", "key="}) {
            const size_t at = address.find(key);
            if (at == std::string::npos)
                continue;
            const size_t from = at + key.size();
            const size_t to = std::min(address.find('&', from), address.size());
            reading(address.substr(0, from) + "数字" + address.substr(to), address.substr(from, to - from));
        }
        reading(address, "");
        return readings;
    }

    std::vector<ImportedElement> Elements(const Variant&, Values& values) const override
    {
        ImportedElement element;
        element.kind = kind_;
        element.cells = NewRecord(kind_);
        for (const int column : columns_)
            element.cells[static_cast<size_t>(column)] = std::move(values[static_cast<size_t>(column)]);
        const KindInfo& info = KindTable::Of(kind_);
        Placement& place = element.placement;
        place.left = Lenient::ToInt(element.cells[ComponentRecord::Left]);
        place.top = Lenient::ToInt(element.cells[ComponentRecord::Top]);
        place.width = Lenient::ToInt(element.cells[ComponentRecord::Width]);
        place.height = Lenient::ToInt(element.cells[ComponentRecord::Height]);
        if (kind_ == Kind::QrCode) {
            const std::string& address = element.cells[QrCodeColumn::Template];
            std::string type(PanelDefaults::QrFirstType);
            for (size_t i = 0; i < PanelDefaults::QrTemplates.size(); ++i) {
                if (address == PanelDefaults::QrTemplates[i])
                    type = std::to_string(i);
            }
            element.cells[QrCodeColumn::Type] = type;
        }
        if (kind_ == Kind::QrCode || kind_ == Kind::Like) {
            // Their code fixes the size; the record's columns 3 and 4 hold data.
            place.width = info.width;
            place.height = info.height;
        }
        return Only(std::move(element));
    }

public:
    // The text that stood in place of word in shape, when value is shape
    // with that one place filled.
    static std::optional<std::string> Gap(std::string_view value, std::string_view shape, std::string_view word)
    {
        const size_t at = shape.find(word);
        if (at == std::string_view::npos)
            return std::nullopt;
        const std::string_view before = shape.substr(0, at);
        const std::string_view after = shape.substr(at + word.size());
        if (value.size() < before.size() + after.size() || !value.starts_with(before) || !value.ends_with(after))
            return std::nullopt;
        return std::string(value.substr(before.size(), value.size() - before.size() - after.size()));
    }

private:
    Kind kind_;
    std::vector<int> columns_;
    std::string old_;
};

class MagnifierReader : public BlockReader {
public:
    MagnifierReader()
    {
        using C = MagnifierColumn;
        test_ = C::Left;
        Add(CodeTemplates::Magnifier, {
                                          {"宽度", Src::Var(C::Side), 4},
                                          {"#边框色", Src::Var(C::BorderColour), 1},
                                          {"序号", Src::Var(kClass), 3},
                                          {"放大2", Src::Var(C::ZoomWidth), 1},
                                          {"放大宽", Src::Var(kPopup), 2},
                                          {"底图", Src::Var(C::BasePicture), 1},
                                          {"放大图", Src::Var(C::ZoomPicture), 2},
                                          {"#链接", Src::Var(C::Link), 2},
                                          {"距左", Src::Var(C::Left), 1},
                                          {"距顶", Src::Var(C::Top), 1},
                                      });
    }

protected:
    std::vector<Values> Readings(const Variant&, Values values) const override
    {
        values.resize(kPopup + 1);
        values[kPopup] = Lenient::NumberText(Lenient::ToReal(values[MagnifierColumn::ZoomWidth]) - 10);
        return {std::move(values)};
    }

    std::vector<ImportedElement> Elements(const Variant&, Values& values) const override
    {
        using C = MagnifierColumn;
        ImportedElement element;
        element.kind = Kind::Magnifier;
        element.cells = NewRecord(Kind::Magnifier);
        for (const int column :
             {C::Left, C::Top, C::Side, C::BasePicture, C::ZoomPicture, C::Link, C::ZoomWidth, C::BorderColour})
            element.cells[static_cast<size_t>(column)] = values[static_cast<size_t>(column)];
        element.cells[C::Open] = std::string(PanelDefaults::LinkTarget);
        const int side = Lenient::ToInt(values[C::Side]);
        element.placement = {Lenient::ToInt(values[C::Left]), Lenient::ToInt(values[C::Top]), side, side};
        return Only(std::move(element));
    }

private:
    static constexpr int kClass = ComponentRecord::ColumnCount;
    static constexpr int kPopup = kClass + 1;
};

class CustomerServiceReader : public BlockReader {
public:
    CustomerServiceReader()
    {
        using C = CustomerServiceColumn;
        test_ = ComponentRecord::Width;
        for (int tag = 0; tag < 4; ++tag) {
            std::vector<Pattern::Step> steps = {
                {"宽度", Src::Var(ComponentRecord::Width)},
                {"高度", Src::Var(ComponentRecord::Height)},
                {"距左", Src::Var(ComponentRecord::Left)},
                {"距顶", Src::Var(ComponentRecord::Top)},
            };
            if (tag & kAvatar) {
                steps.insert(steps.end(), {
                                              {"显示头像", Src::Fixed(CodeTemplates::CustomerServiceAvatar)},
                                              {"头像", Src::Var(C::Avatar)},
                                              {"#链接", Src::Var(C::ChatLink)},
                                              {"旺旺", Src::Var(kAccount)},
                                          });
            } else {
                steps.push_back({"显示头像", Src::Fixed("")});
            }
            if (tag & kIcon) {
                steps.insert(steps.end(), {
                                              {"显示图标", Src::Fixed(CodeTemplates::CustomerServiceIcon)},
                                              {"图标", Src::Var(C::Icon)},
                                              {"旺旺", Src::Var(kAccount)},
                                              {"#链接", Src::Var(C::ChatLink)},
                                              {"旺旺", Src::Var(kAccount)},
                                          });
            } else {
                steps.push_back({"显示图标", Src::Fixed("")});
            }
            steps.insert(steps.end(), {{"位置", Src::Var(C::IconBox)}, {"对齐", Src::Var(C::Align)}});
            Add(CodeTemplates::CustomerService, std::move(steps), tag);
        }
    }

protected:
    bool Fits(const Variant& variant, const Values& values) const override
    {
        return ((variant.tag & kAvatar) != 0) == !values[CustomerServiceColumn::Avatar].empty() &&
               ((variant.tag & kIcon) != 0) == !values[CustomerServiceColumn::Icon].empty();
    }

    // The chat link and the icon address each held "旺旺", which the
    // account (percent-encoded) completed; where it stands is told by the
    // panel's own addresses or the value of a uid parameter. Either may
    // also have held none.
    std::vector<Values> Readings(const Variant&, Values values) const override
    {
        using C = CustomerServiceColumn;
        values.resize(kAccount + 1);
        struct Split {
            std::string raw;
            std::optional<std::string> encoded;
        };
        const auto splits = [](const std::string& value) {
            std::vector<Split> out;
            for (const std::string_view shape : PanelDefaults::CustomerServiceAddresses) {
                if (auto gap = RecordBlockReader::Gap(value, shape, "旺旺"))
                    out.push_back({std::string(shape), std::move(gap)});
            }
            for (const std::string_view key : {"uid="}) {
                const size_t at = value.find(key);
                if (at == std::string::npos)
                    continue;
                const size_t from = at + key.size();
                size_t to = from;
                while (to < value.size() && IsEncoded(value[to]))
                    ++to;
                out.push_back({value.substr(0, from) + "旺旺" + value.substr(to), value.substr(from, to - from)});
            }
            out.push_back({value, std::nullopt});
            return out;
        };
        std::vector<Values> readings;
        const std::vector<Split> links = splits(values[C::ChatLink]);
        const std::vector<Split> icons =
            values[C::Icon].empty() ? std::vector<Split>{{"", std::nullopt}} : splits(values[C::Icon]);
        for (const Split& link : links) {
            for (const Split& icon : icons) {
                if (link.encoded && icon.encoded && *link.encoded != *icon.encoded)
                    continue;
                const std::optional<std::string>& encoded = link.encoded ? link.encoded : icon.encoded;
                const std::optional<std::string> account = encoded ? Decode(*encoded) : std::string();
                if (!account)
                    continue;
                Values v = values;
                v[C::ChatLink] = link.raw;
                v[C::Icon] = icon.raw;
                v[C::Account] = *account;
                v[kAccount] = TextTemplate::PercentEncodeUtf8(*account);
                readings.push_back(std::move(v));
            }
        }
        return readings;
    }

    std::vector<ImportedElement> Elements(const Variant&, Values& values) const override
    {
        using C = CustomerServiceColumn;
        ImportedElement element;
        element.kind = Kind::CustomerService;
        element.cells = NewRecord(Kind::CustomerService);
        for (const int column :
             {ComponentRecord::Left, ComponentRecord::Top, ComponentRecord::Width, ComponentRecord::Height, C::Account,
              C::ChatLink, C::Avatar, C::Icon, C::IconBox, C::Align})
            element.cells[static_cast<size_t>(column)] = values[static_cast<size_t>(column)];
        element.placement = {
            Lenient::ToInt(values[ComponentRecord::Left]), Lenient::ToInt(values[ComponentRecord::Top]),
            Lenient::ToInt(values[ComponentRecord::Width]), Lenient::ToInt(values[ComponentRecord::Height])};
        return Only(std::move(element));
    }

private:
    static constexpr int kAvatar = 1;
    static constexpr int kIcon = 2;
    static constexpr int kAccount = ComponentRecord::ColumnCount;

    static bool IsEncoded(char c)
    {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
               c == '%';
    }
    // The account whose encoding this is; nullopt for text that is none.
    static std::optional<std::string> Decode(std::string_view encoded)
    {
        std::string out;
        for (size_t i = 0; i < encoded.size(); ++i) {
            if (encoded[i] != '%') {
                out += encoded[i];
                continue;
            }
            if (i + 2 >= encoded.size())
                return std::nullopt;
            const auto hex = [](char c) -> int {
                return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            };
            const int high = hex(encoded[i + 1]);
            const int low = hex(encoded[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            out += static_cast<char>(high * 16 + low);
            i += 2;
        }
        if (TextTemplate::PercentEncodeUtf8(out) != encoded)
            return std::nullopt;
        return out;
    }
};

// The kinds that keep their values in a settings file: variables are keys.
class SettingsBlockReader : public BlockReader {
protected:
    explicit SettingsBlockReader(Kind kind) : kind_(kind) {}

    // A settings file keeps text: bytes that are no UTF-8 would come back
    // otherwise, and the code they generate would differ.
    bool Storable(const Values& values) const override
    {
        for (size_t i = 0; i < values.size() && i < keys_.size(); ++i) {
            if (keys_[i].empty())
                continue;
            const std::string& value = values[i];
            const bool plain = std::all_of(value.begin(), value.end(), [](char c) { return c > ' ' && c < 0x7F; });
            if (plain && (value.empty() || (value.front() != '"' && value.back() != '"')))
                continue;
            SettingsFile file;
            file.SetValue("k", value);
            if (SettingsFile::FromBytes(file.ToBytes()).Value("k") != value)
                return false;
        }
        return true;
    }

    int Key(std::string_view key)
    {
        if (key == "宽度")
            test_ = static_cast<int>(keys_.size());
        keys_.emplace_back(key);
        return static_cast<int>(keys_.size()) - 1;
    }
    int Scratch() { return Key({}); }

    ImportedElement Element(const Values& values, const std::vector<std::string_view>& order) const
    {
        ImportedElement element;
        element.kind = kind_;
        if (kind_ == Kind::Text) {
            element.cells = {std::string(KindTable::Word(Kind::Text))};
            element.cells.resize(TextRecord::Saved + 1);
            element.cells[TextRecord::Saved] = "1";
        } else {
            element.cells = NewRecord(kind_);
        }
        for (const std::string_view key : order) {
            const auto it = std::find(keys_.begin(), keys_.end(), key);
            if (it != keys_.end())
                element.settings.emplace_back(key, values[static_cast<size_t>(it - keys_.begin())]);
        }
        const auto value = [&](std::string_view key) {
            const auto it = std::find(keys_.begin(), keys_.end(), key);
            return it == keys_.end() ? 0 : Lenient::ToInt(values[static_cast<size_t>(it - keys_.begin())]);
        };
        element.placement = {value("距左"), value("距顶"), value("宽度"), value("高度")};
        return element;
    }
    const std::string& ValueOf(const Values& values, std::string_view key) const
    {
        static const std::string kEmpty;
        const auto it = std::find(keys_.begin(), keys_.end(), key);
        return it == keys_.end() ? kEmpty : values[static_cast<size_t>(it - keys_.begin())];
    }

    Kind kind_;
    std::vector<std::string> keys_;
};

class CarouselReader : public SettingsBlockReader {
public:
    CarouselReader() : SettingsBlockReader(Kind::Carousel)
    {
        using K = CarouselKey;
        const int width = Key(K::Width), height = Key(K::Height), left = Key(K::Left), top = Key(K::Top);
        const int effect = Key(K::Effect), easing = Key(K::Easing), autoplay = Key(K::Autoplay);
        const int duration = Key(K::Duration), arrows = Key(K::ArrowSwitch), leftArrow = Key(K::LeftArrow);
        const int rightArrow = Key(K::RightArrow), leftArrowLeft = Key(K::LeftArrowLeft);
        const int leftArrowTop = Key(K::LeftArrowTop), rightArrowLeft = Key(K::RightArrowLeft);
        const int rightArrowTop = Key(K::RightArrowTop), open = Key(K::Open);
        std::array<int, 8> pictures{}, links{};
        for (int i = 0; i < 8; ++i) {
            pictureKeys_[static_cast<size_t>(i)] = K::Picture(i + 1);
            linkKeys_[static_cast<size_t>(i)] = K::Link(i + 1);
        }
        for (int i = 0; i < 8; ++i) {
            pictures[static_cast<size_t>(i)] = Key(pictureKeys_[static_cast<size_t>(i)]);
            links[static_cast<size_t>(i)] = Key(linkKeys_[static_cast<size_t>(i)]);
        }
        classNumber_ = Scratch();
        const std::vector<Pattern::Step> common = {
            {"距左", Src::Var(left), 1},
            {"随机", Src::Var(classNumber_), 10},
            {"距顶", Src::Var(top), 1},
            {"图宽", Src::Var(width), 2},
            {"图高", Src::Var(height), 2},
            {"动画", Src::Var(effect), 1},
            {"切换", Src::Var(easing), 1},
            {"自动", Src::Var(autoplay), 1},
            {"刷新", Src::Var(duration), 1},
            {"箭显", Src::Var(arrows), 2},
            {"箭左图", Src::Var(leftArrow), 1},
            {"箭右图", Src::Var(rightArrow), 1},
            {"箭左左", Src::Var(leftArrowLeft), 1},
            {"箭左顶", Src::Var(leftArrowTop), 1},
            {"箭右左", Src::Var(rightArrowLeft), 1},
            {"箭右顶", Src::Var(rightArrowTop), 1},
        };
        for (int i = 0; i < 8; ++i) {
            navigation_[static_cast<size_t>(i)] = "<li>" + std::to_string(i) + "</li>";
            slideMarks_[static_cast<size_t>(i)] = "图层0" + std::to_string(i + 1);
            navigationMarks_[static_cast<size_t>(i)] = "序号0" + std::to_string(i + 1);
        }
        // The most slides first: the commonest count is any of them.
        for (int count = 8; count >= 2; --count) {
            std::vector<Pattern::Step> steps = common;
            for (int j = count; j < 8; ++j)
                steps.push_back({slideMarks_[static_cast<size_t>(j)], Src::Fixed(""), 1});
            for (int j = count; j < 8; ++j)
                steps.push_back({navigationMarks_[static_cast<size_t>(j)], Src::Fixed(""), 1});
            std::vector<std::unique_ptr<Pattern>> slides;
            for (int i = 0; i < count; ++i) {
                slides.push_back(std::make_unique<Pattern>(CodeTemplates::CarouselSlide,
                                                           std::vector<Pattern::Step>{
                                                               {"图宽", Src::Var(width), 2},
                                                               {"图高", Src::Var(height), 2},
                                                               {"打开", Src::Var(open), 1},
                                                               {"图片", Src::Var(pictures[static_cast<size_t>(i)]), 1},
                                                               {"#链接", Src::Var(links[static_cast<size_t>(i)]), 1},
                                                           }));
                steps.push_back({slideMarks_[static_cast<size_t>(i)], Src::Nested(*slides.back()), 1});
                steps.push_back(
                    {navigationMarks_[static_cast<size_t>(i)], Src::Fixed(navigation_[static_cast<size_t>(i)]), 1});
            }
            Variant& variant = Add(CodeTemplates::Carousel, std::move(steps), count);
            variant.nested = std::move(slides);
        }
        // A count outside 2 to 8 leaves every slide's mark in place.
        Add(CodeTemplates::Carousel, common, 0);
    }

protected:
    // The navigation list has an item per slide.
    size_t FirstVariant(std::string_view text, size_t pos) const override
    {
        const size_t list = text.find("\" style=\"display:none;\">\n\t\t\t", pos);
        if (list == std::string_view::npos)
            return 0;
        int items = 0;
        for (size_t at = text.find("<li>", list); at != std::string_view::npos && at - list < 200 && items < 9;
             at = text.find("<li>", at + 1))
            ++items;
        return items >= 2 && items <= 8 ? static_cast<size_t>(8 - items) : 0;
    }

    std::vector<ImportedElement> Elements(const Variant& variant, Values& values) const override
    {
        using K = CarouselKey;
        std::vector<std::string_view> order = {K::Width,          K::Height,        K::Left,          K::Top,
                                               K::LeftArrow,      K::RightArrow,    K::LeftArrowLeft, K::LeftArrowTop,
                                               K::RightArrowLeft, K::RightArrowTop, K::Open,          K::Autoplay,
                                               K::Effect,         K::Easing,        K::Duration,      K::ArrowSwitch};
        for (int i = 0; i < variant.tag; ++i) {
            order.push_back(pictureKeys_[static_cast<size_t>(i)]);
            order.push_back(linkKeys_[static_cast<size_t>(i)]);
        }
        ImportedElement carousel = Element(values, order);
        if (variant.tag > 0)
            carousel.settings.insert(carousel.settings.begin() + 4,
                                     {std::string(K::Count), std::to_string(variant.tag)});
        const bool shown = ValueOf(values, K::ArrowSwitch) != "none";
        carousel.cells[CarouselColumn::ArrowSwitch] =
            shown ? CarouselColumn::ArrowsShown : CarouselColumn::ArrowsHidden;
        std::vector<ImportedElement> elements;
        elements.reserve(3);
        elements.push_back(std::move(carousel));
        const std::array<std::pair<std::string_view, std::string_view>, 2> offsets = {
            {{K::LeftArrowLeft, K::LeftArrowTop}, {K::RightArrowLeft, K::RightArrowTop}}};
        for (size_t i = 0; i < 2; ++i) {
            const Kind kind = KindTable::Of(Kind::Carousel).companions[i].kind;
            const KindInfo& info = KindTable::Of(kind);
            ImportedElement arrow;
            arrow.kind = kind;
            arrow.cells = {std::string(info.word)};
            arrow.placement = {elements.front().placement.left + Lenient::ToInt(ValueOf(values, offsets[i].first)),
                               elements.front().placement.top + Lenient::ToInt(ValueOf(values, offsets[i].second)),
                               info.width, info.height, shown};
            elements.push_back(std::move(arrow));
        }
        return elements;
    }

private:
    int classNumber_ = 0;
    std::array<std::string, 8> pictureKeys_, linkKeys_, navigation_, slideMarks_, navigationMarks_;
};

class CountdownReader : public SettingsBlockReader {
public:
    CountdownReader() : SettingsBlockReader(Kind::Countdown)
    {
        using K = CountdownKey;
        const std::vector<Pattern::Step> steps = {
            {"模宽", Src::Var(Key(K::Width)), 2},        {"模高", Src::Var(Key(K::Height)), 10},
            {"距左", Src::Var(Key(K::Left)), 1},         {"距顶", Src::Var(Key(K::Top)), 1},
            {"字号", Src::Var(Key(K::FontSize)), 5},     {"#文字色", Src::Var(Key(K::Colour)), 4},
            {"字距", Src::Var(Key(K::Spacing)), 4},      {"微软雅黑", Src::Var(Key(K::Font)), 4},
            {"背景图", Src::Var(Key(K::Background)), 1}, {"年份", Src::Var(Key(K::Year)), 1},
            {"月份", Src::Var(Key(K::Month)), 1},        {"日期", Src::Var(Key(K::Day)), 1},
            {"天字", Src::Var(Key(K::DayWord)), 1},      {"小时", Src::Var(Key(K::Hour)), 1},
            {"时字", Src::Var(Key(K::HourWord)), 1},     {"分钟", Src::Var(Key(K::Minute)), 1},
            {"分字", Src::Var(Key(K::MinuteWord)), 1},   {"秒数", Src::Var(Key(K::Second)), 1},
            {"秒字", Src::Var(Key(K::SecondWord)), 1},
        };
        Add(CodeTemplates::Countdown, steps);
        // Written until the blocks closed exactly what they opened.
        old_ = std::string(CodeTemplates::Countdown) + "</div></div></div>";
        Add(old_, steps);
        longest_ = true;
        yearWord_ = Key(K::YearWord);
        monthWord_ = Key(K::MonthWord);
    }

protected:
    std::vector<ImportedElement> Elements(const Variant&, Values& read) const override
    {
        using K = CountdownKey;
        // The code shows no word after the year and the month.
        Values values = read;
        values.resize(keys_.size());
        values[static_cast<size_t>(yearWord_)] = std::string(PanelDefaults::CountdownYearWord);
        values[static_cast<size_t>(monthWord_)] = std::string(PanelDefaults::CountdownMonthWord);
        return Only(Element(values, {K::Left,     K::Top,    K::Width,      K::Height, K::Background, K::Year,
                                     K::YearWord, K::Month,  K::MonthWord,  K::Day,    K::DayWord,    K::Hour,
                                     K::HourWord, K::Minute, K::MinuteWord, K::Second, K::SecondWord, K::Spacing,
                                     K::FontSize, K::Font,   K::Colour}));
    }

private:
    std::string old_;
    int yearWord_ = 0;
    int monthWord_ = 0;
};

class SearchReader : public SettingsBlockReader {
public:
    SearchReader() : SettingsBlockReader(Kind::Search)
    {
        using K = SearchKey;
        height_ = Key(K::Height);
        const std::vector<Pattern::Step> steps = {
            {"模宽", Src::Var(Key(K::Width)), 2},
            {"模高", Src::Var(height_), 2},
            {"距左", Src::Var(Key(K::Left)), 1},
            {"距顶", Src::Var(Key(K::Top)), 1},
            {"框宽", Src::Var(Key(K::BoxWidth)), 1},
            {"框高", Src::Var(Key(K::BoxHeight)), 1},
            {"按宽", Src::Var(Key(K::ButtonWidth)), 1},
            {"按高", Src::Var(Key(K::ButtonHeight)), 1},
            {"关键字", Src::Var(Key(K::Keyword)), 1},
            {"店铺", Src::Var(Key(K::Shop)), 1},
            {"#框背色", Src::Var(Key(K::BoxBackground)), 1},
            {"#框字色", Src::Var(Key(K::BoxText)), 1},
            {"#框边色", Src::Var(Key(K::BoxBorder)), 1},
            {"#按背色", Src::Var(Key(K::ButtonBackground)), 1},
            {"#按字色", Src::Var(Key(K::ButtonText)), 1},
            {"缩进", Src::Var(lineHeight_ = Scratch()), 1},
        };
        Add(CodeTemplates::Search, steps);
        // Written until the blocks closed exactly what they opened.
        constexpr std::string_view kLastClose = "</div>";
        old_ = std::string(CodeTemplates::Search.substr(0, CodeTemplates::Search.size() - kLastClose.size()));
        Add(old_, steps);
        longest_ = true;
    }

protected:
    std::vector<Values> Readings(const Variant&, Values values) const override
    {
        values.resize(keys_.size());
        values[static_cast<size_t>(lineHeight_)] =
            Lenient::NumberText(static_cast<double>(Lenient::ToInteger(values[static_cast<size_t>(height_)])) - 2);
        return {std::move(values)};
    }

    std::vector<ImportedElement> Elements(const Variant&, Values& values) const override
    {
        using K = SearchKey;
        return Only(Element(values, {K::Width, K::Height, K::Left, K::Top, K::BoxWidth, K::BoxHeight, K::ButtonWidth,
                                     K::ButtonHeight, K::Keyword, K::Shop, K::BoxBackground, K::BoxText, K::BoxBorder,
                                     K::ButtonBackground, K::ButtonText}));
    }

private:
    std::string old_;
    int height_ = 0;
    int lineHeight_ = 0;
};

class TextReader : public SettingsBlockReader {
public:
    TextReader() : SettingsBlockReader(Kind::Text)
    {
        using K = TextKey;
        const int width = Key(K::Width), height = Key(K::Height), left = Key(K::Left), top = Key(K::Top);
        const int content = Key(K::Content), align = Key(K::Align), size = Key(K::FontSize), font = Key(K::Font);
        const int spacing = Key(K::LineHeight), bold = Key(K::Weight), background = Key(K::Background);
        link_ = Key(K::Link);
        const int colour = Key(K::Colour);
        for (const bool linked : {true, false}) {
            std::vector<Pattern::Step> steps = {
                {"宽度", Src::Var(width)}, {"高度", Src::Var(height)},  {"距左", Src::Var(left)},
                {"距顶", Src::Var(top)},   {"内容", Src::Var(content)},
            };
            if (linked) {
                steps.insert(steps.end(), {
                                              {"文字@链接", Src::Fixed(CodeTemplates::TextLinkOpening)},
                                              {"#链接", Src::Var(link_)},
                                              {"#字色", Src::Var(colour)},
                                              {"链@接尾", Src::Fixed("</a>")},
                                          });
            } else {
                steps.insert(steps.end(), {{"文字@链接", Src::Fixed("")}, {"链@接尾", Src::Fixed("")}});
            }
            steps.insert(steps.end(), {
                                          {"链接", Src::Var(link_)},
                                          {"对齐", Src::Var(align)},
                                          {"字号", Src::Var(size)},
                                          {"字体", Src::Var(font)},
                                          {"字距", Src::Var(spacing)},
                                          {"加粗", Src::Var(bold)},
                                          {"#字色", Src::Var(colour)},
                                          {"#背色", Src::Var(background)},
                                      });
            Add(CodeTemplates::Text, std::move(steps), linked ? 1 : 0);
        }
    }

protected:
    bool Fits(const Variant& variant, const Values& values) const override
    {
        return (variant.tag == 1) == !values[static_cast<size_t>(link_)].empty();
    }

    std::vector<ImportedElement> Elements(const Variant&, Values& values) const override
    {
        using K = TextKey;
        ImportedElement text =
            Element(values, {K::Width, K::Height, K::Left, K::Top, K::Content, K::Link, K::Align, K::FontSize, K::Font,
                             K::LineHeight, K::Weight, K::Colour, K::Background});
        TextLook& look = text.look;
        look.caption = ValueOf(values, K::Content);
        look.family = ValueOf(values, K::Font);
        look.pixelSize = std::max(0, Lenient::ToInt(ValueOf(values, K::FontSize)));
        look.bold = ValueOf(values, K::Weight) == "bold";
        const std::string& align = ValueOf(values, K::Align);
        look.alignment = align == "center"  ? TextLook::Alignment::Centre
                         : align == "right" ? TextLook::Alignment::Right
                                            : TextLook::Alignment::Left;
        const std::string& colour = ValueOf(values, K::Colour);
        if (colour.size() == 7 && colour[0] == '#')
            look.colour = colour;
        return Only(std::move(text));
    }

private:
    int link_ = 0;
};

const std::vector<std::unique_ptr<BlockReader>>& Readers()
{
    static const auto readers = [] {
        std::vector<std::unique_ptr<BlockReader>> made;
        for (const RecordBlock& block : RecordBlock::All())
            made.push_back(std::make_unique<RecordBlockReader>(block));
        made.push_back(std::make_unique<CarouselReader>());
        made.push_back(std::make_unique<MagnifierReader>());
        made.push_back(std::make_unique<CountdownReader>());
        made.push_back(std::make_unique<CustomerServiceReader>());
        made.push_back(std::make_unique<SearchReader>());
        made.push_back(std::make_unique<TextReader>());
        return made;
    }();
    return readers;
}

// The readers by the piece their blocks begin with, so that a block is
// offered only to the kinds that can begin so.
const std::vector<std::pair<std::string, std::vector<const BlockReader*>>>& ReaderGroups()
{
    static const auto groups = [] {
        std::vector<std::pair<std::string, std::vector<const BlockReader*>>> made;
        for (const auto& reader : Readers()) {
            const std::string& piece = reader->FirstPiece();
            const auto it =
                std::find_if(made.begin(), made.end(), [&](const auto& group) { return group.first == piece; });
            if (it == made.end())
                made.push_back({piece, {reader.get()}});
            else
                it->second.push_back(reader.get());
        }
        return made;
    }();
    return groups;
}

// Where blocks may begin, found once, in order.
class BlockStarts {
public:
    BlockStarts(std::string_view text, size_t end) : text_(text.substr(0, end)) {}

    // The nth place after pos where a block may begin, or the end.
    size_t NthAfter(size_t pos, int n)
    {
        const auto wanted = static_cast<size_t>(n);
        const auto after = [&] {
            return static_cast<size_t>(found_.end() - std::upper_bound(found_.begin(), found_.end(), pos));
        };
        while (!done_ && after() < wanted) {
            const size_t at = text_.find(kAnchor, next_);
            if (at == std::string_view::npos) {
                done_ = true;
                break;
            }
            next_ = at + 1;
            found_.push_back(at > 0 && text_[at - 1] == '\n' ? at - 1 : at);
        }
        const size_t count = after();
        return count >= wanted ? found_[found_.size() - count + wanted - 1] : text_.size();
    }

private:
    std::string_view text_;
    std::vector<size_t> found_;
    size_t next_ = 0;
    bool done_ = false;
};

// The steps of the page frame and the basic wrapper, as the generator
// takes them, with the page settings' columns as variables.
constexpr int kTotal = PageSettings::ColumnCount;
constexpr int kOffset = kTotal + 1;
constexpr int kEditionWord = kTotal + 2;
constexpr int kCode = kTotal + 3;

std::unique_ptr<Pattern> FramePattern(std::string_view frame, bool basic)
{
    using P = PageSettings;
    return std::make_unique<Pattern>(frame, std::vector<Pattern::Step>{
                                                {"宽度", Src::Var(P::Width), 4},
                                                {"总高", Src::Var(kTotal), 2},
                                                {"高度", Src::Var(P::Height), 4},
                                                {"距顶", basic ? Src::Fixed("0") : Src::Var(P::TopSpacing), 1},
                                                {"#背景色", Src::Var(P::BackColour), 1},
                                                {"背景图", Src::Var(P::BackPicture), 1},
                                                {"固定", Src::Var(P::Attachment), 1},
                                                {"平铺", Src::Var(P::Repeat), 1},
                                                {"上下", Src::Var(P::VerticalPos), 1},
                                                {"左右", Src::Var(P::HorizontalPos), 1},
                                                {"偏移", Src::Var(kOffset), 1},
                                                {"Morvane版本", Src::Var(kEditionWord), 3},
                                            });
}

std::unique_ptr<Pattern> WrapperPattern(std::string_view wrapper)
{
    using P = PageSettings;
    return std::make_unique<Pattern>(wrapper, std::vector<Pattern::Step>{
                                                  {"总高", Src::Var(kTotal), 1},
                                                  {"高度", Src::Var(P::Height), 4},
                                                  {"偏移量", Src::Var(kOffset), 1},
                                                  {"间距", Src::Var(P::TopSpacing), 1},
                                                  {std::string(kWrapperMarker), Src::Var(kCode), 1},
                                              });
}

// The frame's derived values from the page settings, as the generator
// works them out.
void DeriveFrame(Values& values, bool basic)
{
    using P = PageSettings;
    double total = Lenient::ToReal(values[P::Height]);
    if (!basic)
        total += Lenient::ToReal(values[P::TopSpacing]);
    values[kTotal] = Lenient::NumberText(total);
    const double offset = static_cast<double>(Lenient::ToInteger(values[P::Width]) - kDesignWidth) / -2;
    values[kOffset] = Lenient::NumberText(offset == 0 ? 0.0 : offset);
    const std::string& edition = values[P::Edition];
    values[kEditionWord] = edition == P::TmallEdition                               ? std::string(kTmallWord)
                           : edition == P::ProEdition || edition == P::BasicEdition ? std::string(kMarketWord)
                                                                                    : std::string(kEditionPlaceholder);
}

void DeriveWrapper(Values& values)
{
    using P = PageSettings;
    values[kTotal] = Lenient::NumberText(Lenient::ToReal(values[P::Height]) + Lenient::ToReal(values[P::TopSpacing]));
    values[kOffset] = Lenient::ToInteger(values[P::Width]) > kDesignWidth ? "-574" : "-200";
}

Values FromCaptured(const Captured& captured, size_t size)
{
    Values values(std::max(size, captured.size()));
    for (size_t i = 0; i < captured.size(); ++i) {
        if (captured[i])
            values[i] = std::string(*captured[i]);
    }
    return values;
}

class Importer {
public:
    Importer(std::string_view text, const TemplateTexts& texts) : text_(text), texts_(texts), scanner_(text) {}

    ImportedDesign Run()
    {
        using P = PageSettings;
        // The blocks' templates take the first numbers of the scanner's pieces.
        Readers();
        BackgroundLayer defaults;
        design_.pageSettings = defaults.Row(P::Row);
        size_t begin = 0;
        size_t end = text_.size();
        if (text_.starts_with("\xEF\xBB\xBF"))
            begin = 3;
        const std::optional<bool> tmallPreview = StripPreview(begin, end);
        Values page(kCode + 1);
        for (size_t i = 0; i < design_.pageSettings.size(); ++i)
            page[i] = design_.pageSettings[i];
        const size_t wrapperStart = begin;
        const size_t wrapperEnd = end;
        const bool wrapped = StripWrapper(begin, end, page);
        page[P::Edition] = wrapped ? P::BasicEdition : tmallPreview.value_or(false) ? P::TmallEdition : P::ProEdition;

        const size_t bodyStart = ReadFrame(begin, end, page, wrapped);
        size_t bodyEnd = end;
        if (std::string_view(text_.substr(bodyStart, end - bodyStart)).ends_with(kClosing))
            bodyEnd = end - kClosing.size();
        ReadBlocks(bodyStart, bodyEnd);
        if (bodyEnd == end && (design_.unread.empty() || design_.unread.back().offset < end))
            Unread(end, end);
        if (wrapped) {
            // The wrapper must be what these page settings give; the code
            // goes in last, so the wrapper without it is the text around it.
            Values check = page;
            DeriveWrapper(check);
            const std::string around = WrapperPattern(texts_.basicWrapper)->Filled(check);
            if (around.size() != (begin - wrapperStart) + (wrapperEnd - end) ||
                text_.substr(wrapperStart, begin - wrapperStart) !=
                    std::string_view(around).substr(0, begin - wrapperStart) ||
                text_.substr(end, wrapperEnd - end) != std::string_view(around).substr(begin - wrapperStart))
                Unread(wrapperStart, begin);
        }
        for (size_t i = 0; i < design_.pageSettings.size(); ++i)
            design_.pageSettings[i] = page[i];
        Locate();
        return std::move(design_);
    }

private:
    // The preview page around the code, if any; whether it was the Tmall one.
    std::optional<bool> StripPreview(size_t& begin, size_t& end)
    {
        for (const bool tmall : {true, false}) {
            const std::string& preview = tmall ? texts_.tmallPreview : texts_.marketPreview;
            if (preview.empty() || TextTemplate::FindPlaceholder(preview, kPreviewMarker) == std::string::npos)
                continue;
            const Pattern pattern(preview, {{std::string(kPreviewMarker), Src::Var(0), 1}});
            if (pattern.Items().size() < 2)
                continue;
            Captured captured;
            Pattern::Scanner scanner(text_.substr(0, end));
            if (pattern.Match(scanner, begin, end, captured, 0) != end || !captured[0])
                continue;
            begin = static_cast<size_t>(captured[0]->data() - text_.data());
            end = begin + captured[0]->size();
            return tmall;
        }
        return std::nullopt;
    }

    bool StripWrapper(size_t& begin, size_t& end, Values& page)
    {
        const std::string& wrapper = texts_.basicWrapper;
        if (TextTemplate::FindPlaceholder(wrapper, kWrapperMarker) == std::string::npos)
            return false;
        const std::unique_ptr<Pattern> pattern = WrapperPattern(wrapper);
        // A wrapper that is the marker alone shows nothing of itself.
        if (pattern->Items().size() < 2)
            return false;
        Captured captured;
        Pattern::Scanner scanner(text_.substr(0, end));
        if (pattern->Match(scanner, begin, end, captured, kCode) != end || !captured[kCode])
            return false;
        const Values values = FromCaptured(captured, kCode + 1);
        for (const int column : {PageSettings::Height, PageSettings::TopSpacing}) {
            if (captured[static_cast<size_t>(column)])
                page[static_cast<size_t>(column)] = values[static_cast<size_t>(column)];
        }
        begin = static_cast<size_t>(captured[kCode]->data() - text_.data());
        end = begin + captured[kCode]->size();
        return true;
    }

    // The page frame at begin; returns where the blocks start.
    size_t ReadFrame(size_t begin, size_t end, Values& page, bool basic)
    {
        using P = PageSettings;
        if (texts_.pageFrame.empty())
            return begin;
        const std::unique_ptr<Pattern> pattern = FramePattern(texts_.pageFrame, basic);
        Captured captured;
        const size_t stop = pattern->Match(scanner_, begin, end, captured);
        if (stop != std::string::npos) {
            const Values values = FromCaptured(captured, kCode + 1);
            Values read = page;
            for (size_t i = 0; i < captured.size() && i < P::ColumnCount; ++i) {
                if (captured[i])
                    read[i] = values[i];
            }
            if (!basic && captured.size() > kEditionWord && captured[kEditionWord]) {
                const std::string& word = values[kEditionWord];
                read[P::Edition] = word == kTmallWord ? P::TmallEdition : word == kMarketWord ? P::ProEdition : "";
            }
            // The generator writes no frame without a horizontal position;
            // the two positions stand with a blank between them, which
            // either may hold, so the other splits of them are tried too.
            const std::string both = read[P::HorizontalPos] + " " + read[P::VerticalPos];
            constexpr int kMostSplits = 16;
            int splits = 0;
            for (size_t blank = both.find(' '); blank != std::string::npos && splits++ < kMostSplits;
                 blank = both.find(' ', blank + 1)) {
                read[P::HorizontalPos] = both.substr(0, blank);
                read[P::VerticalPos] = both.substr(blank + 1);
                if (read[P::HorizontalPos].empty())
                    continue;
                DeriveFrame(read, basic);
                if (pattern->Filled(read) == text_.substr(begin, stop - begin)) {
                    for (size_t i = 0; i < P::ColumnCount; ++i)
                        page[i] = read[i];
                    return stop;
                }
            }
        }
        // No frame these settings give: it is reported, and blocks are
        // looked for after it.
        BlockStarts starts(text_, end);
        const std::string_view rest = text_.substr(begin, end - begin);
        const bool blockHere =
            rest.starts_with(kAnchor) || (rest.starts_with("\n") && rest.substr(1).starts_with(kAnchor));
        const size_t first = blockHere ? begin : starts.NthAfter(begin, 1);
        Unread(begin, first);
        return first;
    }

    void ReadBlocks(size_t begin, size_t end)
    {
        BlockStarts starts(text_, end);
        size_t pos = begin;
        while (pos < end) {
            // A block is looked for before the next place one may begin, and
            // only then, for values that hold such a place, a little further.
            std::optional<ReadBlock> read;
            for (const int reach : {1, kAnchorsPerBlock}) {
                const size_t region = std::min(starts.NthAfter(pos, reach), end);
                const std::string_view here = text_.substr(pos, region - pos);
                for (const auto& [piece, group] : ReaderGroups()) {
                    if (!here.starts_with(piece))
                        continue;
                    for (const BlockReader* reader : group) {
                        read = reader->Read(scanner_, pos, region, captured_);
                        if (read)
                            break;
                    }
                    if (read)
                        break;
                }
                if (read || region == end)
                    break;
            }
            if (read && read->end > pos) {
                for (ImportedElement& element : read->elements)
                    (element.kind == Kind::Text ? design_.texts : design_.components).push_back(std::move(element));
                pos = read->end;
                continue;
            }
            const size_t next = std::min(starts.NthAfter(pos, 1), end);
            Unread(pos, next);
            pos = next;
        }
    }

    void Unread(size_t from, size_t to)
    {
        if (from > to)
            return;
        UnreadPart part;
        part.offset = from;
        size_t at = from;
        for (size_t count = 0; at < to && count < kExcerptCharacters; ++count) {
            size_t length = 1;
            const auto lead = static_cast<unsigned char>(text_[at]);
            if (lead >= 0xC0)
                length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
            length = std::min(length, to - at);
            const std::string_view character = text_.substr(at, length);
            part.excerpt +=
                character == "\r" || character == "\n" || character == "\t" ? std::string_view(" ") : character;
            at += length;
        }
        design_.unread.push_back(std::move(part));
    }

    // Line and column of every part, in one pass over the text.
    void Locate()
    {
        std::sort(design_.unread.begin(), design_.unread.end(),
                  [](const UnreadPart& a, const UnreadPart& b) { return a.offset < b.offset; });
        size_t at = 0;
        int line = 1;
        int column = 1;
        for (UnreadPart& part : design_.unread) {
            for (; at < part.offset && at < text_.size(); ++at) {
                const auto byte = static_cast<unsigned char>(text_[at]);
                if (byte == '\n') {
                    ++line;
                    column = 1;
                } else if ((byte & 0xC0) != 0x80) {
                    ++column;
                }
            }
            part.line = line;
            part.column = column;
        }
    }

    std::string_view text_;
    const TemplateTexts& texts_;
    Pattern::Scanner scanner_;
    Captured captured_;
    ImportedDesign design_;
};

} // namespace

ImportedDesign CodeImporter::ImportCode(std::string_view code, const TemplateTexts& texts)
{
    return Importer(code, texts).Run();
}

void ImportedDesign::ApplyTo(ComponentLayer& componentLayer, BackgroundLayer& backgroundLayer,
                             DesignSettings& settings) const
{
    componentLayer.Reset();
    backgroundLayer.Reset();
    settings = DesignSettings();
    for (size_t i = 0; i < pageSettings.size(); ++i)
        backgroundLayer.SetCell(PageSettings::Row, static_cast<int>(i), pageSettings[i]);
    for (const ImportedElement& element : components) {
        const int row = componentLayer.AppendComponent(element.kind);
        for (size_t i = 1; i < element.cells.size(); ++i)
            componentLayer.SetCell(row, static_cast<int>(i), element.cells[i]);
        if (!KindTable::Of(element.kind).settingsPrefix.empty())
            settings.Set(element.kind, row, DesignSettings::Written(element.settings));
    }
    for (const ImportedElement& element : texts) {
        const int row = backgroundLayer.AppendText();
        for (size_t i = 1; i < element.cells.size(); ++i)
            backgroundLayer.SetCell(row, static_cast<int>(i), element.cells[i]);
        settings.Set(Kind::Text, row, DesignSettings::Written(element.settings));
    }
}

std::vector<DesignElement> ImportedDesign::Elements() const
{
    std::vector<DesignElement> elements;
    for (const auto* list : {&components, &texts}) {
        for (const ImportedElement& element : *list) {
            DesignElement made;
            made.cells = element.cells;
            made.placement = element.placement;
            made.look = element.look;
            if (!KindTable::Of(element.kind).settingsPrefix.empty()) {
                SettingsFile file;
                for (const auto& [key, value] : element.settings)
                    file.SetValue(key, value);
                made.settings = file.ToBytes();
            }
            elements.push_back(std::move(made));
        }
    }
    return elements;
}

} // namespace morvane
