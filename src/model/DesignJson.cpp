#include "DesignJson.h"

#include "ComponentRecord.h"
#include "KindTable.h"
#include "PageSettings.h"
#include "TextCodec.h"

#include <nlohmann/json.hpp>

namespace morvane {

using nlohmann::json;

namespace {

// Far above anything the program writes: a settings file of the largest
// carousel is a few kilobytes, a design a few thousand elements.
constexpr size_t kMaxSettingsBytes = 16 * 1024 * 1024;
constexpr size_t kMaxElements = 100000;
constexpr size_t kMaxCellBytes = 1024 * 1024;

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string ToBase64(std::string_view bytes)
{
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t n = std::min<size_t>(3, bytes.size() - i);
        std::uint32_t v = 0;
        for (size_t k = 0; k < 3; ++k)
            v = (v << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (size_t k = 0; k < 4; ++k)
            out += k <= n ? kBase64[(v >> (18 - 6 * k)) & 63] : '=';
    }
    return out;
}

std::optional<std::string> FromBase64(std::string_view text)
{
    if (text.size() % 4 != 0)
        return std::nullopt;
    std::string out;
    out.reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4) {
        std::uint32_t v = 0;
        int padding = 0;
        for (size_t k = 0; k < 4; ++k) {
            const char c = text[i + k];
            int value = 0;
            if (c == '=' && i + 4 == text.size() && k >= 2) {
                ++padding;
            } else {
                const char* at = std::char_traits<char>::find(kBase64, 64, c);
                if (!at || padding > 0)
                    return std::nullopt;
                value = static_cast<int>(at - kBase64);
            }
            v = (v << 6) | static_cast<std::uint32_t>(value);
        }
        for (int k = 0; k < 3 - padding; ++k)
            out += static_cast<char>((v >> (16 - 8 * k)) & 0xFF);
    }
    return out;
}

json PlacementJson(const Placement& p)
{
    return {{"left", p.left}, {"top", p.top}, {"width", p.width}, {"height", p.height}, {"visible", p.visible}};
}

const char* AlignmentWord(TextLook::Alignment alignment)
{
    switch (alignment) {
    case TextLook::Alignment::Centre:
        return "center";
    case TextLook::Alignment::Right:
        return "right";
    case TextLook::Alignment::Left:
        break;
    }
    return "left";
}

json ElementJson(const DesignElement& element)
{
    json out = {{"cells", element.cells}, {"placement", PlacementJson(element.placement)}};
    const TextLook& look = element.look;
    if (!(look == TextLook{}))
        out["look"] = {{"caption", look.caption},
                       {"family", look.family},
                       {"pixelSize", look.pixelSize},
                       {"bold", look.bold},
                       {"alignment", AlignmentWord(look.alignment)},
                       {"colour", look.colour}};
    if (element.settings) {
        const std::string text = TextCodec::Gb18030ToUtf8(*element.settings);
        if (TextCodec::Utf8ToGb18030(text) == *element.settings)
            out["settings"] = text;
        else
            out["settingsBase64"] = ToBase64(*element.settings);
    }
    return out;
}

// Reading throws on anything out of shape; the caller turns that into
// nullopt.
struct Invalid {};

void Require(bool ok)
{
    if (!ok)
        throw Invalid{};
}

int Int(const json& object, const char* name)
{
    const json& value = object.at(name);
    Require(value.is_number_integer());
    const auto n = value.get<long long>();
    Require(n >= -(1LL << 30) && n <= (1LL << 30));
    return static_cast<int>(n);
}

std::string Text(const json& object, const char* name, size_t maxBytes = kMaxCellBytes)
{
    const json& value = object.at(name);
    Require(value.is_string());
    std::string text = value.get<std::string>();
    Require(text.size() <= maxBytes);
    return text;
}

DesignElement ElementFrom(const json& in)
{
    Require(in.is_object());
    DesignElement element;
    const json& cells = in.at("cells");
    Require(cells.is_array() && !cells.empty() && cells.size() <= ComponentRecord::ColumnCount);
    for (const json& cell : cells) {
        Require(cell.is_string() && cell.get_ref<const std::string&>().size() <= kMaxCellBytes);
        element.cells.push_back(cell.get<std::string>());
    }
    const json& p = in.at("placement");
    Require(p.is_object());
    element.placement = {Int(p, "left"), Int(p, "top"), Int(p, "width"), Int(p, "height"), true};
    Require(p.at("visible").is_boolean());
    element.placement.visible = p.at("visible").get<bool>();
    if (const auto look = in.find("look"); look != in.end()) {
        Require(look->is_object());
        TextLook& l = element.look;
        l.caption = Text(*look, "caption");
        l.family = Text(*look, "family");
        l.pixelSize = Int(*look, "pixelSize");
        Require(look->at("bold").is_boolean());
        l.bold = look->at("bold").get<bool>();
        const std::string alignment = Text(*look, "alignment");
        l.alignment = alignment == "center"  ? TextLook::Alignment::Centre
                      : alignment == "right" ? TextLook::Alignment::Right
                                             : TextLook::Alignment::Left;
        l.colour = Text(*look, "colour");
    }
    if (in.contains("settings")) {
        element.settings = TextCodec::Utf8ToGb18030(Text(in, "settings", kMaxSettingsBytes));
    } else if (in.contains("settingsBase64")) {
        element.settings = FromBase64(Text(in, "settingsBase64", kMaxSettingsBytes / 3 * 4 + 4));
        Require(element.settings.has_value());
    }
    return element;
}

// What one design may hold: a thousand components is a large module, and
// the largest settings file the program writes is a few kilobytes.
constexpr size_t kMaxDesignElements = 10000;
constexpr size_t kMaxDesignSettingsBytes = 1024 * 1024;
constexpr int kMaxCoordinate = 1000000;

// A problem found while reading a design, in the user's words.
struct Problem {
    std::string text;
};

std::string Numbered(const char* sort, size_t index)
{
    return "第 " + std::to_string(index + 1) + " 个" + sort;
}

DesignElement DesignElementFrom(const json& in, const char* sort, size_t index)
{
    DesignElement element;
    try {
        // Places are numbers wherever the program writes them.
        if (in.is_object() && in.contains("placement") && in["placement"].is_object()) {
            for (const char* name : {"left", "top", "width", "height"}) {
                const auto value = in["placement"].find(name);
                if (value != in["placement"].end() && !value->is_number_integer())
                    throw Problem{Numbered(sort, index) + "的位置“" + name + "”不是整数"};
            }
        }
        element = ElementFrom(in);
    } catch (const Invalid&) {
        throw Problem{Numbered(sort, index) + "的内容不完整或格式不对"};
    } catch (const json::exception&) {
        throw Problem{Numbered(sort, index) + "的内容不完整或格式不对"};
    }
    const Placement& p = element.placement;
    for (const int value : {p.left, p.top})
        if (value < -kMaxCoordinate || value > kMaxCoordinate)
            throw Problem{Numbered(sort, index) + "的位置超出范围"};
    for (const int value : {p.width, p.height})
        if (value < 0 || value > kMaxCoordinate)
            throw Problem{Numbered(sort, index) + "的尺寸超出范围"};
    if (element.settings && element.settings->size() > kMaxDesignSettingsBytes)
        throw Problem{Numbered(sort, index) + "的设置内容过大"};
    return element;
}

// A list of elements of one sort, within what a design may hold.
void CheckList(const json& list, const char* sort)
{
    if (!list.is_array())
        throw Problem{std::string(sort) + "列表格式不对"};
    if (list.size() > kMaxDesignElements)
        throw Problem{std::string(sort) + "数量超出本程序能处理的范围（最多 " + std::to_string(kMaxDesignElements) +
                      " 个）"};
}

std::vector<DesignElement> ComponentsFrom(const json& list)
{
    CheckList(list, "组件");
    std::vector<DesignElement> components;
    components.reserve(list.size());
    // A companion stands right behind its owner, in the order the owner
    // brings them.
    std::span<const Companion> expected;
    for (size_t i = 0; i < list.size(); ++i) {
        DesignElement element = DesignElementFrom(list[i], "组件", i);
        const std::optional<Kind> kind = KindTable::FromWord(element.cells[ComponentRecord::Kind]);
        if (!kind || SortOf(*kind) != Sort::Component)
            throw Problem{Numbered("组件", i) + "的类型未知：" + element.cells[ComponentRecord::Kind]};
        const KindInfo& info = KindTable::Of(*kind);
        if (!expected.empty()) {
            if (expected.front().kind != *kind)
                throw Problem{Numbered("组件", i) + "应为" + std::string(KindTable::Word(expected.front().kind))};
            expected = expected.subspan(1);
        } else if (info.owner) {
            throw Problem{Numbered("组件", i) + "（" + element.cells[ComponentRecord::Kind] + "）没有所属的组件"};
        } else {
            expected = info.companions;
        }
        components.push_back(std::move(element));
    }
    if (!expected.empty())
        throw Problem{"最后一个组件缺少" + std::string(KindTable::Word(expected.front().kind))};
    return components;
}

std::vector<DesignElement> TextsFrom(const json& list)
{
    CheckList(list, "文字");
    std::vector<DesignElement> texts;
    texts.reserve(list.size());
    for (size_t i = 0; i < list.size(); ++i) {
        DesignElement element = DesignElementFrom(list[i], "文字", i);
        if (element.cells[0] != KindTable::Word(Kind::Text))
            throw Problem{Numbered("文字", i) + "的类型不是文字"};
        texts.push_back(std::move(element));
    }
    return texts;
}

std::vector<std::string> PageFrom(const json& page)
{
    if (!page.is_array() || page.size() != static_cast<size_t>(PageSettings::ColumnCount))
        throw Problem{"全局设置格式不对"};
    std::vector<std::string> cells;
    for (const json& cell : page) {
        if (!cell.is_string() || cell.get_ref<const std::string&>().size() > kMaxCellBytes)
            throw Problem{"全局设置格式不对"};
        cells.push_back(cell.get<std::string>());
    }
    const std::string& edition = cells[PageSettings::Edition];
    if (edition != PageSettings::TmallEdition && edition != PageSettings::ProEdition &&
        edition != PageSettings::BasicEdition)
        throw Problem{"全局设置中的店铺版本未知：" + edition};
    return cells;
}

} // namespace

std::string DesignJson::DesignToText(const Design& design)
{
    json components = json::array();
    for (const DesignElement& element : design.components)
        components.push_back(ElementJson(element));
    json texts = json::array();
    for (const DesignElement& element : design.texts)
        texts.push_back(ElementJson(element));
    const json document = {{"program", ProgramName},
                           {"format", DesignFormat},
                           {"page", design.page},
                           {"components", components},
                           {"texts", texts}};
    return document.dump(1, '\t', false, json::error_handler_t::replace) + "\n";
}

DesignJson::DesignReading DesignJson::DesignFromText(std::string_view text)
{
    DesignReading reading;
    json document;
    try {
        document = json::parse(text);
    } catch (const json::parse_error& error) {
        // A parse that ran out of text is a file cut short, not a damaged one.
        reading.problem = error.byte >= text.size()
                              ? "文件不完整，可能没有写完或被截断"
                              : "文件已损坏，不是有效的设计文件（第 " + std::to_string(error.byte) + " 个字节处）";
        return reading;
    } catch (const json::exception&) {
        // A number no design holds, for one.
        reading.problem = "文件已损坏，不是有效的设计文件";
        return reading;
    }
    if (!document.is_object() || !document.contains("program") || document["program"] != ProgramName) {
        reading.problem = "不是 Morvane 的设计文件";
        return reading;
    }
    const auto format = document.find("format");
    if (format == document.end() || !format->is_number_integer() || format->get<long long>() < 1) {
        reading.problem = "文件已损坏：缺少格式版本";
        return reading;
    }
    if (format->get<long long>() > DesignFormat) {
        reading.problem =
            "文件由较新版本的 Morvane 保存（格式 " + std::to_string(format->get<long long>()) + "），请先更新本程序";
        return reading;
    }
    try {
        if (!document.contains("page") || !document.contains("components") || !document.contains("texts"))
            throw Problem{"不是完整的设计文件：缺少全局设置、组件或文字"};
        Design design;
        design.page = PageFrom(document["page"]);
        design.components = ComponentsFrom(document["components"]);
        design.texts = TextsFrom(document["texts"]);
        reading.design = std::move(design);
    } catch (const Problem& problem) {
        reading.problem = "文件内容有误：" + problem.text;
    }
    return reading;
}

std::string DesignJson::ElementsToText(const std::vector<DesignElement>& elements)
{
    json list = json::array();
    for (const DesignElement& element : elements)
        list.push_back(ElementJson(element));
    const json document = {{"program", ProgramName}, {"format", ElementsFormat}, {"elements", list}};
    return document.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::optional<std::vector<DesignElement>> DesignJson::ElementsFromText(std::string_view text)
{
    const json document = json::parse(text, nullptr, false);
    if (document.is_discarded() || !document.is_object())
        return std::nullopt;
    try {
        Require(document.at("program") == ProgramName && document.at("format") == ElementsFormat);
        const json& list = document.at("elements");
        Require(list.is_array() && list.size() <= kMaxElements);
        std::vector<DesignElement> elements;
        for (const json& element : list)
            elements.push_back(ElementFrom(element));
        return elements;
    } catch (const Invalid&) {
        return std::nullopt;
    } catch (const json::exception&) {
        return std::nullopt;
    }
}

} // namespace morvane
